#include "ui/processing/Povorot.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>
#include "ui/widgets/DialogButtons.h"

TPovor::TPovor(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Поворот"));
    auto* col = new QVBoxLayout(this);
    auto* group = new QGroupBox(QStringLiteral("Угол поворота"));
    auto* form = new QFormLayout(group);
    Angle = new TGaugeBar(-180, 180, 0, this);
    Edit1 = new QLineEdit(QStringLiteral("0"));
    Edit1->setMaximumWidth(80);
    auto* row = new QHBoxLayout;
    row->addWidget(Angle, 1);
    row->addWidget(Edit1);
    form->addRow(QStringLiteral("Угол (в градусах)"), row);
    Inter = new QCheckBox(QStringLiteral("Билинейная интерполяция"));
    Inter->setChecked(true);
    form->addRow(Inter);
    col->addWidget(group);
    const DialogButtons b = AddDialogButtons(this, col, QStringLiteral("Preview"));
    connect(Angle, &TGaugeBar::changed, this, [this](int v) {
        if (updating_) return;
        updating_ = true;
        Edit1->setText(QString::number(v));
        updating_ = false;
    });
    connect(Edit1, &QLineEdit::textChanged, this, &TPovor::Edit1Change);
    connect(b.first, &QPushButton::clicked, this, [this] {
        if (rotate) rotate();
    });
    connect(b.ok, &QPushButton::clicked, this, &QDialog::accept);
}

void TPovor::Edit1Change(const QString& text) {
    if (updating_ || text.isEmpty()) return;
    bool ok = false;
    const int v = text.toInt(&ok);
    if (!ok) return;  // a lone minus sign while typing, for example
    if (v > 180 || v < -180) {
        const QString m = QStringLiteral("Значения могут лежать в диапазоне от -180 до 180 градусов.");
        if (message) message(m);
        else QMessageBox::information(this, windowTitle(), m);
        return;
    }
    updating_ = true;
    Angle->setPosition(v);
    updating_ = false;
}

void TPovor::showEvent(QShowEvent* e) {
    if (takeCopy) takeCopy();
    QDialog::showEvent(e);
}

void TPovor::done(int result) {
    if (result != QDialog::Accepted && restore) restore();
    QDialog::done(result);
}
