#include "core/document/Files.h"

#include "core/document/ProjectFile.h"
#include "core/util/Errors.h"

namespace viramo {

OpenedFile ReadDocumentFile(const std::string& path) {
    OpenedFile f;
    if (IsProjectPath(path)) {
        ProjectContents c = ReadProjectFile(path);
        f.canvas = std::move(c.canvas);
        f.layers = std::move(c.layers);
        f.project = true;
        return f;
    }
    f.canvas = LoadPicture(path);
    f.canvas.setAllAlpha(255);
    return f;
}

void ApplyOpenedFile(Document& doc, OpenedFile file) {
    ProjectContents c;
    c.canvas = std::move(file.canvas);
    c.layers = std::move(file.layers);
    ApplyProject(doc, std::move(c));
}

Bitmap32 ReadFlattened(const std::string& path) {
    OpenedFile f = ReadDocumentFile(path);
    if (f.layers.empty()) return std::move(f.canvas);
    Document d;
    ApplyOpenedFile(d, std::move(f));
    return d.Flatten();
}

bool SaveButtonEnabledFor(const std::string& path) {
    const std::string e = Extension(path);
    for (const char* ok : {".gif", ".GIF", ".JPG", ".jpg", ".JPEG", ".jpeg", ".BMP", ".bmp", ".zrt", ".ZRT"})
        if (e == ok) return true;
    return false;
}

SaveTarget SaveTargetFor(const std::string& path) {
    const std::string e = Extension(path);
    if (e == ".bmp" || e == ".BMP") return SaveTarget::Bmp;
    if (e == ".zrt" || e == ".ZRT") return SaveTarget::Project;
    if (e == ".gif" || e == ".GIF") return SaveTarget::Gif;
    if (e == ".jpg" || e == ".jpeg" || e == ".JPG" || e == ".JPEG") return SaveTarget::Jpeg;
    const std::string l = LowerExtension(path);
    if (l == ".png") return SaveTarget::Png;
    if (l == ".tif" || l == ".tiff") return SaveTarget::Tiff;
    return SaveTarget::AskName;
}

SaveTarget SaveAsTarget(int entry) {
    switch (entry) {
        case 1: return SaveTarget::Project;
        case 3: return SaveTarget::Jpeg;
        case 4: return SaveTarget::Gif;
        case 5: return SaveTarget::Png;
        case 6: return SaveTarget::Tiff;
        default: return SaveTarget::Bmp;
    }
}

std::string SaveAsPath(const std::string& name, int entry) {
    static const char* const kExt[] = {".bmp", ".zrt", ".bmp", ".jpg", ".gif", ".png", ".tif"};
    return name + kExt[entry >= 1 && entry <= 6 ? entry : 2];
}

void WriteDocumentFile(Document& doc, const std::string& path, SaveTarget target, const SaveOptions& options) {
    if (target == SaveTarget::Project) {
        SaveProject(doc, path);
        return;
    }
    PictureFormat format = PictureFormat::Bmp;
    switch (target) {
        case SaveTarget::Jpeg: format = PictureFormat::Jpeg; break;
        case SaveTarget::Gif: format = PictureFormat::Gif; break;
        case SaveTarget::Png: format = PictureFormat::Png; break;
        case SaveTarget::Tiff: format = PictureFormat::Tiff; break;
        default: break;
    }
    doc.RenderComposite();
    Bytes data;
    try {
        data = EncodePicture(doc.compositeImage(), format, options);
    } catch (const PictureError& e) {
        throw PictureError(path, e.cause());
    }
    WriteFileAtomic(path, data);
}

}  // namespace viramo
