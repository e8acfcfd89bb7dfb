#include "ui/cards/CMStart.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

using viramo::PageSetup;

namespace {

// The grey box with the page's proportions; its coordinates are those of the
// box placed at (344, 8) on the tab, 289 x 305.
class PagePicture : public QWidget {
public:
    explicit PagePicture(PageSetup& page) : page_(page) { setFixedSize(289, 305); }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), QColor(160, 160, 160));
        const PageSetup::Shape s = page_.ViewPage();
        const QRect r(s.left - 344, s.top - 8, s.width, s.height);
        p.fillRect(r, Qt::white);
        p.setPen(Qt::black);
        p.drawRect(r.adjusted(0, 0, -1, -1));
    }

private:
    PageSetup& page_;
};

}  // namespace

TTemplates::TTemplates(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Новый проект"));
    auto* col = new QVBoxLayout(this);
    auto* tabs = new QTabWidget;
    auto* tab = new QWidget;
    tabs->addTab(tab, QStringLiteral("Параметры страницы"));
    col->addWidget(tabs);
    auto* row = new QHBoxLayout(tab);
    auto* grid = new QGridLayout;
    row->addLayout(grid);

    grid->addWidget(new QLabel(QStringLiteral("Формат")), 0, 0);
    Shabl = new QComboBox;
    for (const char* f : PageSetup::kFormats) Shabl->addItem(QString::fromUtf8(f));
    grid->addWidget(Shabl, 0, 1, 1, 2);

    grid->addWidget(new QLabel(QStringLiteral("Ширина")), 1, 0);
    WI = new QSpinBox;
    WI->setRange(1, 32000);
    grid->addWidget(WI, 1, 1);
    CEP = new QComboBox;
    CEP->addItems({QStringLiteral("Точек"), QStringLiteral("Миллиметров")});
    grid->addWidget(CEP, 1, 2);

    grid->addWidget(new QLabel(QStringLiteral("Высота")), 2, 0);
    HE = new QSpinBox;
    HE->setRange(1, 32000);
    grid->addWidget(HE, 2, 1);
    label3_ = new QLabel(QStringLiteral("Точек"));
    grid->addWidget(label3_, 2, 2);

    auto* orient = new QGroupBox(QStringLiteral("Ориентация"));
    auto* ol = new QHBoxLayout(orient);
    Book = new QRadioButton(QStringLiteral("Книжная"));
    Alba = new QRadioButton(QStringLiteral("Альбомная"));
    ol->addWidget(Book);
    ol->addWidget(Alba);
    grid->addWidget(orient, 3, 0, 1, 3);

    grid->addWidget(new QLabel(QStringLiteral("Разрешение")), 4, 0);
    Resol = new QSpinBox;
    Resol->setRange(1, 1600);
    grid->addWidget(Resol, 4, 1);
    grid->addWidget(new QLabel(QStringLiteral("Точек на дюйм")), 4, 2);

    grid->addWidget(new QLabel(QStringLiteral("Размер")), 5, 0);
    label7_ = new QLabel(QStringLiteral("000"));
    grid->addWidget(label7_, 5, 1);
    grid->addWidget(new QLabel(QStringLiteral("Килобайт")), 5, 2);

    auto* note = new QLabel(QStringLiteral(
        "Если в дальнейшем Вы выберите в качестве фона готовую\r\nоткрытку или  загрузите фон  из своего файла,  то  "
        "размер \r\nизображения будет  изменён по размеру фона."));
    grid->addWidget(note, 6, 0, 1, 3);
    grid->setRowStretch(7, 1);

    picture_ = new PagePicture(page_);
    row->addWidget(picture_, 0, Qt::AlignTop);

    auto* buttons = new QDialogButtonBox;
    buttons->addButton(QStringLiteral("Создать проект"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QStringLiteral("Отмена"), QDialogButtonBox::RejectRole);
    col->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    Timer1.setSingleShot(true);
    Timer1.setInterval(50);
    connect(&Timer1, &QTimer::timeout, this, &TTemplates::Timer1Timer);

    showFields();
    connect(Shabl, &QComboBox::currentIndexChanged, this, [this](int i) {
        page_.ShablChange(i);
        showFields();
        Timer1.start();  // the fields were rewritten: recompute from them shortly
        refreshSizeLabel();
    });
    connect(CEP, &QComboBox::currentIndexChanged, this, [this](int i) {
        page_.CEPChange(i == 0 ? PageSetup::Pixels : PageSetup::Millimetres);
        showFields();
        Timer1.start();
    });
    connect(WI, &QSpinBox::valueChanged, this, [this](int v) {
        page_.Edit1Change(v);
        picture_->update();
        Timer1.start();
    });
    connect(HE, &QSpinBox::valueChanged, this, [this](int v) {
        page_.Edit2Change(v);
        picture_->update();
        Timer1.start();
    });
    connect(Resol, &QSpinBox::valueChanged, this, [this](int v) {
        page_.Edit3Change(v);
        showFields();
        refreshSizeLabel();
    });
    connect(Book, &QRadioButton::clicked, this, [this] {
        page_.BookClick();
        showFields();
        Timer1.start();
    });
    connect(Alba, &QRadioButton::clicked, this, [this] {
        page_.AlbaClick();
        showFields();
        Timer1.start();
    });
}

void TTemplates::showFields() {
    const QSignalBlocker b1(WI), b2(HE), b3(CEP), b4(Resol), b5(Shabl);
    WI->setValue(page_.widthField());
    HE->setValue(page_.heightField());
    CEP->setCurrentIndex(page_.units() == PageSetup::Pixels ? 0 : 1);
    label3_->setText(CEP->currentText());
    Resol->setValue(page_.dpi());
    Shabl->setCurrentIndex(page_.format());
    (page_.portrait() ? Book : Alba)->setChecked(true);
    picture_->update();
}

void TTemplates::refreshSizeLabel() { label7_->setText(QString::number(page_.SizeKilobytes())); }
QString TTemplates::sizeLabel() const { return label7_->text(); }

void TTemplates::Timer1Timer() {
    Timer1.stop();
    page_.Timer1Timer();
    (page_.portrait() ? Book : Alba)->setChecked(true);
    refreshSizeLabel();
}

void TTemplates::done(int result) {
    // A change typed just before OK still counts.
    if (Timer1.isActive()) Timer1Timer();
    QDialog::done(result);
}
