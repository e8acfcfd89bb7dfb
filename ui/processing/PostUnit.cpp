#include "ui/processing/PostUnit.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

TPosta::TPosta(QWidget* parent) : TEffectDialog(QStringLiteral("Постеризация"), parent) {
    body()->addWidget(new QLabel(QStringLiteral("Настройка эффекта постеризации")));
    Value = new TGaugeBar(1, 100, 1, this);
    body()->addWidget(Value);
}
