#include "ui/processing/Effect_gen.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

namespace {
QLabel* heading(const char* text) { return new QLabel(QString::fromUtf8(text)); }
}  // namespace

TEffect::TEffect(QWidget* parent) : TEffectDialog(QStringLiteral("Резкость"), parent) {
    body()->addWidget(heading("Настройка резкости"));
    Value = new TGaugeBar(2, 5, 2, this);
    body()->addWidget(Value);
}
