#pragma once
// The frame the effect and filter dialogs share: a body of controls and the
// buttons "Просмотр", "OK" and "Cancel". "Просмотр" asks the window to preview
// with the current values; Cancel and the close box end with the Cancel result.
#include <QDialog>
#include <functional>

class QVBoxLayout;

class TEffectDialog : public QDialog {
    Q_OBJECT
public:
    TEffectDialog(const QString& caption, QWidget* parent);
    QVBoxLayout* body() const { return body_; }
    // Set by the window while the dialog is shown: previews on the document.
    std::function<void()> onPreview;
    void Button3Click();  // "Просмотр"

private:
    QVBoxLayout* body_;
};
