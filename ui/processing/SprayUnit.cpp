#include "ui/processing/SprayUnit.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

TSprayWin::TSprayWin(QWidget* parent) : TEffectDialog(QStringLiteral("Разбрызгивание"), parent) {
    body()->addWidget(new QLabel(QStringLiteral("Настройка эффекта разбрызгивания")));
    Value = new TGaugeBar(1, 100, 1, this);
    body()->addWidget(Value);
}
