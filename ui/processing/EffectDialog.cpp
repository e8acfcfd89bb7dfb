#include "ui/processing/EffectDialog.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>
#include "ui/widgets/DialogButtons.h"

TEffectDialog::TEffectDialog(const QString& caption, QWidget* parent) : QDialog(parent) {
    setWindowTitle(caption);
    auto* col = new QVBoxLayout(this);
    body_ = new QVBoxLayout;
    col->addLayout(body_);
    const DialogButtons b = AddDialogButtons(this, col, QStringLiteral("Просмотр"));
    connect(b.first, &QPushButton::clicked, this, &TEffectDialog::Button3Click);
    connect(b.ok, &QPushButton::clicked, this, &QDialog::accept);
}

void TEffectDialog::Button3Click() {
    if (onPreview) onPreview();
}
