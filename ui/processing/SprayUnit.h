#pragma once
// TSprayWin: the dialog of the spray effect; it only holds its values.
#include "ui/processing/EffectDialog.h"
#include "ui/widgets/GaugeBar.h"

class TSprayWin : public TEffectDialog {
    Q_OBJECT
public:
    explicit TSprayWin(QWidget* parent);
    TGaugeBar* Value;
};
