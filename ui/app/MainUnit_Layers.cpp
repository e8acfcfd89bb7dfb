// TMainForm: layer commands and the "Параметры слоя" panel.
#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

#include "core/codecs/Picture.h"
#include "ui/app/ErrorText.h"
#include "ui/app/MainUnit.h"
#include "ui/widgets/ImgView.h"

using namespace viramo;

void TMainForm::AddPhotoClick() {
    const QString path = QFileDialog::getOpenFileName(
        this, QStringLiteral("Добавить фотографию"), QString(),
        QStringLiteral("All supported formats (*.gif *.jpg *.jpeg *.bmp *.ico *.emf *.wmf *.png *.tif *.tiff);;"
                       "GIF Image (*.gif);;JPEG Image File (*.jpg *.jpeg);;Bitmaps (*.bmp);;Icons (*.ico);;"
                       "Enhanced Metafiles (*.emf);;Metafiles (*.wmf);;PNG Image (*.png)"));
    if (path.isEmpty()) return;
    AddPhotoFromPath(path);
}

bool TMainForm::AddPhotoFromPath(const QString& path) {
    Bitmap32 picture;
    // A picture that cannot be read leaves the stack as it was.
    if (!withErrorMessage([&] { picture = LoadPicture(path.toStdString()); })) return false;
    const QPointF c = view_->visibleCentre();
    doc_.AddPhotograph(std::move(picture), static_cast<int>(c.x()), static_cast<int>(c.y()));
    return true;
}

void TMainForm::CloneClick() { doc_.CloneSelection(); }

void TMainForm::DeleteClick() { doc_.DeleteSelection(); }

void TMainForm::ReorderClick(int how) {
    switch (how) {
        case 0: doc_.BringToFront(); break;
        case 1: doc_.SendToBack(); break;
        case 2: doc_.MoveUp(); break;
        default: doc_.MoveDown(); break;
    }
}

void TMainForm::LayerOpacityChange(int value) {
    if (!updatingPanels_) doc_.SetLayerOpacity(value);
}

void TMainForm::LayerInterpolateClick(bool on) { doc_.SetLayerInterpolation(on); }

void TMainForm::ImageInterpolateClick(bool on) {
    const int mark = doc_.modifiedMark;
    doc_.SetAllInterpolation(on);
    doc_.modifiedMark = mark;  // how the picture is shown is not a change of it
}
