#pragma once
// TBrowser: "Каталог эффектов", nine ready-made effects shown on thumbnails of
// the target; the previews are written to its "Browser" folder each time.
#include <QDialog>
#include <functional>

class QListWidget;

class TBrowser : public QDialog {
    Q_OBJECT
public:
    explicit TBrowser(QWidget* parent);
    // Shows the pictures of the folder, sorted by name, titled when there are nine.
    void loadFolder(const QString& folder);
    int selectedIndex() const;  // -1 when no thumbnail is selected
    int count() const;
    QString title(int index) const;
    // Set by the window: applies entry index (with its undo snapshot).
    std::function<void(int index)> apply;
    QListWidget* FView;

private:
    void Button4Click();
    void FViewDblClick();
};
