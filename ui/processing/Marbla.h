#pragma once
// TMarb: the dialog of raindrops; it only holds its values.
#include "ui/processing/EffectDialog.h"
#include "ui/widgets/GaugeBar.h"

class TMarb : public TEffectDialog {
    Q_OBJECT
public:
    explicit TMarb(QWidget* parent);
    TGaugeBar* Scal;
    TGaugeBar* Freq;
};
