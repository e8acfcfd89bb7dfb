#include "ui/document/SetaTrans.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TSTC::TSTC(QWidget* parent) : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint) {
    setWindowTitle(QStringLiteral("Прозрачный цвет"));
    auto* col = new QVBoxLayout(this);
    col->addWidget(new QLabel(
        QStringLiteral("Укажите цвет, который будет принят за прозрачный.\r\nДля применения - кликните левой кнопкой мыши.")));
    panel1_ = new QWidget;
    panel1_->setObjectName(QStringLiteral("Panel1"));
    panel1_->setFixedHeight(24);
    panel1_->setAutoFillBackground(true);
    col->addWidget(panel1_);
    auto* close = new QPushButton(QStringLiteral("Закрыть"));
    col->addWidget(close, 0, Qt::AlignRight);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
}

void TSTC::showColour(viramo::Color32 c) {
    shown_ = c;
    QPalette p = panel1_->palette();
    p.setColor(QPalette::Window, QColor::fromRgb(c | 0xFF000000u));
    panel1_->setPalette(p);
}

void TSTC::closeEvent(QCloseEvent* e) {
    QWidget::closeEvent(e);
    emit closed();
}

void TSTC::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Escape) close();
    else QWidget::keyPressEvent(e);
}
