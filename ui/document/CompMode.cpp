#include "ui/document/CompMode.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QVBoxLayout>

TCompress::TCompress(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Настройка компрессии JPEG"));
    auto* col = new QVBoxLayout(this);
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(QStringLiteral("Качество изображения")));
    imageWidth_ = new QSpinBox;
    imageWidth_->setObjectName(QStringLiteral("ImageWidth"));
    imageWidth_->setRange(1, 100);
    imageWidth_->setValue(70);
    row->addWidget(imageWidth_);
    col->addLayout(row);
    trackBar1_ = new QSlider(Qt::Horizontal);
    trackBar1_->setObjectName(QStringLiteral("TrackBar1"));
    trackBar1_->setRange(1, 100);
    trackBar1_->setValue(70);
    col->addWidget(trackBar1_);
    auto* saveButton = new QPushButton(QStringLiteral("Сохранить"));
    saveButton->setObjectName(QStringLiteral("Button1"));
    saveButton->setDefault(true);
    col->addWidget(saveButton, 0, Qt::AlignRight);
    // The gauge and the number follow each other.
    connect(trackBar1_, &QSlider::valueChanged, imageWidth_, &QSpinBox::setValue);
    connect(imageWidth_, &QSpinBox::valueChanged, trackBar1_, &QSlider::setValue);
    connect(saveButton, &QPushButton::clicked, this, &TCompress::Button1Click);
}

int TCompress::quality() const { return imageWidth_->value(); }
void TCompress::setQuality(int q) { imageWidth_->setValue(q); }

void TCompress::Button1Click() {
    if (save && save(quality())) accept();
}
