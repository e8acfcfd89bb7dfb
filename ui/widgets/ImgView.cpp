#include "ui/widgets/ImgView.h"

#include <QDragEnterEvent>
#include <QMimeData>
#include <QPainter>
#include <QPaintEvent>
#include <QScrollBar>
#include <QUrl>

#include <algorithm>
#include <cmath>

using namespace viramo;

namespace {
constexpr double kHandle = 4;  // half the side of a handle square, control pixels
}

ImgView::ImgView(Document& doc, QWidget* parent) : QAbstractScrollArea(parent), doc_(doc) {
    setFocusPolicy(Qt::StrongFocus);
    setAcceptDrops(true);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    viewport()->setMouseTracking(true);
    setFrameShape(QFrame::NoFrame);
}

void ImgView::setPickMode(bool on) {
    pick_ = on;
    viewport()->setCursor(on ? Qt::CrossCursor : Qt::ArrowCursor);
}

void ImgView::setBackground(const ViewBackground& bg) {
    background_ = bg;
    viewport()->update();
}

QPointF ImgView::origin() const {
    const QSize v = viewport()->size();
    const double cw = doc_.canvas().width() * double(doc_.scale), ch = doc_.canvas().height() * double(doc_.scale);
    const double x = cw < v.width() ? std::floor((v.width() - cw) / 2) : -horizontalScrollBar()->value();
    const double y = ch < v.height() ? std::floor((v.height() - ch) / 2) : -verticalScrollBar()->value();
    return {x, y};
}

QPointF ImgView::controlToCanvas(const QPointF& p) const { return (p - origin()) / double(doc_.scale); }
QPointF ImgView::canvasToControl(const QPointF& p) const { return p * double(doc_.scale) + origin(); }

QPointF ImgView::visibleCentre() const {
    const QSize v = viewport()->size();
    return controlToCanvas(QPointF(v.width() / 2.0, v.height() / 2.0));
}

void ImgView::updateScrollBars() {
    settingScroll_ = true;
    const QSize v = viewport()->size();
    const int cw = static_cast<int>(std::ceil(doc_.canvas().width() * double(doc_.scale)));
    const int ch = static_cast<int>(std::ceil(doc_.canvas().height() * double(doc_.scale)));
    horizontalScrollBar()->setRange(0, std::max(0, cw - v.width()));
    horizontalScrollBar()->setPageStep(std::max(1, v.width()));
    horizontalScrollBar()->setSingleStep(20);
    verticalScrollBar()->setRange(0, std::max(0, ch - v.height()));
    verticalScrollBar()->setPageStep(std::max(1, v.height()));
    verticalScrollBar()->setSingleStep(20);
    settingScroll_ = false;
}

void ImgView::setScale(float scale) {
    const QPointF centre = visibleCentre();
    doc_.scale = scale;
    updateScrollBars();
    settingScroll_ = true;
    const QSize v = viewport()->size();
    horizontalScrollBar()->setValue(static_cast<int>(std::lround(centre.x() * scale - v.width() / 2.0)));
    verticalScrollBar()->setValue(static_cast<int>(std::lround(centre.y() * scale - v.height() / 2.0)));
    settingScroll_ = false;
    viewport()->update();
}

void ImgView::documentResized() {
    updateScrollBars();
    viewport()->update();
}

void ImgView::resizeEvent(QResizeEvent* e) {
    QAbstractScrollArea::resizeEvent(e);
    updateScrollBars();
}

void ImgView::scrollContentsBy(int, int) {
    viewport()->update();
    if (!settingScroll_) emit scrolled();
}

QRectF ImgView::bandRect() const {
    const Layer* band = doc_.rubberBand();
    if (!band || !band->visible) return {};
    const QPointF a = canvasToControl(QPointF(band->location.left, band->location.top));
    const QPointF b = canvasToControl(QPointF(band->location.right, band->location.bottom));
    return QRectF(a, b).normalized();
}

void ImgView::paintEvent(QPaintEvent*) {
    const qreal dpr = viewport()->devicePixelRatioF();
    const QSize v = viewport()->size();
    const QPointF o = origin();
    ViewGeometry g{doc_.scale * dpr, o.x() * dpr, o.y() * dpr, static_cast<int>(std::ceil(v.width() * dpr)),
                   static_cast<int>(std::ceil(v.height() * dpr))};
    if (g.width <= 0 || g.height <= 0) return;
    RenderView(doc_, g, background_, buffer_, cache_);
    QImage image(reinterpret_cast<const uchar*>(buffer_.bits()), buffer_.width(), buffer_.height(),
                 buffer_.width() * 4, QImage::Format_RGB32);
    image.setDevicePixelRatio(dpr);
    QPainter p(viewport());
    p.drawImage(QPointF(0, 0), image);
    const QRectF band = bandRect();
    if (band.isNull()) return;
    p.setRenderHint(QPainter::Antialiasing, false);
    QPen dash(Qt::black, 0, Qt::DashLine);
    p.setPen(QPen(Qt::white, 0));
    p.drawRect(band);
    p.setPen(dash);
    p.drawRect(band);
    p.setPen(QPen(Qt::black, 0));
    p.setBrush(Qt::white);
    const double xs[3] = {band.left(), band.center().x(), band.right()};
    const double ys[3] = {band.top(), band.center().y(), band.bottom()};
    for (double y : ys)
        for (double x : xs)
            if (!(x == xs[1] && y == ys[1])) p.drawRect(QRectF(x - kHandle, y - kHandle, 2 * kHandle, 2 * kHandle));
}

DragState ImgView::handleAt(const QPointF& pt, bool* onBand) const {
    *onBand = false;
    const QRectF band = bandRect();
    if (band.isNull()) return DragState::Move;
    const double slop = kHandle + 2;
    auto near = [&](double a, double b) { return std::abs(a - b) <= slop; };
    const bool l = near(pt.x(), band.left()), r = near(pt.x(), band.right());
    const bool t = near(pt.y(), band.top()), b = near(pt.y(), band.bottom());
    const bool cx = near(pt.x(), band.center().x()), cy = near(pt.y(), band.center().y());
    const bool insideX = pt.x() >= band.left() - slop && pt.x() <= band.right() + slop;
    const bool insideY = pt.y() >= band.top() - slop && pt.y() <= band.bottom() + slop;
    if (!insideX || !insideY) return DragState::Move;
    *onBand = true;
    if (t && l) return DragState::TopLeft;
    if (t && r) return DragState::TopRight;
    if (b && l) return DragState::BottomLeft;
    if (b && r) return DragState::BottomRight;
    if (l && cy) return DragState::Left;
    if (r && cy) return DragState::Right;
    if (t && cx) return DragState::Top;
    if (b && cx) return DragState::Bottom;
    *onBand = band.contains(pt);
    return DragState::Move;
}

void ImgView::mousePressEvent(QMouseEvent* e) {
    setFocus();
    const QPointF c = controlToCanvas(e->position());
    if (pickMode()) {
        // A layer's own click still selects it first.
        if (Layer* hit = doc_.LayerAt(c.x(), c.y())) doc_.SetSelection(hit);
        emit picked(c);
        return;
    }
    if (!mouseHandler_ || e->button() != Qt::LeftButton) return;
    bool onBand = false;
    DragState state = handleAt(e->position(), &onBand);
    doc_.ClickAt(c.x(), c.y(), onBand);
    if (!onBand) state = handleAt(e->position(), &onBand);  // a newly selected layer can be dragged at once
    if (onBand && doc_.selection()) {
        dragging_ = true;
        drag_ = state;
        dragStart_ = e->position();
        startLocation_ = doc_.selection()->location;
    }
    viewport()->update();
}

void ImgView::mouseMoveEvent(QMouseEvent* e) {
    const QPointF c = controlToCanvas(e->position());
    emit pointerMoved(c);
    if (!dragging_ || !doc_.selection()) {
        bool onBand = false;
        const DragState s = handleAt(e->position(), &onBand);
        Qt::CursorShape shape = Qt::ArrowCursor;
        if (pickMode()) shape = Qt::CrossCursor;
        else if (onBand) {
            switch (s) {
                case DragState::Left: case DragState::Right: shape = Qt::SizeHorCursor; break;
                case DragState::Top: case DragState::Bottom: shape = Qt::SizeVerCursor; break;
                case DragState::TopLeft: case DragState::BottomRight: shape = Qt::SizeFDiagCursor; break;
                case DragState::TopRight: case DragState::BottomLeft: shape = Qt::SizeBDiagCursor; break;
                default: shape = Qt::SizeAllCursor; break;
            }
        }
        if (!pickMode()) viewport()->setCursor(shape);
        return;
    }
    const QPointF d = (e->position() - dragStart_) / double(doc_.scale);
    const float dx = static_cast<float>(d.x()), dy = static_cast<float>(d.y());
    FloatRect p = startLocation_;
    switch (drag_) {
        case DragState::Move: p = {p.left + dx, p.top + dy, p.right + dx, p.bottom + dy}; break;
        case DragState::Left: p.left += dx; break;
        case DragState::Right: p.right += dx; break;
        case DragState::Top: p.top += dy; break;
        case DragState::Bottom: p.bottom += dy; break;
        case DragState::TopLeft: p.left += dx; p.top += dy; break;
        case DragState::TopRight: p.right += dx; p.top += dy; break;
        case DragState::BottomLeft: p.left += dx; p.bottom += dy; break;
        case DragState::BottomRight: p.right += dx; p.bottom += dy; break;
    }
    // The band keeps a least size of one canvas pixel.
    if (drag_ != DragState::Move) {
        if (p.right - p.left < 1) (drag_ == DragState::Left || drag_ == DragState::TopLeft || drag_ == DragState::BottomLeft) ? p.left = p.right - 1 : p.right = p.left + 1;
        if (p.bottom - p.top < 1) (drag_ == DragState::Top || drag_ == DragState::TopLeft || drag_ == DragState::TopRight) ? p.top = p.bottom - 1 : p.bottom = p.top + 1;
    }
    ResizeContext ctx = resizeContext ? resizeContext() : ResizeContext{};
    ctx.ctrl = e->modifiers() & Qt::ControlModifier;
    ctx.anyShiftState = true;
    const ResizeResult r = doc_.DragRubberBand(p, drag_, ctx);
    if (!r.statusText.empty()) emit resizeStatus(QString::fromStdString(r.statusText));
    viewport()->update();
}

void ImgView::mouseReleaseEvent(QMouseEvent*) { dragging_ = false; }

void ImgView::wheelEvent(QWheelEvent* e) {
    const int dy = e->angleDelta().y();
    if (dy != 0) emit wheelTurned(dy > 0);
    e->accept();
}

void ImgView::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Delete) {
        emit deletePressed();
        return;
    }
    QAbstractScrollArea::keyPressEvent(e);
}

void ImgView::contextMenuEvent(QContextMenuEvent* e) {
    if (doc_.selection()) emit contextMenuWanted(e->globalPos());
}

void ImgView::dragEnterEvent(QDragEnterEvent* e) {
    if (e->mimeData()->hasUrls()) e->acceptProposedAction();
}

void ImgView::dropEvent(QDropEvent* e) {
    QStringList paths;
    for (const QUrl& u : e->mimeData()->urls())
        if (u.isLocalFile()) paths << u.toLocalFile();
    if (!paths.isEmpty()) {
        e->acceptProposedAction();
        emit filesDropped(paths);
    }
}
