#pragma once
// ImgView: the zoomable, scrollable view of the canvas image.
#include <QAbstractScrollArea>

#include "core/gfx/Bitmap32.h"

class ImgView : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit ImgView(QWidget* parent = nullptr);

    // The view shows this bitmap (not owned); call update() after it changes.
    void setBitmap(const viramo::Bitmap32* bitmap);
    double scale() const { return scale_; }
    void setScale(double scale);
    // Scale at which the whole canvas fits the visible area.
    void fitToWindow();
    void setBackground(QColor color);

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    void updateScrollBars();
    QPointF canvasOrigin() const;

    const viramo::Bitmap32* bitmap_ = nullptr;
    double scale_ = 1.0;
    QColor background_{128, 128, 128};
};
