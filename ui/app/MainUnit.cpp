#include "ui/app/MainUnit.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QStatusBar>

#include "core/codecs/Picture.h"
#include "ui/app/ErrorText.h"
#include "ui/widgets/ImgView.h"

TMainForm::TMainForm(QWidget* parent) : QMainWindow(parent) {
    setWindowTitle(QStringLiteral("Фото ВИРАМО"));
    resize(859, 625);
    view_ = new ImgView(this);
    view_->setBitmap(&canvas_);
    setCentralWidget(view_);
    pathPanel_ = new QLabel(QStringLiteral("Масштаб изображения регулируется колесом прокрутки"));
    sizePanel_ = new QLabel;
    pathPanel_->setMinimumWidth(350);
    sizePanel_->setMinimumWidth(200);
    statusBar()->addWidget(pathPanel_, 1);
    statusBar()->addWidget(sizePanel_);
}

bool TMainForm::OpenFileByPath(const QString& path) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    try {
        viramo::Bitmap32 picture = viramo::LoadPicture(path.toStdString());
        canvas_ = std::move(picture);
    } catch (const std::exception& e) {
        QApplication::restoreOverrideCursor();
        QMessageBox::warning(this, windowTitle(), ErrorText(e));
        return false;
    }
    QApplication::restoreOverrideCursor();
    view_->setBitmap(&canvas_);
    view_->setScale(1.0);
    view_->fitToWindow();
    pathPanel_->setText(path);
    sizePanel_->setText(QStringLiteral("%1x%2").arg(canvas_.width()).arg(canvas_.height()));
    return true;
}
