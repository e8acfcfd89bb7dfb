#include "ui/processing/DeFocus.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

TDeFoc::TDeFoc(QWidget* parent) : TEffectDialog(QStringLiteral("Размытие"), parent) {
    body()->addWidget(new QLabel(QStringLiteral("Настройка размытия")));
    Value = new TGaugeBar(1, 100, 1, this);
    body()->addWidget(Value);
    Ras = new QCheckBox(QStringLiteral("Расфокусировка"));
    body()->addWidget(Ras);
}
