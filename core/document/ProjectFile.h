#pragma once
// The layered project file (".zrt"): a BMP block for every bitmap layer, the
// canvas as a BMP block, 108-byte layer records, a text list of the block
// sizes and a 4-byte trailer, read from the end backwards.
#include <memory>
#include <string>
#include <vector>

#include "core/document/Document.h"
#include "core/util/FileIO.h"

namespace viramo {

// The file's bytes for the document (the rubber band is not saved; frame
// layers get a record of zeros and no picture).
Bytes EncodeProject(const Document& doc);
// Writes beside path and renames over it when complete. Throws FileError.
void SaveProject(const Document& doc, const std::string& path);

struct ProjectContents {
    Bitmap32 canvas;
    std::vector<std::unique_ptr<Layer>> layers;  // in stack order, bottom first
};
// Checks the trailer, the size list, the record count and every block against
// the file before using them. Throws PictureError naming what is wrong.
ProjectContents DecodeProject(const Bytes& data);

// Reads and decodes a project file; errors name the file.
ProjectContents ReadProjectFile(const std::string& path);
// Reads the file completely, then replaces the document's contents with it and
// selects the topmost layer. On any error the document is left as it was.
void LoadProject(Document& doc, const std::string& path);
// Puts decoded contents into the document (after ResetDocument).
void ApplyProject(Document& doc, ProjectContents contents);

bool IsProjectPath(const std::string& path);  // ".zrt" in any letter case

}  // namespace viramo
