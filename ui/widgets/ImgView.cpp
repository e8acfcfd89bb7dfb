#include "ui/widgets/ImgView.h"

#include <QPainter>
#include <QPaintEvent>
#include <QScrollBar>

#include <algorithm>
#include <cmath>

using viramo::Bitmap32;

ImgView::ImgView(QWidget* parent) : QAbstractScrollArea(parent) {
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
}

void ImgView::setBitmap(const Bitmap32* bitmap) {
    bitmap_ = bitmap;
    updateScrollBars();
    viewport()->update();
}

void ImgView::setScale(double scale) {
    scale_ = std::clamp(scale, 0.01, 20.0);
    updateScrollBars();
    viewport()->update();
}

void ImgView::fitToWindow() {
    if (!bitmap_ || bitmap_->empty()) return;
    const QSize client = viewport()->size();
    const double w = bitmap_->width(), h = bitmap_->height();
    if (w < client.width() && h < client.height()) return;
    double s = (w / h >= double(client.width()) / client.height()) ? client.width() / w : client.height() / h;
    setScale(s / 1.1);
}

void ImgView::setBackground(QColor color) {
    background_ = color;
    viewport()->update();
}

QPointF ImgView::canvasOrigin() const {
    // Centred when smaller than the view, else scrolled.
    if (!bitmap_) return {};
    const double cw = bitmap_->width() * scale_, ch = bitmap_->height() * scale_;
    const QSize v = viewport()->size();
    const double x = cw < v.width() ? (v.width() - cw) / 2 : -horizontalScrollBar()->value();
    const double y = ch < v.height() ? (v.height() - ch) / 2 : -verticalScrollBar()->value();
    return {x, y};
}

void ImgView::updateScrollBars() {
    const QSize v = viewport()->size();
    const int cw = bitmap_ ? static_cast<int>(std::ceil(bitmap_->width() * scale_)) : 0;
    const int ch = bitmap_ ? static_cast<int>(std::ceil(bitmap_->height() * scale_)) : 0;
    horizontalScrollBar()->setRange(0, std::max(0, cw - v.width()));
    horizontalScrollBar()->setPageStep(v.width());
    verticalScrollBar()->setRange(0, std::max(0, ch - v.height()));
    verticalScrollBar()->setPageStep(v.height());
}

void ImgView::resizeEvent(QResizeEvent* e) {
    QAbstractScrollArea::resizeEvent(e);
    updateScrollBars();
}

void ImgView::scrollContentsBy(int, int) { viewport()->update(); }

void ImgView::paintEvent(QPaintEvent* e) {
    QPainter p(viewport());
    p.fillRect(e->rect(), background_);
    if (!bitmap_ || bitmap_->empty()) return;
    // The canvas is shown opaque: its alpha only matters to layers and files.
    const QImage image(reinterpret_cast<const uchar*>(bitmap_->bits()), bitmap_->width(), bitmap_->height(),
                       bitmap_->width() * 4, QImage::Format_RGB32);
    const QPointF o = canvasOrigin();
    const QRectF target(o.x(), o.y(), bitmap_->width() * scale_, bitmap_->height() * scale_);
    const QRectF visible = target.intersected(QRectF(e->rect()));
    if (visible.isEmpty()) return;
    const QRectF source((visible.left() - o.x()) / scale_, (visible.top() - o.y()) / scale_, visible.width() / scale_,
                        visible.height() / scale_);
    p.setRenderHint(QPainter::SmoothPixmapTransform, scale_ < 1.0);
    p.drawImage(visible, image, source);
}
