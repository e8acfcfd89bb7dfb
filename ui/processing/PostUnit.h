#pragma once
// TPosta: the dialog of posterizing; it only holds its values.
#include "ui/processing/EffectDialog.h"
#include "ui/widgets/GaugeBar.h"

class TPosta : public TEffectDialog {
    Q_OBJECT
public:
    explicit TPosta(QWidget* parent);
    TGaugeBar* Value;
};
