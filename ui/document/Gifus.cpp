#include "ui/document/Gifus.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

TGifType::TGifType(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Параметры сохранения GIF-файла"));
    auto* col = new QVBoxLayout(this);
    notice_ = new QLabel;
    notice_->setObjectName(QStringLiteral("Notice"));
    notice_->setWordWrap(true);
    notice_->setFrameShape(QFrame::StyledPanel);
    col->addWidget(notice_);
    auto* group = new QGroupBox(QStringLiteral("Укажите необходимое количество цветов для сохранения"));
    auto* g = new QVBoxLayout(group);
    two_ = new QRadioButton(QStringLiteral("2"));
    many_ = new QRadioButton(QStringLiteral("256"));
    sixteen_ = new QRadioButton(QStringLiteral("16"));
    automatic_ = new QRadioButton(QStringLiteral("Авто"));
    automatic_->setChecked(true);
    for (QRadioButton* r : {two_, many_, sixteen_, automatic_}) g->addWidget(r);
    col->addWidget(group);
    auto* saveButton = new QPushButton(QStringLiteral("Cохранить"));  // its first letter is a Latin C
    saveButton->setObjectName(QStringLiteral("Button1"));
    saveButton->setDefault(true);
    col->addWidget(saveButton, 0, Qt::AlignRight);
    connect(saveButton, &QPushButton::clicked, this, [this] {
        if (this->save && this->save(bits())) accept();
    });
}

void TGifType::setColourCount(std::size_t colours) {
    notice_->setText(QStringLiteral("Информация: сохраняемое изображение содержит %1 цветов.").arg(colours));
}

QString TGifType::notice() const { return notice_->text(); }

int TGifType::bits() const {
    if (two_->isChecked()) return 1;
    if (sixteen_->isChecked()) return 4;
    if (many_->isChecked()) return 8;
    return 24;
}

void TGifType::setBits(int bits) {
    (bits == 1 ? two_ : bits == 4 ? sixteen_ : bits == 8 ? many_ : automatic_)->setChecked(true);
}
