#pragma once
// ImgView: the zoomable, scrollable view of the document. It paints the
// background, the canvas image and the layers (only what is visible, at the
// zoom shown), draws the rubber band with its handles, and turns mouse input
// into document operations.
#include <QAbstractScrollArea>
#include <functional>

#include "core/document/Document.h"
#include "core/document/ViewRender.h"

class ImgView : public QAbstractScrollArea {
    Q_OBJECT
public:
    ImgView(viramo::Document& doc, QWidget* parent = nullptr);

    void setBackground(const viramo::ViewBackground& bg);
    const viramo::ViewBackground& background() const { return background_; }

    // Changes the zoom keeping the canvas point at the centre of the view where it is.
    void setScale(float scale);
    float scale() const { return doc_.scale; }
    // The canvas point under the centre of the visible area.
    QPointF visibleCentre() const;
    QPointF controlToCanvas(const QPointF& p) const;
    QPointF canvasToControl(const QPointF& p) const;
    // Call after the canvas size changed: scroll range and repaint.
    void documentResized();

    // Off while a template is being placed.
    void setMouseHandlerEnabled(bool on) { mouseHandler_ = on; }
    // The cross-hair of the transparent-colour pick.
    bool pickMode() const { return pick_; }
    void setPickMode(bool on);

    // Supplies the settings the resizing rule reads (Ctrl is added here).
    std::function<viramo::ResizeContext()> resizeContext;

signals:
    void scrolled();                    // the user scrolled: a change of the view
    void wheelTurned(bool awayFromUser);
    void deletePressed();
    void contextMenuWanted(const QPoint& globalPos);
    void picked(const QPointF& canvasPoint);      // a press in pick mode
    void pointerMoved(const QPointF& canvasPoint);
    void resizeStatus(const QString& text);       // the crop frame's size while dragging
    void filesDropped(const QStringList& paths);

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;
    void scrollContentsBy(int dx, int dy) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseMoveEvent(QMouseEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;
    void wheelEvent(QWheelEvent*) override;
    void keyPressEvent(QKeyEvent*) override;
    void contextMenuEvent(QContextMenuEvent*) override;
    void dragEnterEvent(QDragEnterEvent*) override;
    void dropEvent(QDropEvent*) override;

private:
    QPointF origin() const;  // control position of canvas point (0, 0)
    QRectF bandRect() const; // the rubber band in control coordinates
    viramo::DragState handleAt(const QPointF& p, bool* onBand) const;
    void updateScrollBars();

    viramo::Document& doc_;
    viramo::ViewBackground background_;
    viramo::ViewCache cache_;
    viramo::Bitmap32 buffer_;
    bool mouseHandler_ = true;
    bool dragging_ = false;
    viramo::DragState drag_ = viramo::DragState::Move;
    QPointF dragStart_;
    viramo::FloatRect startLocation_;
    bool settingScroll_ = false;
    bool pick_ = false;
};
