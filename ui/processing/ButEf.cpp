#include "ui/processing/ButEf.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>
#include "ui/widgets/DialogButtons.h"

TEButos::TEButos(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Эффект кнопки"));
    auto* col = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    PDM = new QSpinBox;
    PDM->setRange(1, 9);
    PDM->setValue(2);
    Glub = new QSpinBox;
    Glub->setRange(1, 16);
    RCNT = new QCheckBox(QStringLiteral("Рельефный контур внутри"));
    form->addRow(QStringLiteral("Ширина подъёма"), PDM);
    form->addRow(QStringLiteral("Глубина подъёма"), Glub);
    form->addRow(RCNT);
    col->addLayout(form);
    const DialogButtons b = AddDialogButtons(this, col, QStringLiteral("Просмотр"));
    connect(b.first, &QPushButton::clicked, this, [this] {
        if (restore) restore();
        if (apply) apply();
    });
    connect(b.ok, &QPushButton::clicked, this, [this] {
        if (restore) restore();
        if (finish) finish();  // records the undo snapshot, applies
        accept();
    });
}

void TEButos::showEvent(QShowEvent* e) {
    if (takeCopy) takeCopy();
    QDialog::showEvent(e);
}

void TEButos::done(int result) {
    if (result != QDialog::Accepted && restore) restore();
    QDialog::done(result);
}
