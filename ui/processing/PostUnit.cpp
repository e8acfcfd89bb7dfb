#include "ui/processing/PostUnit.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

namespace {
QLabel* heading(const char* text) { return new QLabel(QString::fromUtf8(text)); }
}  // namespace

TPosta::TPosta(QWidget* parent) : TEffectDialog(QStringLiteral("Постеризация"), parent) {
    body()->addWidget(heading("Настройка эффекта постеризации"));
    Value = new TGaugeBar(1, 100, 1, this);
    body()->addWidget(Value);
}
