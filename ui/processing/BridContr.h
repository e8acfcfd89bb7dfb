#pragma once
// TBrid: "Яркость/конраст". Works on the target directly, from a copy made
// when it opens; recomputes when the mouse is released on a gauge.
#include <QDialog>
#include <functional>

#include "core/gfx/Bitmap32.h"
#include "ui/widgets/GaugeBar.h"

class TBrid : public QDialog {
    Q_OBJECT
public:
    explicit TBrid(QWidget* parent);
    // Set by the window before showing: the target and what to call after it changed.
    std::function<viramo::Bitmap32&()> target;
    std::function<void()> changed;
    TGaugeBar* GaugeBar1;  // brightness
    TGaugeBar* GaugeBar2;  // contrast
    void GaugeBar1MouseUp();
    void GaugeBar2MouseUp();
    void Button3Click();  // "Сброс"

protected:
    void showEvent(QShowEvent*) override;  // FormActivate
    void done(int result) override;        // FormClose

private:
    viramo::Bitmap32 copy_;
};
