#include "ui/processing/Marbla.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

TMarb::TMarb(QWidget* parent) : TEffectDialog(QStringLiteral("Капли дождя"), parent) {
    auto* group = new QGroupBox(QStringLiteral("Настройка эффекта"));
    auto* form = new QFormLayout(group);
    Scal = new TGaugeBar(1, 50, 10, this);
    Freq = new TGaugeBar(1, 300, 210, this);
    form->addRow(QStringLiteral("Увеличение"), Scal);
    form->addRow(QStringLiteral("Сила ветра"), Freq);
    body()->addWidget(group);
}
