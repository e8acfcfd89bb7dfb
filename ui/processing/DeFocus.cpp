#include "ui/processing/DeFocus.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

namespace {
QLabel* heading(const char* text) { return new QLabel(QString::fromUtf8(text)); }
}  // namespace

TDeFoc::TDeFoc(QWidget* parent) : TEffectDialog(QStringLiteral("Размытие"), parent) {
    body()->addWidget(heading("Настройка размытия"));
    Value = new TGaugeBar(1, 100, 1, this);
    body()->addWidget(Value);
    Ras = new QCheckBox(QStringLiteral("Расфокусировка"));
    body()->addWidget(Ras);
}
