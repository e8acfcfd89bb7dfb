#pragma once
// TWaves: the dialog of the wave effect; it only holds its values.
#include <QComboBox>

#include "ui/processing/EffectDialog.h"
#include "ui/widgets/GaugeBar.h"

class TWaves : public TEffectDialog {
    Q_OBJECT
public:
    explicit TWaves(QWidget* parent);
    TGaugeBar* Value;
    TGaugeBar* Interf;
    QComboBox* Nu;

protected:
    void showEvent(QShowEvent* e) override;  // FormActivate: "Низкая" each time
};
