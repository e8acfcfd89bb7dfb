#include "ui/processing/CropL.h"

#include <QDialogButtonBox>
#include <QMouseEvent>
#include <QPainter>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

#include "core/fx/Filters.h"

using viramo::Bitmap32;
using viramo::FloatRect;

class CropView : public QWidget {
public:
    explicit CropView(QWidget* parent) : QWidget(parent) {
        setMinimumSize(480, 360);
        setMouseTracking(true);
    }
    void setPicture(const Bitmap32& b) {
        Bitmap32 dark = b;
        dark.setAllAlpha(255);
        viramo::Brighten(dark, -130);
        Bitmap32 light = dark;
        viramo::Brighten(light, 200);
        dark_ = toImage(dark);
        light_ = toImage(light);
        w_ = b.width();
        h_ = b.height();
        const float cx = static_cast<float>(w_) / 2.f, cy = static_cast<float>(h_) / 2.f;
        frame_ = FloatRect{cx - 32, cy - 32, cx + 32, cy + 32};
        update();
    }
    void clear() {
        dark_ = light_ = QImage();
        w_ = h_ = 0;
    }
    FloatRect frame() const { return frame_; }
    void setFrame(const FloatRect& f) {
        frame_ = f;
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), palette().color(QPalette::Dark));
        if (dark_.isNull()) return;
        const QRectF target = pictureRect();
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(target, dark_);
        const QRectF f = toView(frame_);
        // The spotlight: the region drawn again, brightened.
        p.save();
        p.setClipRect(f);
        p.drawImage(target, light_);
        p.restore();
        p.setPen(QPen(Qt::white, 0, Qt::DashLine));
        p.drawRect(f);
        p.setPen(Qt::black);
        p.setBrush(Qt::white);
        for (const QPointF& c : {f.topLeft(), f.topRight(), f.bottomLeft(), f.bottomRight()})
            p.drawRect(QRectF(c.x() - 3, c.y() - 3, 6, 6));
    }
    void mousePressEvent(QMouseEvent* e) override {
        const QRectF f = toView(frame_);
        const QPointF pt = e->position();
        auto near = [](double a, double b) { return std::abs(a - b) <= 6; };
        dragLeft_ = near(pt.x(), f.left());
        dragRight_ = near(pt.x(), f.right());
        dragTop_ = near(pt.y(), f.top());
        dragBottom_ = near(pt.y(), f.bottom());
        moving_ = !(dragLeft_ || dragRight_ || dragTop_ || dragBottom_) && f.contains(pt);
        start_ = pt;
        startFrame_ = frame_;
    }
    void mouseMoveEvent(QMouseEvent* e) override {
        if (!(e->buttons() & Qt::LeftButton)) return;
        const double s = scale();
        const float dx = static_cast<float>((e->position().x() - start_.x()) / s);
        const float dy = static_cast<float>((e->position().y() - start_.y()) / s);
        FloatRect f = startFrame_;
        if (moving_) f = FloatRect{f.left + dx, f.top + dy, f.right + dx, f.bottom + dy};
        if (dragLeft_) f.left = std::min(f.left + dx, f.right - 1);
        if (dragRight_) f.right = std::max(f.right + dx, f.left + 1);
        if (dragTop_) f.top = std::min(f.top + dy, f.bottom - 1);
        if (dragBottom_) f.bottom = std::max(f.bottom + dy, f.top + 1);
        setFrame(f);
    }
    void mouseReleaseEvent(QMouseEvent*) override { moving_ = dragLeft_ = dragRight_ = dragTop_ = dragBottom_ = false; }

private:
    static QImage toImage(const Bitmap32& b) {
        return QImage(reinterpret_cast<const uchar*>(b.bits()), b.width(), b.height(), b.width() * 4,
                      QImage::Format_RGB32)
            .copy();
    }
    // Fitted as the dialog opens: the long side across the view, then divided by 1.1.
    double scale() const {
        if (w_ <= 0 || h_ <= 0) return 1;
        const double s = (double(w_) / h_ >= double(width()) / height()) ? double(width()) / w_ : double(height()) / h_;
        return s / 1.1;
    }
    QRectF pictureRect() const {
        const double s = scale();
        const double pw = w_ * s, ph = h_ * s;
        return QRectF((width() - pw) / 2, (height() - ph) / 2, pw, ph);
    }
    QRectF toView(const FloatRect& f) const {
        const QRectF t = pictureRect();
        const double s = scale();
        return QRectF(t.left() + f.left * s, t.top() + f.top * s, (f.right - f.left) * s, (f.bottom - f.top) * s);
    }

    QImage dark_, light_;
    int w_ = 0, h_ = 0;
    FloatRect frame_;
    FloatRect startFrame_;
    QPointF start_;
    bool moving_ = false, dragLeft_ = false, dragRight_ = false, dragTop_ = false, dragBottom_ = false;
};

TCropLa::TCropLa(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Визуальная обрезка слоя"));
    auto* col = new QVBoxLayout(this);
    cropos_ = new CropView(this);
    col->addWidget(cropos_, 1);
    auto* buttons = new QDialogButtonBox;
    buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    col->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void TCropLa::setPicture(const Bitmap32& b) { cropos_->setPicture(b); }
FloatRect TCropLa::region() const { return cropos_->frame(); }
void TCropLa::setRegion(const FloatRect& r) { cropos_->setFrame(r); }

void TCropLa::done(int result) {
    if (result == QDialog::Accepted && apply) apply(cropos_->frame());
    cropos_->clear();
    QDialog::done(result);
}
