#pragma once
// TCropLa: "Визуальная обрезка слоя". The layer's bitmap shown darkened, with a
// frame that lights up the region to keep; drag the frame to move it, its edges
// and corners to resize it.
#include <QDialog>
#include <functional>

#include "core/gfx/Bitmap32.h"

class CropView;

class TCropLa : public QDialog {
    Q_OBJECT
public:
    explicit TCropLa(QWidget* parent);
    // FormActivate: the picture to crop; the frame starts 64 x 64 in the middle.
    void setPicture(const viramo::Bitmap32& layerBitmap);
    viramo::FloatRect region() const;  // the frame in bitmap pixels
    void setRegion(const viramo::FloatRect& r);
    std::function<void(const viramo::FloatRect&)> apply;  // OK

protected:
    void done(int result) override;  // FormClose: the view emptied

private:
    CropView* cropos_;
};
