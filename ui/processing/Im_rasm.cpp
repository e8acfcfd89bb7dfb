#include "ui/processing/Im_rasm.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TRasm::TRasm(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Размер изображения"));
    auto* col = new QVBoxLayout(this);
    auto* group = new QGroupBox(QStringLiteral("Размеры"));
    auto* grid = new QGridLayout(group);
    UpDown1 = new QSpinBox;
    UpDown1->setRange(1, 10000);
    UpDown2 = new QSpinBox;
    UpDown2->setRange(1, 10000);
    UpDown3 = new QSpinBox;
    UpDown3->setRange(1, 32000);
    grid->addWidget(new QLabel(QStringLiteral("Ширина:")), 0, 0);
    grid->addWidget(UpDown1, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("точек")), 0, 2);
    grid->addWidget(new QLabel(QStringLiteral("Высота:")), 1, 0);
    grid->addWidget(UpDown2, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("точек")), 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("Размер:")), 2, 0);
    grid->addWidget(UpDown3, 2, 1);
    grid->addWidget(new QLabel(QStringLiteral("Кбайт")), 2, 2);
    Prop = new QCheckBox(QStringLiteral("Соблюдать пропорции"));
    Prop->setChecked(true);
    grid->addWidget(Prop, 3, 0, 1, 3);
    grid->addWidget(new QLabel(QStringLiteral("Метод ресэмплинга:")), 4, 0);
    Resample = new QComboBox;
    Resample->addItems({QStringLiteral("Ближайший сосед"), QStringLiteral("Билинейная"), QStringLiteral("Сплайн")});
    grid->addWidget(Resample, 4, 1, 1, 2);
    col->addWidget(group);
    auto* buttons = new QDialogButtonBox;
    buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    col->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    // Each change handler writes the other two fields without raising their handlers.
    connect(UpDown1, &QSpinBox::valueChanged, this, [this](int v) {
        fields_.Edit1Change(v, Prop->isChecked());
        show(1);
    });
    connect(UpDown2, &QSpinBox::valueChanged, this, [this](int v) {
        fields_.Edit2Change(v, Prop->isChecked());
        show(2);
    });
    connect(UpDown3, &QSpinBox::valueChanged, this, [this](int v) {
        fields_.Edit3Change(v);
        show(3);
    });
}

void TRasm::show(int except) {
    const QSignalBlocker b1(UpDown1), b2(UpDown2), b3(UpDown3);
    if (except != 1) UpDown1->setValue(fields_.width());
    if (except != 2) UpDown2->setValue(fields_.height());
    if (except != 3) UpDown3->setValue(fields_.kilobytes());
}

void TRasm::FormActivate(int w, int h) {
    fields_.FormActivate(w, h);
    Resample->setCurrentIndex(0);
    show(0);
}
