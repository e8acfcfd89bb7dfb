#include "ui/processing/EffectDialog.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

TEffectDialog::TEffectDialog(const QString& caption, QWidget* parent) : QDialog(parent) {
    setWindowTitle(caption);
    auto* col = new QVBoxLayout(this);
    body_ = new QVBoxLayout;
    col->addLayout(body_);
    auto* buttons = new QHBoxLayout;
    auto* preview = new QPushButton(QStringLiteral("Просмотр"));
    preview->setObjectName(QStringLiteral("Button3"));
    auto* ok = new QPushButton(QStringLiteral("OK"));
    ok->setObjectName(QStringLiteral("Button1"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"));
    cancel->setObjectName(QStringLiteral("Button2"));
    buttons->addWidget(preview);
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    col->addLayout(buttons);
    connect(preview, &QPushButton::clicked, this, &TEffectDialog::Button3Click);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TEffectDialog::Button3Click() {
    if (onPreview) onPreview();
}
