#pragma once
// TEffect: the dialog of sharpening; it only holds its values.
#include "ui/processing/EffectDialog.h"
#include "ui/widgets/GaugeBar.h"

class TEffect : public TEffectDialog {
    Q_OBJECT
public:
    explicit TEffect(QWidget* parent);
    TGaugeBar* Value;
};
