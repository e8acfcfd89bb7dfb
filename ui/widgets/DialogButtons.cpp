#include "ui/widgets/DialogButtons.h"

#include <QBoxLayout>
#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>

DialogButtons AddDialogButtons(QDialog* dialog, QBoxLayout* layout, const QString& firstCaption) {
    auto* row = new QHBoxLayout;
    DialogButtons b{new QPushButton(firstCaption), new QPushButton(QStringLiteral("OK")),
                    new QPushButton(QStringLiteral("Cancel"))};
    b.first->setObjectName(QStringLiteral("Button3"));
    b.ok->setObjectName(QStringLiteral("Button1"));
    b.cancel->setObjectName(QStringLiteral("Button2"));
    b.ok->setDefault(true);
    row->addWidget(b.first);
    row->addStretch(1);
    row->addWidget(b.ok);
    row->addWidget(b.cancel);
    layout->addLayout(row);
    QObject::connect(b.cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    return b;
}
