#pragma once
// TMainForm: the main window of the editor.
#include <QMainWindow>
#include <QString>

#include "core/gfx/Bitmap32.h"

class ImgView;
class QLabel;

class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    explicit TMainForm(QWidget* parent = nullptr);

    // Opens a picture as the canvas; shows a message and keeps the current
    // picture when it cannot be read. Returns whether it opened.
    bool OpenFileByPath(const QString& path);
    const viramo::Bitmap32& canvas() const { return canvas_; }

private:
    viramo::Bitmap32 canvas_;
    ImgView* view_ = nullptr;
    QLabel* pathPanel_ = nullptr;
    QLabel* sizePanel_ = nullptr;
};
