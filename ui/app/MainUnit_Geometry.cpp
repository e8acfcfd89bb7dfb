// TMainForm: turning and mirroring, free rotation, image size, canvas and
// layer cropping, the relief contour and the button effect.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QMessageBox>
#include <QRadioButton>
#include <QSpinBox>

#include "core/document/Undo.h"
#include "core/fx/Geometry.h"
#include "ui/app/MainUnit.h"
#include "ui/processing/ButEf.h"
#include "ui/processing/CropL.h"
#include "ui/processing/Im_rasm.h"
#include "ui/processing/Povorot.h"
#include "ui/processing/RaiseUnit.h"
#include "ui/widgets/ImgView.h"

using namespace viramo;

void TMainForm::buildGeometry() {
    povor_ = new TPovor(this);
    rasm_ = new TRasm(this);
    cropLa_ = new TCropLa(this);
    raiser_ = new TRaiser(this);
    eButos_ = new TEButos(this);
    wireAction("actRotateRight", &TMainForm::N901Click);
    wireAction("actRotateLeft", &TMainForm::N902Click);
    wireAction("actRotateFree", &TMainForm::N13Click);
    wireAction("actMirrorVertical", &TMainForm::N24Click);
    wireAction("actMirrorHorizontal", &TMainForm::N53Click);
    wireAction("actImageSize", &TMainForm::N37Click);
    wireAction("actCropCanvas", &TMainForm::N114Click);
    wireAction("actCropLayer", &TMainForm::N54Click);
    wireAction("actRelief", &TMainForm::N7Click);
    wireAction("actButtonEffect", &TMainForm::N121Click);
    UpdateImageMenu();
}

void TMainForm::N901Click() { TurnLayer(doc_, true); }
void TMainForm::N902Click() { TurnLayer(doc_, false); }
void TMainForm::N24Click() { MirrorLayer(doc_, true); }
void TMainForm::N53Click() { MirrorLayer(doc_, false); }

void TMainForm::N13Click() {
    if (!doc_.bitmapSelected()) return;
    RotationCopy copy;
    povor_->takeCopy = [&] { copy = TakeRotationCopy(doc_); };
    povor_->restore = [&] {
        PutRotationCopy(doc_, copy);
        Layer* l = doc_.selection();
        doc_.SetSelection(nullptr);
        doc_.SetSelection(l);
    };
    bool ok = false;
    auto turn = [&] {
        bool number = false;
        const int angle = povor_->Edit1->text().toInt(&number);
        if (!number) {
            QMessageBox::warning(this, windowTitle(), QStringLiteral("Угол должен быть целым числом."));
            return;
        }
        busy(true, QStringLiteral("Поворот…"));
        FreeRotate(doc_, copy, angle, povor_->Inter->isChecked());
        busy(false);
    };
    povor_->rotate = turn;
    ok = povor_->exec() == QDialog::Accepted;
    if (ok) {
        // OK: back to the copy, the "geom" snapshot of it, then the turn afresh.
        PutRotationCopy(doc_, copy);
        RecordUndo(doc_, UndoKind::Geom);
        turn();
    }
    povor_->takeCopy = povor_->restore = povor_->rotate = nullptr;
}

void TMainForm::N37Click() {
    rasm_->FormActivate(doc_.canvas().width(), doc_.canvas().height());
    if (rasm_->exec() != QDialog::Accepted) return;
    busy(true, QStringLiteral("Изменение размера…"));
    ImageSize(doc_, rasm_->UpDown1->value(), rasm_->UpDown2->value(), rasm_->Resample->currentIndex());
    busy(false);
    view_->documentResized();
    setStatus(1, QStringLiteral("%1x%2").arg(doc_.canvas().width()).arg(doc_.canvas().height()));
}

void TMainForm::N114Click() {
    if (cropPanelVisible()) return;
    doc_.areaShade = 255;
    doc_.DropFrameLayer();
    const QPointF c = view_->visibleCentre();
    Layer& frame = doc_.CreateFrameLayer(c.x(), c.y(), kCropFrameTag);
    doc_.SetSelection(&frame);
}

void TMainForm::CropsPChange() {
    ApplyCropProportions(doc_, cropsP_->currentIndex(), obrat_->isChecked());
}

void TMainForm::CropOkClick() {
    busy(true, QStringLiteral("Обрезка холста…"));
    CanvasCrop(doc_);
    busy(false);
    view_->documentResized();
    setStatus(1, QStringLiteral("%1x%2").arg(doc_.canvas().width()).arg(doc_.canvas().height()));
}

void TMainForm::N54Click() {
    if (!doc_.bitmapSelected()) return;
    cropLa_->setPicture(doc_.selection()->bitmap);
    cropLa_->apply = [this](const FloatRect& region) { LayerCrop(doc_, region); };
    cropLa_->exec();
    cropLa_->apply = nullptr;
}

void TMainForm::N7Click() {
    if (!doc_.bitmapSelected()) return;
    Layer* layer = doc_.selection();
    Bitmap32 copy;
    FloatRect place;
    raiser_->takeCopy = [&] {
        copy = layer->bitmap;
        place = layer->location;
    };
    raiser_->restore = [&] {
        layer->bitmap = copy;
        doc_.layerPixelsChanged(*layer);
        doc_.SetLayerLocation(*layer, place);
        doc_.SetSelection(nullptr);
        doc_.SetSelection(layer);
    };
    raiser_->record = [&] { RecordUndo(doc_, UndoKind::Geom); };
    raiser_->apply = [&] {
        Relief(layer->bitmap, raiser_->UpDown1->value(), raiser_->OutBor->isChecked(), raiser_->borderColour,
               raiser_->Gran->value());
        doc_.layerPixelsChanged(*layer);
        doc_.notify(kLayersChanged);
        FitClick();
    };
    raiser_->exec();
    raiser_->takeCopy = raiser_->restore = raiser_->record = raiser_->apply = nullptr;
}

void TMainForm::N121Click() {
    Layer* layer = doc_.bitmapSelected() ? doc_.selection() : nullptr;
    Bitmap32 copy;
    FloatRect place;
    eButos_->takeCopy = [&] {
        copy = doc_.target();
        if (layer) place = layer->location;
        eButos_->Glub->setValue(ButtonDepthFor(copy.width()));
    };
    auto changed = [&] {
        if (layer) doc_.layerPixelsChanged(*layer);
        else doc_.canvasPixelsChanged();
        doc_.notify(layer ? kLayersChanged : kCanvasChanged);
    };
    eButos_->restore = [&] {
        doc_.target() = copy;
        if (layer) {
            doc_.SetLayerLocation(*layer, place);
            doc_.SetSelection(nullptr);
            doc_.SetSelection(layer);
        }
        changed();
    };
    eButos_->apply = [&] {
        ButtonEffect(doc_.target(), eButos_->PDM->value(), eButos_->Glub->value(), eButos_->RCNT->isChecked());
        changed();
    };
    eButos_->finish = [&] {
        // One Undo takes the button back, as for every other tool.
        RecordUndo(doc_, layer ? UndoKind::Geom : UndoKind::Effect);
        eButos_->apply();
        setStatus(1, QStringLiteral("%1x%2").arg(doc_.canvas().width()).arg(doc_.canvas().height()));
    };
    eButos_->exec();
    eButos_->takeCopy = eButos_->restore = eButos_->apply = eButos_->finish = nullptr;
}
