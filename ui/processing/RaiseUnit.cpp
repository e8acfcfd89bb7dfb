#include "ui/processing/RaiseUnit.h"

#include <QColorDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include "ui/widgets/DialogButtons.h"

TRaiser::TRaiser(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Рельефный контур"));
    auto* col = new QVBoxLayout(this);
    auto* group = new QGroupBox(QStringLiteral("Параметры"));
    auto* form = new QFormLayout(group);
    UpDown1 = new QSpinBox;
    UpDown1->setRange(1, 39);
    UpDown1->setValue(3);
    form->addRow(QStringLiteral("Толщина (в %)"), UpDown1);
    CheckBox1 = new QRadioButton(QStringLiteral("Внутреннее обрамление"));
    OutBor = new QRadioButton(QStringLiteral("Внешнее обрамление"));
    CheckBox1->setChecked(true);
    form->addRow(CheckBox1);
    form->addRow(OutBor);
    auto* colourRow = new QHBoxLayout;
    swatch_ = new QWidget;
    swatch_->setFixedSize(40, 20);
    swatch_->setAutoFillBackground(true);
    Sb2 = new QPushButton(QStringLiteral("…"));
    colourRow->addWidget(swatch_);
    colourRow->addWidget(Sb2);
    form->addRow(QStringLiteral("Цвет рамки"), colourRow);
    Gran = new QSpinBox;
    Gran->setRange(0, 100);
    form->addRow(QStringLiteral("Граница (в %)"), Gran);
    col->addWidget(group);
    const DialogButtons b = AddDialogButtons(this, col, QStringLiteral("Просмотр"));
    QPushButton* preview = b.first;
    QPushButton* ok = b.ok;
    auto paint = [this] {
        QPalette p = swatch_->palette();
        p.setColor(QPalette::Window, QColor::fromRgb(borderColour));
        swatch_->setPalette(p);
    };
    paint();
    connect(Sb2, &QPushButton::clicked, this, [this, paint] {
        const QColor c = QColorDialog::getColor(QColor::fromRgb(borderColour), this);
        if (c.isValid()) borderColour = c.rgb() | 0xFF000000u;
        paint();
    });
    connect(CheckBox1, &QRadioButton::toggled, this, &TRaiser::enableBorder);
    connect(preview, &QPushButton::clicked, this, [this] {
        if (restore) restore();
        if (apply) apply();
    });
    connect(ok, &QPushButton::clicked, this, [this] {
        // OKIt: restore, record the undo snapshot, apply.
        if (restore) restore();
        if (record) record();
        if (apply) apply();
        accept();
    });
    enableBorder();
}

void TRaiser::enableBorder() {
    const bool outer = OutBor->isChecked();
    Sb2->setEnabled(outer);
    Gran->setEnabled(outer);
}

void TRaiser::showEvent(QShowEvent* e) {
    enableBorder();
    if (takeCopy) takeCopy();
    QDialog::showEvent(e);
}

void TRaiser::done(int result) {
    if (result != QDialog::Accepted && restore) restore();
    QDialog::done(result);
}
