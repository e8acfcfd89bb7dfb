#pragma once
// A task panel of the side panel: a 20-pixel title bar, optional "Свернуть" and
// "Развернуть" buttons that set its height, and its contents below.
#include <QFrame>

class QVBoxLayout;
class QToolButton;

class TaskPanel : public QFrame {
    Q_OBJECT
public:
    // collapsed/expanded heights of 0 mean the panel has no buttons and sizes to its contents.
    TaskPanel(const QString& title, int collapsedHeight, int expandedHeight, QWidget* parent = nullptr);
    QVBoxLayout* body() const { return body_; }
    void collapse();
    void expand();  // also sets the first height once the contents are in
    bool collapsed() const { return collapsed_; }

private:
    QVBoxLayout* body_;
    QWidget* content_;
    int collapsedHeight_, expandedHeight_;
    bool collapsed_ = false;
};
