#pragma once
// TDeFoc: the dialog of blurring; it only holds its values.
#include <QCheckBox>

#include "ui/processing/EffectDialog.h"
#include "ui/widgets/GaugeBar.h"

class TDeFoc : public TEffectDialog {
    Q_OBJECT
public:
    explicit TDeFoc(QWidget* parent);
    TGaugeBar* Value;
    QCheckBox* Ras;
};
