#pragma once
// The preview protocol of the effect and filter dialogs: a preview is drawn on
// the document itself from the untouched target kept in PreviewBackup; Cancel
// puts it back; OK records one "effect" undo of the untouched target and
// applies afresh; PreviewBackup is empty again afterwards.
#include <functional>

#include "core/document/Document.h"

namespace viramo {

class PreviewSession {
public:
    explicit PreviewSession(Document& doc) : doc_(doc) { doc_.previewBackup = Bitmap32(); }
    ~PreviewSession() { doc_.previewBackup = Bitmap32(); }
    PreviewSession(const PreviewSession&) = delete;
    PreviewSession& operator=(const PreviewSession&) = delete;

    // "Просмотр": back to the untouched target, then apply.
    void Preview(const std::function<void()>& apply);
    // "Cancel" and every close: back to the untouched target if a preview was made.
    void Restore();
    // After the dialog: restore; with OK record the undo snapshot and apply afresh.
    void Finish(bool ok, const std::function<void()>& apply);

private:
    Document& doc_;
};

}  // namespace viramo
