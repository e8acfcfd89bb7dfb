// TMainForm: the "Правка" menu (clipboard and selection area), flattening and
// the transparent colour.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QMessageBox>
#include <QMimeData>
#include <QScreen>

#include "core/document/Editing.h"
#include "ui/app/MainUnit.h"
#include "ui/document/SetaTrans.h"
#include "ui/widgets/ImgView.h"
#include "ui/widgets/TaskPanel.h"

using namespace viramo;

namespace {

// The clipboard carries colours only: transparency does not travel.
void putOnClipboard(const Bitmap32& b) {
    if (b.empty()) return;
    QImage image(b.width(), b.height(), QImage::Format_RGB32);
    for (int y = 0; y < b.height(); ++y) {
        const Color32* s = b.scanLine(y);
        auto* d = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < b.width(); ++x) d[x] = s[x] | 0xFF000000u;
    }
    QApplication::clipboard()->setImage(image);
}

std::optional<Bitmap32> fromClipboard() {
    const QMimeData* m = QApplication::clipboard()->mimeData();
    if (!m || !m->hasImage()) return std::nullopt;
    const QImage image = QApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32);
    if (image.isNull()) return std::nullopt;
    Bitmap32 b(image.width(), image.height());
    for (int y = 0; y < image.height(); ++y) {
        const auto* s = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        Color32* d = b.scanLine(y);
        for (int x = 0; x < image.width(); ++x) d[x] = s[x] | 0xFF000000u;
    }
    return b;
}

}  // namespace

void TMainForm::buildEditing() {
    stc_ = new TSTC(this);
    stc_->hide();
    wireAction("actCut", &TMainForm::N20Click);
    wireAction("actCopy", &TMainForm::N21Click);
    wireAction("actPaste", &TMainForm::N22Click);
    wireAction("actSelect", &TMainForm::N71Click);
    wireAction("actSelectAll", &TMainForm::N98Click);
    wireAction("actPasteAsNew", &TMainForm::N47Click);
    wireAction("actFlatten", &TMainForm::mnFlattenClick);
    wireAction("actTransparentColour", &TMainForm::N23Click);
    for (const char* n : {"actCut", "actCopy", "actSelect", "actSelectAll"}) enable(QString::fromUtf8(n), true);
    connect(QApplication::clipboard(), &QClipboard::dataChanged, this, &TMainForm::UpdateEditMenu);
    connect(view_, &ImgView::picked, this, &TMainForm::Pick);
    connect(view_, &ImgView::pointerMoved, this, [this](const QPointF& c) {
        // The swatch follows the pointer over a layer while a bitmap layer is selected.
        if (!stc_->isVisible() || !doc_.LayerAt(c.x(), c.y())) return;
        if (auto colour = PickLayerColour(doc_, c.x(), c.y())) stc_->showColour(*colour);
    });
    connect(stc_, &TSTC::closed, this, [this] { view_->setPickMode(false); });
}

void TMainForm::N21Click() {
    if (auto picture = CopySelection(doc_)) putOnClipboard(*picture);
    view_->viewport()->update();
}

void TMainForm::N20Click() {
    const CutResult r = CutSelection(doc_);
    if (r.refused)
        QMessageBox::information(this, windowTitle(), QString::fromUtf8(kCutRefusedMessage));
    if (r.picture) putOnClipboard(*r.picture);
    view_->viewport()->update();
}

void TMainForm::N22Click() {
    auto picture = fromClipboard();
    if (!picture) return;
    const QPointF c = view_->visibleCentre();
    PastePicture(doc_, std::move(*picture), c.x(), c.y());
}

void TMainForm::N71Click() {
    const QPointF c = view_->visibleCentre();
    SelectArea(doc_, c.x(), c.y());
}

void TMainForm::N98Click() {
    const QPointF c = view_->visibleCentre();
    SelectAll(doc_, c.x(), c.y());
}

void TMainForm::N47Click() {
    doc_.previewBackup = Bitmap32();
    if (doc_.canvasEmpty() || AskSaveChanges()) {
        documentPath_.clear();
        action(QStringLiteral("actSave"))->setEnabled(true);
        action(QStringLiteral("actSaveAs"))->setEnabled(true);
        action(QStringLiteral("tbSave"))->setEnabled(true);
        if (auto picture = fromClipboard()) {
            PasteAsNewPicture(doc_, std::move(*picture));
            view_->documentResized();
        }
        pnlImage_->setVisible(!doc_.canvasEmpty());
        start_->setVisible(doc_.canvasEmpty());
    }
    doc_.sourcePhoto = doc_.canvas();
    view_->viewport()->update();
}

void TMainForm::mnFlattenClick() {
    busy(true, QStringLiteral("Склеивание слоёв…"));
    FlattenLayers(doc_);
    busy(false);
}

void TMainForm::N23Click() {
    view_->setPickMode(true);
    const QRect g = frameGeometry();
    stc_->move(g.left() + g.width() - 340, g.top() + 60);
    stc_->show();
    stc_->raise();
}

void TMainForm::Pick(const QPointF& c) {
    if (auto colour = PickLayerColour(doc_, c.x(), c.y())) MakeColourTransparent(doc_, *colour | 0xFF000000u);
    view_->setPickMode(false);
    stc_->close();
}
