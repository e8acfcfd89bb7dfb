#include "core/fx/Preview.h"

#include "core/document/Undo.h"
#include "core/fx/Dispatch.h"

namespace viramo {

void PreviewSession::Preview(const std::function<void()>& apply) {
    RestorePreview(doc_);
    apply();
}

void PreviewSession::Restore() { RestorePreview(doc_); }

void PreviewSession::Finish(bool ok, const std::function<void()>& apply) {
    RestorePreview(doc_);
    if (ok) {
        RecordUndo(doc_, UndoKind::Effect);
        apply();
    }
    doc_.previewBackup = Bitmap32();
}

}  // namespace viramo
