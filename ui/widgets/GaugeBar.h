#pragma once
// TGaugeBar: a horizontal gauge with its value shown beside it; tells when the
// mouse button is released on it, which is when some dialogs recompute.
#include <QWidget>

class QLabel;
class QSlider;

class TGaugeBar : public QWidget {
    Q_OBJECT
public:
    TGaugeBar(int minimum, int maximum, int position, QWidget* parent = nullptr);
    int position() const;
    void setPosition(int value);  // raises no mouseUp
    QSlider* slider() const { return slider_; }

signals:
    void changed(int value);
    void mouseUp();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QSlider* slider_;
    QLabel* value_;
};
