#include "ui/processing/WaveUnit.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

TWaves::TWaves(QWidget* parent) : TEffectDialog(QStringLiteral("Эффект волны"), parent) {
    auto* group = new QGroupBox(QStringLiteral("Настройка эффекта волны"));
    auto* form = new QFormLayout(group);
    Value = new TGaugeBar(1, 100, 1, this);
    Interf = new TGaugeBar(1, 15, 1, this);
    Nu = new QComboBox;
    Nu->addItems({QStringLiteral("Низкая"), QStringLiteral("Средняя"), QStringLiteral("Высокая")});
    form->addRow(QStringLiteral("Амплитуда"), Value);
    form->addRow(QStringLiteral("Интерференция"), Interf);
    form->addRow(QStringLiteral("Частота"), Nu);
    body()->addWidget(group);
}

void TWaves::showEvent(QShowEvent* e) {
    Nu->setCurrentIndex(0);
    TEffectDialog::showEvent(e);
}
