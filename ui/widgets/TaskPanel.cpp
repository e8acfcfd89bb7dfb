#include "ui/widgets/TaskPanel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

TaskPanel::TaskPanel(const QString& title, int collapsedHeight, int expandedHeight, QWidget* parent)
    : QFrame(parent), collapsedHeight_(collapsedHeight), expandedHeight_(expandedHeight) {
    setFrameShape(QFrame::StyledPanel);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    auto* bar = new QWidget(this);
    bar->setObjectName(QStringLiteral("titleBar"));
    bar->setFixedHeight(20);
    bar->setAutoFillBackground(true);
    QPalette pal = bar->palette();
    pal.setColor(QPalette::Window, pal.color(QPalette::Dark));
    pal.setColor(QPalette::WindowText, pal.color(QPalette::Base));
    bar->setPalette(pal);
    auto* barLayout = new QHBoxLayout(bar);
    barLayout->setContentsMargins(6, 0, 2, 0);
    auto* caption = new QLabel(title, bar);
    QFont f = caption->font();
    f.setBold(true);
    caption->setFont(f);
    barLayout->addWidget(caption, 1);
    if (expandedHeight_ > 0) {
        auto* down = new QToolButton(bar);
        down->setText(QStringLiteral("−"));
        down->setToolTip(QStringLiteral("Свернуть"));
        down->setAutoRaise(true);
        down->setFixedSize(18, 18);
        auto* up = new QToolButton(bar);
        up->setText(QStringLiteral("+"));
        up->setToolTip(QStringLiteral("Развернуть"));
        up->setAutoRaise(true);
        up->setFixedSize(18, 18);
        barLayout->addWidget(down);
        barLayout->addWidget(up);
        connect(down, &QToolButton::clicked, this, &TaskPanel::collapse);
        connect(up, &QToolButton::clicked, this, &TaskPanel::expand);
    }
    outer->addWidget(bar);
    content_ = new QWidget(this);
    body_ = new QVBoxLayout(content_);
    body_->setContentsMargins(8, 6, 8, 6);
    outer->addWidget(content_);
}

void TaskPanel::collapse() {
    if (expandedHeight_ <= 0) return;
    collapsed_ = true;
    content_->hide();
    setFixedHeight(collapsedHeight_);
}

void TaskPanel::expand() {
    if (expandedHeight_ <= 0) return;
    collapsed_ = false;
    content_->show();
    // The designed height, or more when larger fonts need it.
    setFixedHeight(std::max(expandedHeight_, 20 + content_->sizeHint().height()));
}
