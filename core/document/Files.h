#pragma once
// Opening and saving documents: which file becomes what, and which format a
// save writes. The commands of the window call these and show the errors.
#include <memory>
#include <string>
#include <vector>

#include "core/codecs/Picture.h"
#include "core/document/Document.h"

namespace viramo {

// A file read completely, ready to replace the document.
struct OpenedFile {
    Bitmap32 canvas;
    std::vector<std::unique_ptr<Layer>> layers;
    bool project = false;
};
// A project (".zrt", any letter case) or a picture (every alpha made opaque).
// Throws FileError, FormatError or PictureError naming the file.
OpenedFile ReadDocumentFile(const std::string& path);
// ResetDocument, then the file's canvas and layers; the topmost layer selected.
void ApplyOpenedFile(Document& doc, OpenedFile file);
// The flattened picture of a picture or project file (for batch work).
Bitmap32 ReadFlattened(const std::string& path);

// "Сохранить" after opening: enabled for the extensions it writes as they are.
bool SaveButtonEnabledFor(const std::string& path);

enum class SaveTarget { AskName, Project, Bmp, Jpeg, Gif, Png, Tiff };
// What "Сохранить" writes for the document's path: BMP, project, GIF and JPEG
// by their extensions as written (".bmp" or ".BMP", ...), PNG and TIFF by
// extension in any case; anything else asks for a name.
SaveTarget SaveTargetFor(const std::string& path);
// "Сохранить как...": entries 1..6 (project, BMP, JPEG, GIF, PNG, TIFF); the
// entry's extension is always appended to the name.
SaveTarget SaveAsTarget(int entry);
std::string SaveAsPath(const std::string& name, int entry);

// Writes the document to path: the project, or the flattened composition
// (RenderComposite, which clears the selection) in the picture format.
// Written beside the target and renamed over it. Throws like ReadDocumentFile.
void WriteDocumentFile(Document& doc, const std::string& path, SaveTarget target, const SaveOptions& options = {});

}  // namespace viramo
