#include "ui/processing/BridContr.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/fx/Filters.h"
#include "ui/widgets/DialogButtons.h"

TBrid::TBrid(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Яркость/конраст"));
    auto* col = new QVBoxLayout(this);
    auto* group = new QGroupBox(QStringLiteral("Настройка яркости и контраста"));
    auto* form = new QFormLayout(group);
    GaugeBar1 = new TGaugeBar(-200, 200, 0, this);
    GaugeBar2 = new TGaugeBar(-200, 200, 0, this);
    form->addRow(QStringLiteral("Яркость"), GaugeBar1);
    form->addRow(QStringLiteral("Контраст"), GaugeBar2);
    col->addWidget(group);
    connect(GaugeBar1, &TGaugeBar::mouseUp, this, &TBrid::GaugeBar1MouseUp);
    connect(GaugeBar2, &TGaugeBar::mouseUp, this, &TBrid::GaugeBar2MouseUp);
    const DialogButtons b = AddDialogButtons(this, col, QStringLiteral("Сброс"));
    connect(b.first, &QPushButton::clicked, this, &TBrid::Button3Click);
    connect(b.ok, &QPushButton::clicked, this, &QDialog::accept);
}

void TBrid::showEvent(QShowEvent* e) {
    GaugeBar1->setPosition(0);
    GaugeBar2->setPosition(0);
    if (target) copy_ = target();
    QDialog::showEvent(e);
}

void TBrid::GaugeBar1MouseUp() {
    if (!target) return;
    viramo::ApplyBrightnessContrast(copy_, target(), GaugeBar1->position(), GaugeBar2->position(), true);
    if (changed) changed();
}

void TBrid::GaugeBar2MouseUp() {
    if (!target) return;
    viramo::ApplyBrightnessContrast(copy_, target(), GaugeBar1->position(), GaugeBar2->position(), false);
    if (changed) changed();
}

void TBrid::Button3Click() {
    GaugeBar1->setPosition(0);
    GaugeBar2->setPosition(0);
    if (!target) return;
    viramo::ApplyBrightnessContrast(copy_, target(), 0, 0, true);
    if (changed) changed();
}

void TBrid::done(int result) {
    if (result != QDialog::Accepted && target && !copy_.empty()) {
        viramo::ApplyBrightnessContrast(copy_, target(), 0, 0, true);
        if (changed) changed();
    }
    copy_ = viramo::Bitmap32();
    QDialog::done(result);
}
