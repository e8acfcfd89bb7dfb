#pragma once
// TGamma: "Цветовой баланс". Works on the target directly, from a copy made
// when it opens; recomputes when the mouse is released on a gauge.
#include <QDialog>
#include <functional>

#include "core/gfx/Bitmap32.h"
#include "ui/widgets/GaugeBar.h"

class QRadioButton;

class TGamma : public QDialog {
    Q_OBJECT
public:
    explicit TGamma(QWidget* parent);
    std::function<viramo::Bitmap32&()> target;
    std::function<void()> changed;
    TGaugeBar* GaugeBar1;  // red: "Голубой" ... "Красный"
    TGaugeBar* GaugeBar2;  // green: "Пурпурный" ... "Зелёный"
    TGaugeBar* GaugeBar3;  // blue: "Жёлтый" ... "Синий"
    QRadioButton* Speed;
    QRadioButton* Qval;
    void Balance();
    void Button3Click();  // "Сброс"

protected:
    void showEvent(QShowEvent*) override;
    void done(int result) override;

private:
    viramo::Bitmap32 copy_;
};
