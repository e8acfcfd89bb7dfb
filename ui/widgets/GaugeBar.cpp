#include "ui/widgets/GaugeBar.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QSlider>

TGaugeBar::TGaugeBar(int minimum, int maximum, int position, QWidget* parent) : QWidget(parent) {
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    slider_ = new QSlider(Qt::Horizontal, this);
    slider_->setRange(minimum, maximum);
    slider_->setValue(position);
    slider_->setMinimumWidth(180);
    value_ = new QLabel(QString::number(position), this);
    value_->setMinimumWidth(value_->fontMetrics().horizontalAdvance(QStringLiteral("-000")));
    value_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    row->addWidget(slider_, 1);
    row->addWidget(value_);
    slider_->installEventFilter(this);
    connect(slider_, &QSlider::valueChanged, this, [this](int v) {
        value_->setText(QString::number(v));
        emit changed(v);
    });
}

int TGaugeBar::position() const { return slider_->value(); }
void TGaugeBar::setPosition(int value) { slider_->setValue(value); }

bool TGaugeBar::eventFilter(QObject* watched, QEvent* event) {
    if (watched == slider_ && event->type() == QEvent::MouseButtonRelease) {
        // After the slider has taken the release, so the value is final.
        QWidget::eventFilter(watched, event);
        QMetaObject::invokeMethod(this, &TGaugeBar::mouseUp, Qt::QueuedConnection);
    }
    return QWidget::eventFilter(watched, event);
}
