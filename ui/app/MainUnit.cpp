#include "ui/app/MainUnit.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QSlider>
#include <QStatusBar>
#include <QStyle>
#include <QTabWidget>
#include <QMimeData>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

#include "core/document/Enabling.h"
#include "ui/cards/CMStart.h"
#include "ui/document/CompMode.h"
#include "ui/document/Gifus.h"
#include "core/document/Zoom.h"
#include "ui/widgets/ImgView.h"
#include "ui/widgets/TaskPanel.h"

using namespace viramo;

TMainForm::TMainForm(QWidget* parent) : QMainWindow(parent) {
    setWindowTitle(QStringLiteral("Фото ВИРАМО"));
    QApplication::setApplicationDisplayName(QStringLiteral("Фото ВИРАМО"));
    doc_.addListener(this);
    // The tool dialogs are made once and keep their values for the whole run.
    templates_ = new TTemplates(this);
    compress_ = new TCompress(this);
    gifType_ = new TGifType(this);
    buildLayout();
    buildMenus();
    buildProcessing();
    buildEditing();
    buildGeometry();
    ReadSettings();
    setAcceptDrops(true);
    // Timer1: one shot, 100 ms after start.
    QTimer::singleShot(100, this, &TMainForm::FillCatalogueStrips);
    ViewChanged();
    pnlImage_->setVisible(!doc_.canvasEmpty());
    UpdateSelectionPanels();
    doc_.modifiedMark = kMarkUnchanged;
}

TMainForm::~TMainForm() {
    doc_.SetSelection(nullptr);
    doc_.removeListener(this);
}

void TMainForm::buildLayout() {
    resize(859, 625);
    auto* central = new QWidget(this);
    auto* row = new QHBoxLayout(central);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    view_ = new ImgView(doc_, central);
    view_->resizeContext = [this] {
        ResizeContext c;
        c.keepProportions = propos_->isChecked() && layerPanelVisible();
        c.cropEntry = cropsP_->currentIndex();
        c.portrait = obrat_->isChecked();
        return c;
    };
    row->addWidget(view_, 1);
    buildSidePanel();
    row->addWidget(sidePanel_);
    setCentralWidget(central);

    status0_ = new QLabel(QStringLiteral("Масштаб изображения регулируется колесом прокрутки"));
    status1_ = new QLabel;
    status0_->setMinimumWidth(350);
    status1_->setMinimumWidth(200);
    statusBar()->addWidget(status0_, 1);
    statusBar()->addWidget(status1_);

    connect(view_, &ImgView::scrolled, this, [this] {
        // Scrolling is a change of the view.
        ViewChanged();
    });
    connect(view_, &ImgView::wheelTurned, this, &TMainForm::WheelZoom);
    connect(view_, &ImgView::deletePressed, this, &TMainForm::DeleteClick);
    connect(view_, &ImgView::contextMenuWanted, this, &TMainForm::ShowLayerPopup);
    connect(view_, &ImgView::resizeStatus, this, [this](const QString& t) { setStatus(1, t); });
    connect(view_, &ImgView::filesDropped, this, &TMainForm::FilesDropped);
}

void TMainForm::buildSidePanel() {
    auto* scroll = new QScrollArea(this);
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // 336 pixels for the panels themselves, plus room for the scroll bar.
    scroll->setFixedWidth(336 + scroll->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 2);
    scroll->setFrameShape(QFrame::NoFrame);
    auto* inner = new QWidget(scroll);
    inner->setFixedWidth(336);
    auto* col = new QVBoxLayout(inner);
    col->setContentsMargins(2, 2, 2, 2);
    col->setSpacing(4);

    pnlImage_ = new TaskPanel(QStringLiteral("Изображение"), 21, 104, inner);
    {
        auto* line = new QHBoxLayout;
        line->addWidget(new QLabel(QStringLiteral("Просмотр в масштабе")));
        scaleCombo_ = new QComboBox;
        scaleCombo_->setObjectName(QStringLiteral("ScaleCombo"));
        scaleCombo_->setEditable(true);
        scaleCombo_->addItems({"25%", "50%", "75%", "100%", "200%", "300%", "400%", "800%", "1600%"});
        scaleCombo_->setEditText(QStringLiteral("100%"));
        scaleCombo_->setInsertPolicy(QComboBox::NoInsert);
        line->addWidget(scaleCombo_);
        pnlImage_->body()->addLayout(line);
        imageInterpolate_ = new QCheckBox(QStringLiteral("Интерполяция слоёв"));
        imageInterpolate_->setObjectName(QStringLiteral("ImageInterpolate"));
        imageInterpolate_->setChecked(true);
        pnlImage_->body()->addWidget(imageInterpolate_);
        auto* caption = new QPushButton(QStringLiteral("Добавить надпись"));
        caption->setObjectName(QStringLiteral("btnAddCaption"));
        caption->setEnabled(false);  // captions arrive with the caption editor
        pnlImage_->body()->addWidget(caption);
        connect(scaleCombo_, &QComboBox::currentTextChanged, this, &TMainForm::ScaleComboChange);
        connect(imageInterpolate_, &QCheckBox::clicked, this, &TMainForm::ImageInterpolateClick);
    }
    panel1_ = new TaskPanel(QStringLiteral("Настройка композиции"), 21, 392, inner);
    {
        compositionTabs_ = new QTabWidget;
        compositionTabs_->setUsesScrollButtons(true);
        for (const char* tab : {"Оформление", "Украшения", "Перспектива"}) {
            auto* page = new QLabel(QStringLiteral("Каталог появится здесь."));
            page->setAlignment(Qt::AlignCenter);
            page->setEnabled(false);
            compositionTabs_->addTab(page, QString::fromUtf8(tab));
        }
        panel1_->body()->addWidget(compositionTabs_);
    }
    pnlBitmapLayer_ = new TaskPanel(QStringLiteral("Параметры слоя"), 21, 132, inner);
    {
        pnlBitmapLayer_->body()->addWidget(new QLabel(QStringLiteral("Уровень прозрачности")));
        layerOpacity_ = new QSlider(Qt::Horizontal);
        layerOpacity_->setObjectName(QStringLiteral("LayerOpacity"));
        layerOpacity_->setRange(0, 255);
        layerOpacity_->setValue(255);
        pnlBitmapLayer_->body()->addWidget(layerOpacity_);
        layerInterpolate_ = new QCheckBox(QStringLiteral("Интерполяция"));
        layerInterpolate_->setObjectName(QStringLiteral("LayerInterpolate"));
        layerInterpolate_->setChecked(true);
        pnlBitmapLayer_->body()->addWidget(layerInterpolate_);
        propos_ = new QCheckBox(QStringLiteral("Соблюдать пропорции"));
        propos_->setObjectName(QStringLiteral("Propos"));
        propos_->setChecked(true);
        pnlBitmapLayer_->body()->addWidget(propos_);
        connect(layerOpacity_, &QSlider::valueChanged, this, &TMainForm::LayerOpacityChange);
        connect(layerInterpolate_, &QCheckBox::clicked, this, &TMainForm::LayerInterpolateClick);
        connect(propos_, &QCheckBox::clicked, this, [this] { doc_.modifiedMark = kMarkChanged; });
    }
    start_ = new TaskPanel(QStringLiteral("Начало работы"), 0, 0, inner);
    buildStartPage(start_->body());
    crops_ = new TaskPanel(QStringLiteral("Обрезка холста"), 0, 0, inner);
    {
        auto* line = new QHBoxLayout;
        line->addWidget(new QLabel(QStringLiteral("Пропорции")));
        cropsP_ = new QComboBox;
        cropsP_->setObjectName(QStringLiteral("CropsP"));
        cropsP_->addItems({"Свободные", "Квадрат", "Золотое сечение", "Кино 16 : 9", "Фото 10 x 15", "Фото 15 x 21"});
        line->addWidget(cropsP_, 1);
        crops_->body()->addLayout(line);
        obrat_ = new QCheckBox(QStringLiteral("Портрет"));
        obrat_->setObjectName(QStringLiteral("Obrat"));
        obrat_->setToolTip(QStringLiteral("Портретное соотношение"));
        crops_->body()->addWidget(obrat_);
        auto* buttons = new QHBoxLayout;
        auto* ok = new QPushButton(QStringLiteral("ОК"));
        ok->setObjectName(QStringLiteral("CropOk"));
        auto* cancel = new QPushButton(QStringLiteral("Отмена"));
        connect(ok, &QPushButton::clicked, this, &TMainForm::CropOkClick);
        connect(cropsP_, &QComboBox::currentIndexChanged, this, &TMainForm::CropsPChange);
        connect(obrat_, &QCheckBox::clicked, this, &TMainForm::CropsPChange);
        buttons->addWidget(ok);
        buttons->addWidget(cancel);
        crops_->body()->addLayout(buttons);
        connect(cancel, &QPushButton::clicked, this, [this] {
            doc_.DropFrameLayer();
            setStatus(1, QStringLiteral("%1x%2").arg(doc_.canvas().width()).arg(doc_.canvas().height()));
        });
    }
    for (TaskPanel* p : {pnlImage_, panel1_, pnlBitmapLayer_}) p->expand();
    for (TaskPanel* p : {pnlImage_, panel1_, pnlBitmapLayer_, start_, crops_}) col->addWidget(p);
    col->addStretch(1);
    scroll->setWidget(inner);
    sidePanel_ = scroll;
}

void TMainForm::buildStartPage(QVBoxLayout* layout) {
    auto* page = new QWidget;
    page->setAutoFillBackground(true);
    QPalette pal = page->palette();
    pal.setColor(QPalette::Window, Qt::white);
    page->setPalette(pal);
    auto* col = new QVBoxLayout(page);
    auto heading = [&](const char* text) {
        auto* h = new QLabel(QString::fromUtf8(text));
        QFont f = h->font();
        f.setBold(true);
        h->setFont(f);
        col->addWidget(h);
        auto* line = new QFrame;
        line->setFrameShape(QFrame::HLine);
        col->addWidget(line);
    };
    // Link labels: underlined, blue (the colour value $E35400 is red 0, green 84, blue 227), hand cursor.
    auto link = [&](const QString& text, const QString& name) {
        auto* l = new QLabel(text);
        l->setObjectName(name);
        l->setCursor(Qt::PointingHandCursor);
        l->setStyleSheet(QStringLiteral("color: #0054E3; text-decoration: underline;"));
        l->setTextInteractionFlags(Qt::NoTextInteraction);
        col->addWidget(l);
        return l;
    };
    heading("Узнать о программе");
    QLabel* help = link(QStringLiteral("Справочная система"), QStringLiteral("lnkHelp"));
    QLabel* site = link(QStringLiteral("Посетить сайт"), QStringLiteral("lnkSite"));
    heading("Открыть файл");
    for (int i = 0; i < 4; ++i) labs_[static_cast<size_t>(i)] = link(QStringLiteral("Пусто"), QStringLiteral("Lab%1").arg(i + 1));
    QLabel* other = link(QStringLiteral("Другой документ"), QStringLiteral("lnkOpen"));
    col->addStretch(1);
    layout->addWidget(page);
    // Labels are clickable through an event filter-free approach: a transparent button over each would
    // change the look, so mouse presses are caught with a small lambda-based filter.
    struct Clicker : QObject {
        std::function<void()> fn;
        bool eventFilter(QObject*, QEvent* e) override {
            if (e->type() == QEvent::MouseButtonRelease) {
                fn();
                return true;
            }
            return false;
        }
    };
    auto onClick = [this](QLabel* l, std::function<void()> fn) {
        auto* c = new Clicker;
        c->setParent(l);
        c->fn = std::move(fn);
        l->installEventFilter(c);
    };
    onClick(help, [this] { HelpClick(); });
    onClick(site, [this] { OpenLink(nullptr); });
    onClick(other, [this] { FileOpenClick(); });
    for (int i = 0; i < 4; ++i)
        onClick(labs_[static_cast<size_t>(i)], [this, i] {
            if (labs_[static_cast<size_t>(i)]->text() != QStringLiteral("Пусто")) OpenRecentFile(i);
        });
}

void TMainForm::setStatus(int panel, const QString& text) { (panel == 0 ? status0_ : status1_)->setText(text); }
QString TMainForm::statusText(int panel) const { return (panel == 0 ? status0_ : status1_)->text(); }

std::array<QString, 4> TMainForm::startLabelTexts() const {
    std::array<QString, 4> t;
    for (size_t i = 0; i < 4; ++i) t[i] = labs_[i]->text();
    return t;
}

bool TMainForm::startPageVisible() const { return !start_->isHidden(); }
bool TMainForm::layerPanelVisible() const { return !pnlBitmapLayer_->isHidden(); }
bool TMainForm::cropPanelVisible() const { return !crops_->isHidden(); }
bool TMainForm::imagePanelVisible() const { return !pnlImage_->isHidden(); }
bool TMainForm::compositionPanelVisible() const { return !panel1_->isHidden(); }

void TMainForm::documentChanged(unsigned changes) {
    if (changes & kSelectionChanged) UpdateSelectionPanels();
    if (changes & kCanvasChanged) view_->documentResized();
    if (changes & (kCanvasChanged | kLayersChanged)) ViewChanged();
    else if (changes & kUndoChanged) UpdateEditMenu();
    view_->viewport()->update();
}

void TMainForm::UpdateSelectionPanels() {
    updatingPanels_ = true;
    Layer* s = doc_.selection();
    pnlBitmapLayer_->setVisible(s && s->isBitmap());
    crops_->setVisible(s && s->isFrame() && s->tag == kCropFrameTag);
    if (s && s->isBitmap()) {
        layerOpacity_->setValue(s->bitmap.masterAlpha);
        layerInterpolate_->setChecked(s->bitmap.filter != StretchFilter::Nearest);
    }
    updatingPanels_ = false;
}

void TMainForm::ViewChanged() {
    doc_.modifiedMark = kMarkChanged;
    UpdateImageMenu();
    UpdateEditMenu();
    if (!doc_.canvasEmpty()) UpdateSelectionMenu();
    UpdateProcessingMenu();
    enable(QStringLiteral("tbBringToFront"), ReorderButtonsEnabled(doc_));
    enable(QStringLiteral("tbSendToBack"), ReorderButtonsEnabled(doc_));
    setStatus(1, QStringLiteral("%1x%2").arg(doc_.canvas().width()).arg(doc_.canvas().height()));
    panel1_->setVisible(!doc_.canvasEmpty());
}

void TMainForm::showEvent(QShowEvent* e) {
    QMainWindow::showEvent(e);
    if (!firstShow_) return;
    firstShow_ = false;
    if (!pendingCommandLine_.isEmpty()) {
        const QStringList args = pendingCommandLine_;
        pendingCommandLine_.clear();
        OpenCommandLine(args);
    }
}

void TMainForm::FillCatalogueStrips() {
    // The catalogue strips of the composition tabs are filled here once the
    // template, decoration and perspective catalogues exist.
}

void TMainForm::changeEvent(QEvent* e) {
    QMainWindow::changeEvent(e);
    if (e->type() != QEvent::ActivationChange || !isActiveWindow()) return;
    // FormActivate: the proportions list starts from its first entry each time.
    cropsP_->setCurrentIndex(0);
    if (!activated_) {
        activated_ = true;
        doc_.sourcePhoto = Bitmap32();
    }
}

void TMainForm::dragEnterEvent(QDragEnterEvent* e) {
    if (e->mimeData()->hasUrls()) e->acceptProposedAction();
}

void TMainForm::dropEvent(QDropEvent* e) {
    QStringList paths;
    for (const QUrl& u : e->mimeData()->urls())
        if (u.isLocalFile()) paths << u.toLocalFile();
    if (paths.isEmpty()) return;
    e->acceptProposedAction();
    FilesDropped(paths);
}

void TMainForm::closeEvent(QCloseEvent* e) {
    if (!doc_.canvasEmpty() && !AskSaveChanges()) {
        e->ignore();
        return;
    }
    WriteSettings();
    doc_.ResetDocument();
    doc_.setCanvas(Bitmap32());
    e->accept();
}
