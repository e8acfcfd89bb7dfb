#include "ui/processing/GamUnit.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/fx/Filters.h"
#include "ui/widgets/DialogButtons.h"

TGamma::TGamma(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Цветовой баланс"));
    auto* col = new QVBoxLayout(this);
    auto* group = new QGroupBox(QStringLiteral("Настройка цветового баланса"));
    auto* grid = new QGridLayout(group);
    GaugeBar1 = new TGaugeBar(-50, 50, 0, this);
    GaugeBar2 = new TGaugeBar(-50, 50, 0, this);
    GaugeBar3 = new TGaugeBar(-50, 50, 0, this);
    const char* ends[3][2] = {{"Голубой", "Красный"}, {"Пурпурный", "Зелёный"}, {"Жёлтый", "Синий"}};
    TGaugeBar* gauges[3] = {GaugeBar1, GaugeBar2, GaugeBar3};
    for (int i = 0; i < 3; ++i) {
        grid->addWidget(new QLabel(QString::fromUtf8(ends[i][0])), i, 0);
        grid->addWidget(gauges[i], i, 1);
        grid->addWidget(new QLabel(QString::fromUtf8(ends[i][1])), i, 2);
        connect(gauges[i], &TGaugeBar::mouseUp, this, &TGamma::Balance);
    }
    col->addWidget(group);
    auto* mode = new QGroupBox(QStringLiteral("Параметры"));
    auto* ml = new QVBoxLayout(mode);
    Speed = new QRadioButton(QStringLiteral("Наибольшая скорость"));
    Qval = new QRadioButton(QStringLiteral("Наилучшее качество"));
    Speed->setChecked(true);
    ml->addWidget(Speed);
    ml->addWidget(Qval);
    col->addWidget(mode);
    connect(Speed, &QRadioButton::clicked, this, &TGamma::Balance);
    connect(Qval, &QRadioButton::clicked, this, &TGamma::Balance);
    const DialogButtons b = AddDialogButtons(this, col, QStringLiteral("Сброс"));
    connect(b.first, &QPushButton::clicked, this, &TGamma::Button3Click);
    connect(b.ok, &QPushButton::clicked, this, &QDialog::accept);
}

void TGamma::showEvent(QShowEvent* e) {
    for (TGaugeBar* g : {GaugeBar1, GaugeBar2, GaugeBar3}) g->setPosition(0);
    if (target) copy_ = target();
    QDialog::showEvent(e);
}

void TGamma::Balance() {
    if (!target) return;
    viramo::ApplyColourBalance(copy_, target(), GaugeBar1->position(), GaugeBar2->position(), GaugeBar3->position(),
                               Qval->isChecked());
    if (changed) changed();
}

void TGamma::Button3Click() {
    for (TGaugeBar* g : {GaugeBar1, GaugeBar2, GaugeBar3}) g->setPosition(0);
    Balance();
}

void TGamma::done(int result) {
    if (result != QDialog::Accepted && target && !copy_.empty()) {
        viramo::ApplyColourBalance(copy_, target(), 0, 0, 0, false);
        if (changed) changed();
    }
    copy_ = viramo::Bitmap32();
    QDialog::done(result);
}
