#include "ui/processing/Brosa.h"

#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/codecs/Picture.h"
#include "core/fx/Dispatch.h"

TBrowser::TBrowser(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Каталог эффектов"));
    resize(420, 420);
    auto* col = new QVBoxLayout(this);
    col->addWidget(new QLabel(QStringLiteral("Выберите нужный эффект....")));
    FView = new QListWidget;
    FView->setViewMode(QListView::IconMode);
    FView->setIconSize(QSize(60, 60));
    FView->setSpacing(4);
    FView->setResizeMode(QListView::Adjust);
    FView->setMovement(QListView::Static);
    FView->setWordWrap(true);
    col->addWidget(FView);
    auto* buttons = new QHBoxLayout;
    auto* ok = new QPushButton(QStringLiteral("OK"));
    auto* cancel = new QPushButton(QStringLiteral("Cancel"));
    ok->setDefault(true);
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    col->addLayout(buttons);
    connect(ok, &QPushButton::clicked, this, &TBrowser::Button4Click);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(FView, &QListWidget::itemDoubleClicked, this, &TBrowser::FViewDblClick);
}

void TBrowser::loadFolder(const QString& folder) {
    FView->clear();
    const QStringList files = QDir(folder).entryList({QStringLiteral("*.bmp")}, QDir::Files, QDir::Name);
    for (const QString& f : files) {
        QPixmap pm;
        try {
            const viramo::Bitmap32 b = viramo::LoadPicture((folder + QLatin1Char('/') + f).toStdString());
            pm = QPixmap::fromImage(QImage(reinterpret_cast<const uchar*>(b.bits()), b.width(), b.height(),
                                           b.width() * 4, QImage::Format_RGB32)
                                        .copy());
        } catch (const std::exception&) {
        }
        FView->addItem(new QListWidgetItem(QIcon(pm), f));
    }
    const auto& entries = viramo::CatalogueEntries();
    if (FView->count() == static_cast<int>(entries.size()))
        for (int i = 0; i < FView->count(); ++i) FView->item(i)->setText(QString::fromUtf8(entries[static_cast<size_t>(i)].title));
}

int TBrowser::selectedIndex() const { return FView->currentItem() && FView->currentItem()->isSelected() ? FView->currentRow() : -1; }
int TBrowser::count() const { return FView->count(); }
QString TBrowser::title(int index) const { return FView->item(index) ? FView->item(index)->text() : QString(); }

void TBrowser::Button4Click() {
    if (apply) apply(selectedIndex());
    accept();
}

void TBrowser::FViewDblClick() {
    if (selectedIndex() >= 0 && apply) apply(selectedIndex());
    accept();
}
