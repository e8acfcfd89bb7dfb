#include "ui/processing/Effect_gen.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

TEffect::TEffect(QWidget* parent) : TEffectDialog(QStringLiteral("Резкость"), parent) {
    body()->addWidget(new QLabel(QStringLiteral("Настройка резкости")));
    Value = new TGaugeBar(2, 5, 2, this);
    body()->addWidget(Value);
}
