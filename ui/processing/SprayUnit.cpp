#include "ui/processing/SprayUnit.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

namespace {
QLabel* heading(const char* text) { return new QLabel(QString::fromUtf8(text)); }
}  // namespace

TSprayWin::TSprayWin(QWidget* parent) : TEffectDialog(QStringLiteral("Разбрызгивание"), parent) {
    body()->addWidget(heading("Настройка эффекта разбрызгивания"));
    Value = new TGaugeBar(1, 100, 1, this);
    body()->addWidget(Value);
}
