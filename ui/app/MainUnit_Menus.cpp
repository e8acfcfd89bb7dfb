// TMainForm: the main menu, the tool bar, the layer context menu and the
// enabling of their entries.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QToolBar>

#include "core/document/Enabling.h"
#include "ui/app/Links.h"
#include "ui/app/MainUnit.h"
#include "ui/widgets/ImgView.h"

using namespace viramo;

namespace {

// Tool-bar pictures: a symbol drawn on a small tile.
QIcon glyphIcon(const QString& glyph, QColor color) {
    QPixmap pm(48, 48);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(30);
    f.setBold(true);
    p.setFont(f);
    p.setPen(color);
    p.drawText(pm.rect(), Qt::AlignCenter, glyph);
    return QIcon(pm);
}

// Pictures drawn as shapes where no symbol of the font fits.
QIcon printerIcon() {
    QPixmap pm(48, 48);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(60, 60, 60), 3));
    p.setBrush(Qt::white);
    p.drawRect(14, 6, 20, 14);
    p.setBrush(QColor(150, 150, 150));
    p.drawRoundedRect(6, 18, 36, 16, 3, 3);
    p.setBrush(Qt::white);
    p.drawRect(14, 28, 20, 14);
    return QIcon(pm);
}

QIcon fullScreenIcon() {
    QPixmap pm(48, 48);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setPen(QPen(QColor(60, 60, 60), 4));
    for (auto [x, y, dx, dy] : {std::tuple{8, 8, 1, 1}, {40, 8, -1, 1}, {8, 40, 1, -1}, {40, 40, -1, -1}}) {
        p.drawLine(x, y, x + 10 * dx, y);
        p.drawLine(x, y, x, y + 10 * dy);
    }
    return QIcon(pm);
}

// Empty parts of the tool bar count as a change when clicked.
struct ToolBarClicks : QObject {
    std::function<void()> onClick;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::MouseButtonPress && onClick) onClick();
        return false;
    }
};

}  // namespace

QAction* TMainForm::addAction(QMenu* menu, const QString& name, const QString& caption, const QKeySequence& shortcut,
                              bool wired) {
    auto* a = new QAction(caption, this);
    a->setObjectName(name);
    a->setProperty("wired", wired);
    if (!shortcut.isEmpty()) a->setShortcut(shortcut);
    if (!wired) a->setEnabled(false);
    if (menu) menu->addAction(a);
    else QMainWindow::addAction(a);  // shortcut only
    actions_[name] = a;
    return a;
}

QAction* TMainForm::action(const QString& name) const {
    auto it = actions_.find(name);
    return it == actions_.end() ? nullptr : it->second;
}

void TMainForm::wireAction(const char* name, void (TMainForm::*handler)()) {
    QAction* a = action(QString::fromUtf8(name));
    a->setProperty("wired", true);
    connect(a, &QAction::triggered, this, handler);
}

void TMainForm::enable(const QString& name, bool on) {
    if (QAction* a = action(name)) a->setEnabled(on && a->property("wired").toBool());
}

void TMainForm::buildMenus() {
    QMenuBar* bar = menuBar();
    const bool later = false;  // entries whose commands arrive with later work stay disabled

    QMenu* file = bar->addMenu(QStringLiteral("Файл"));
    connect(addAction(nullptr, QStringLiteral("actNew"), QStringLiteral("Новый"), QKeySequence(Qt::CTRL | Qt::Key_N)),
            &QAction::triggered, this, &TMainForm::NewClick);
    connect(addAction(file, QStringLiteral("actOpen"), QStringLiteral("Открыть"), QKeySequence(Qt::CTRL | Qt::Key_O)),
            &QAction::triggered, this, &TMainForm::FileOpenClick);
    connect(addAction(file, QStringLiteral("actSave"), QStringLiteral("Сохранить"), QKeySequence(Qt::CTRL | Qt::Key_S)),
            &QAction::triggered, this, &TMainForm::SaveClick);
    action(QStringLiteral("actSave"))->setEnabled(false);
    connect(addAction(file, QStringLiteral("actSaveAs"), QStringLiteral("Сохранить как...")), &QAction::triggered, this,
            [this] { SaveAsClick(2); });
    action(QStringLiteral("actSaveAs"))->setEnabled(false);
    file->addSeparator();
    recentMenu_ = file->addMenu(QStringLiteral("Недавние фото"));
    QMenu* exportMenu = file->addMenu(QStringLiteral("Экспорт изображения"));
    int entry = 2;  // the entry's position in the submenu + 2
    for (auto [name, caption] : {std::pair{"actExportBmp", "В формат BMP"}, {"actExportJpeg", "В формат JPEG"},
                                 {"actExportGif", "В формат GIF"}, {"actExportPng", "В формат PNG"},
                                 {"actExportTiff", "В формат TIFF"}}) {
        connect(addAction(exportMenu, QString::fromUtf8(name), QString::fromUtf8(caption)), &QAction::triggered, this,
                [this, entry] { SaveAsClick(entry); });
        ++entry;
    }
    addAction(file, QStringLiteral("actPrintSetup"), QStringLiteral("Параметры печати"), {}, later);
    addAction(file, QStringLiteral("actPrint"), QStringLiteral("Печать"), QKeySequence(Qt::CTRL | Qt::Key_P), later);
    file->addSeparator();
    connect(addAction(file, QStringLiteral("actExit"), QStringLiteral("Выход"), QKeySequence(Qt::Key_F10)),
            &QAction::triggered, this, &TMainForm::ExitClick);
    connect(file, &QMenu::aboutToShow, this, &TMainForm::UpdateFileMenu);

    QMenu* edit = bar->addMenu(QStringLiteral("Правка"));
    connect(addAction(edit, QStringLiteral("actUndo"), QStringLiteral("Отменить"), QKeySequence(Qt::CTRL | Qt::Key_Z)),
            &QAction::triggered, this, &TMainForm::UndoClick);
    connect(addAction(edit, QStringLiteral("actRedo"), QStringLiteral("Повторить"), QKeySequence(Qt::CTRL | Qt::Key_Y)),
            &QAction::triggered, this, &TMainForm::RedoClick);
    edit->addSeparator();
    addAction(edit, QStringLiteral("actCut"), QStringLiteral("Вырезать"), QKeySequence(Qt::CTRL | Qt::Key_X), later);
    addAction(edit, QStringLiteral("actCopy"), QStringLiteral("Копировать"), QKeySequence(Qt::CTRL | Qt::Key_C), later);
    addAction(edit, QStringLiteral("actPaste"), QStringLiteral("Вставить"), QKeySequence(Qt::CTRL | Qt::Key_V), later);
    addAction(edit, QStringLiteral("actSelect"), QStringLiteral("Выделить"), {}, later);
    addAction(edit, QStringLiteral("actSelectAll"), QStringLiteral("Выделить всё"), {}, later);
    edit->addSeparator();
    addAction(edit, QStringLiteral("actPasteAsNew"), QStringLiteral("Вставить как новый"), {}, later);
    connect(edit, &QMenu::aboutToShow, this, &TMainForm::UpdateEditMenu);

    QMenu* image = bar->addMenu(QStringLiteral("Изображение"));
    image->setObjectName(QStringLiteral("mnImage"));
    addAction(image, QStringLiteral("actAddCaption"), QStringLiteral("Добавить надпись"), {}, later);
    addAction(image, QStringLiteral("actBrightness"), QStringLiteral("Яркость/ контраст ..."), {}, later);
    addAction(image, QStringLiteral("actColourBalance"), QStringLiteral("Цветовой баланс"), {}, later);
    image->addSeparator();
    connect(addAction(image, QStringLiteral("actAddPhoto"), QStringLiteral("Добавить фотографию")), &QAction::triggered,
            this, &TMainForm::AddPhotoClick);
    addAction(image, QStringLiteral("actImageSize"), QStringLiteral("Размер изображения"), {}, later);
    addAction(image, QStringLiteral("actCropCanvas"), QStringLiteral("Обрезать холст"), {}, later);
    image->addSeparator();
    addAction(image, QStringLiteral("actButtonEffect"), QStringLiteral("Эффект кнопки"), {}, later);
    addAction(image, QStringLiteral("actBorders"), QStringLiteral("Границы"), {}, later);
    connect(image, &QMenu::aboutToShow, this, &TMainForm::UpdateImageMenu);

    QMenu* proc = bar->addMenu(QStringLiteral("Обработка"));
    proc->setObjectName(QStringLiteral("mnProcessing"));
    QMenu* sharp = proc->addMenu(QStringLiteral("Настройка резкости"));
    addAction(sharp, QStringLiteral("actQuickSharpen"), QStringLiteral("Быстрая резкость"), {}, later);
    addAction(sharp, QStringLiteral("actQuickBlur"), QStringLiteral("Быстрое размытие"), {}, later);
    sharp->addSeparator();
    addAction(sharp, QStringLiteral("actSharpen"), QStringLiteral("Резкость"), {}, later);
    addAction(sharp, QStringLiteral("actBlur"), QStringLiteral("Размытие"), {}, later);
    QMenu* fx = proc->addMenu(QStringLiteral("Эффекты"));
    for (auto [name, caption] : {std::pair{"actSpray", "Разбрызгивание"}, {"actPosterize", "Постеризация"},
                                 {"actWaves", "Волны"}, {"actMosaic", "Мозаика"}, {"actEmboss", "Рельеф"}})
        addAction(fx, QString::fromUtf8(name), QString::fromUtf8(caption), {}, later);
    fx->addSeparator();
    addAction(fx, QStringLiteral("actRaindrops"), QStringLiteral("Капли дождя"), {}, later);
    QMenu* blinds = fx->addMenu(QStringLiteral("Жалюзи"));
    addAction(blinds, QStringLiteral("actBlindsWide"), QStringLiteral("Широкие"), {}, later);
    addAction(blinds, QStringLiteral("actBlindsMedium"), QStringLiteral("Средние"), {}, later);
    addAction(blinds, QStringLiteral("actBlindsNarrow"), QStringLiteral("Узкие"), {}, later);
    QMenu* noise = proc->addMenu(QStringLiteral("Добавить шум"));
    addAction(noise, QStringLiteral("actNoiseColour"), QStringLiteral("Цветной"), {}, later);
    addAction(noise, QStringLiteral("actNoiseMono"), QStringLiteral("Чёрный"), {}, later);
    proc->addSeparator();
    addAction(proc, QStringLiteral("actMonochrome"), QStringLiteral("Сделать монохромным"), {}, later);
    addAction(proc, QStringLiteral("actColorize"), QStringLiteral("Оттенки одного цвета (колоризация)"), {}, later);
    addAction(proc, QStringLiteral("actSepia"), QStringLiteral("Сепия (старое фото)"), {}, later);
    addAction(proc, QStringLiteral("actInvert"), QStringLiteral("Инвертировать цвета (негатив)"), {}, later);
    proc->addSeparator();
    addAction(proc, QStringLiteral("actPerspective"), QStringLiteral("Перспективная коррекция"), {}, later);
    addAction(proc, QStringLiteral("actEffectCatalogue"), QStringLiteral("Каталог эффектов"), {}, later);
    addAction(proc, QStringLiteral("actFlatten"), QStringLiteral("Склеить все слои"), {}, later);
    connect(proc, &QMenu::aboutToShow, this, &TMainForm::UpdateProcessingMenu);

    QMenu* sel = bar->addMenu(QStringLiteral("Выделение"));
    sel->setObjectName(QStringLiteral("mnSelection"));
    connect(addAction(sel, QStringLiteral("actBringToFront"), QStringLiteral("Поместить вперёд")), &QAction::triggered,
            this, [this] { ReorderClick(0); });
    connect(addAction(sel, QStringLiteral("actSendToBack"), QStringLiteral("Поместить назад")), &QAction::triggered,
            this, [this] { ReorderClick(1); });
    sel->addSeparator();
    connect(addAction(sel, QStringLiteral("actMoveUp"), QStringLiteral("Вверх на один уровень")), &QAction::triggered,
            this, [this] { ReorderClick(2); });
    connect(addAction(sel, QStringLiteral("actMoveDown"), QStringLiteral("Вниз на один уровень")), &QAction::triggered,
            this, [this] { ReorderClick(3); });
    sel->addSeparator();
    QMenu* rotate = sel->addMenu(QStringLiteral("Повернуть"));
    addAction(rotate, QStringLiteral("actRotateRight"), QStringLiteral("На 90° вправо"), {}, later);
    addAction(rotate, QStringLiteral("actRotateLeft"), QStringLiteral("На 90° влево"), {}, later);
    addAction(rotate, QStringLiteral("actRotateFree"), QStringLiteral("Произвольный угол"), {}, later);
    QMenu* mirror = sel->addMenu(QStringLiteral("Отразить"));
    addAction(mirror, QStringLiteral("actMirrorVertical"), QStringLiteral("По вертикали"), {}, later);
    addAction(mirror, QStringLiteral("actMirrorHorizontal"), QStringLiteral("По горизонтали (зеркальное)"), {}, later);
    QMenu* contour = sel->addMenu(QStringLiteral("Границы и контур"));
    addAction(contour, QStringLiteral("actAddBorders"), QStringLiteral("Добавить границы"), {}, later);
    addAction(contour, QStringLiteral("actRelief"), QStringLiteral("Рельефный контур"), {}, later);
    addAction(sel, QStringLiteral("actTransparentColour"), QStringLiteral("Прозрачный цвет"), {}, later);
    sel->addSeparator();
    addAction(sel, QStringLiteral("actCropLayer"), QStringLiteral("Обрезать слой"), {}, later);
    addAction(sel, QStringLiteral("actRemoveMask"), QStringLiteral("Снять маску"), {}, later);
    connect(addAction(sel, QStringLiteral("actClone"), QStringLiteral("Клонировать"), QKeySequence(Qt::CTRL | Qt::Key_D)),
            &QAction::triggered, this, &TMainForm::CloneClick);
    connect(addAction(sel, QStringLiteral("actDelete"), QStringLiteral("Удалить"), QKeySequence(Qt::Key_Delete)),
            &QAction::triggered, this, &TMainForm::DeleteClick);
    connect(sel, &QMenu::aboutToShow, this, &TMainForm::UpdateSelectionMenu);

    QMenu* viewMenu = bar->addMenu(QStringLiteral("Вид"));
    connect(addAction(viewMenu, QStringLiteral("actZoom100"), QStringLiteral("Масштаб 100%"),
                      QKeySequence(Qt::CTRL | Qt::Key_A)),
            &QAction::triggered, this, &TMainForm::Zoom100Click);
    connect(addAction(viewMenu, QStringLiteral("actFit"), QStringLiteral("Уместить в окне"),
                      QKeySequence(Qt::CTRL | Qt::Key_F)),
            &QAction::triggered, this, &TMainForm::FitClick);
    addAction(viewMenu, QStringLiteral("actFullScreen"), QStringLiteral("Полноэкранный просмотр"), {}, later);
    viewMenu->addSeparator();
    QMenu* bg = viewMenu->addMenu(QStringLiteral("Фон редактора"));
    connect(addAction(bg, QStringLiteral("actChooseColour"), QStringLiteral("Выбрать цвет")), &QAction::triggered, this,
            &TMainForm::ChooseBackgroundClick);
    QAction* chess = addAction(bg, QStringLiteral("actChess"), QStringLiteral("Шашкой"));
    chess->setCheckable(true);
    connect(chess, &QAction::triggered, this, &TMainForm::ChessClick);

    QMenu* help = bar->addMenu(QStringLiteral("Справка"));
    connect(addAction(help, QStringLiteral("actHelp"), QStringLiteral("Справка"), QKeySequence(Qt::Key_F1)),
            &QAction::triggered, this, &TMainForm::HelpClick);
    addAction(help, QStringLiteral("actAbout"), QStringLiteral("О программе Фото ВИРАМО"), {}, later);
    connect(addAction(help, QStringLiteral("actSupport"), QStringLiteral("Техническая поддержка")), &QAction::triggered,
            this, [this] { OpenLink(links::kSupportMail); });
    connect(addAction(help, QStringLiteral("actExamples"), QStringLiteral("Примеры композиций")), &QAction::triggered,
            this, [this] { OpenLink(links::kExamples); });
    help->addSeparator();
    connect(addAction(help, QStringLiteral("actNewTemplates"), QStringLiteral("Новые шаблоны")), &QAction::triggered,
            this, [this] { OpenLink(links::kTemplates); });
    connect(addAction(help, QStringLiteral("actSite"), QStringLiteral("Сайт программы")), &QAction::triggered, this,
            [this] { OpenLink(links::kSite); });

    // Tool bar: buttons whose enabling differs from their menu entry get actions of their own.
    toolBar_ = addToolBar(QStringLiteral("Панель инструментов"));
    toolBar_->setObjectName(QStringLiteral("ToolBar5"));
    toolBar_->setMovable(false);
    toolBar_->setIconSize(QSize(24, 24));
    QStyle* st = style();
    auto button = [&](const QString& name, const QString& caption, const QIcon& icon, QAction* same,
                      const QString& hint = {}) {
        QAction* a = same;
        if (!a) {
            a = new QAction(caption, this);
            a->setObjectName(name);
            a->setProperty("wired", false);
            a->setEnabled(false);
            actions_[name] = a;
        }
        a->setIcon(icon);
        if (!hint.isEmpty()) a->setToolTip(hint);
        toolBar_->addAction(a);
        return a;
    };
    button({}, {}, st->standardIcon(QStyle::SP_DialogOpenButton), action(QStringLiteral("actOpen")));
    QAction* tbSave = button(QStringLiteral("tbSave"), QStringLiteral("Сохранить"),
                             st->standardIcon(QStyle::SP_DialogSaveButton), nullptr);
    tbSave->setProperty("wired", true);
    connect(tbSave, &QAction::triggered, this, &TMainForm::SaveClick);
    button({}, {}, printerIcon(), action(QStringLiteral("actPrint")));
    toolBar_->addSeparator();
    QAction* tbUndo = button(QStringLiteral("tbUndo"), QStringLiteral("Отменить"),
                             glyphIcon(QStringLiteral("↶"), QColor(30, 90, 170)), nullptr);
    QAction* tbRedo = button(QStringLiteral("tbRedo"), QStringLiteral("Повторить"),
                             glyphIcon(QStringLiteral("↷"), QColor(30, 90, 170)), nullptr);
    for (QAction* a : {tbUndo, tbRedo}) a->setProperty("wired", true);
    connect(tbUndo, &QAction::triggered, this, &TMainForm::UndoClick);
    connect(tbRedo, &QAction::triggered, this, &TMainForm::RedoClick);
    button({}, {}, glyphIcon(QStringLiteral("✂"), QColor(60, 60, 60)), action(QStringLiteral("actCut")));
    button({}, {}, glyphIcon(QStringLiteral("❐"), QColor(60, 60, 60)), action(QStringLiteral("actCopy")));
    button({}, {}, glyphIcon(QStringLiteral("▤"), QColor(60, 60, 60)), action(QStringLiteral("actPaste")));
    toolBar_->addSeparator();
    QAction* tbAddPhoto = button(QStringLiteral("tbAddPhoto"), QStringLiteral("Добавить фотографию"),
                                 glyphIcon(QStringLiteral("✚"), QColor(40, 140, 60)), nullptr, QStringLiteral("Добавить фото"));
    tbAddPhoto->setProperty("wired", true);
    connect(tbAddPhoto, &QAction::triggered, this, &TMainForm::AddPhotoClick);
    button(QStringLiteral("tbAddCaption"), QStringLiteral("Добавить надпись"), glyphIcon(QStringLiteral("A"), QColor(170, 40, 40)),
           nullptr, QStringLiteral("Надпись"));
    button({}, {}, glyphIcon(QStringLiteral("◐"), QColor(200, 120, 20)), action(QStringLiteral("actColourBalance")));
    button({}, {}, glyphIcon(QStringLiteral("★"), QColor(200, 160, 20)), action(QStringLiteral("actEffectCatalogue")));
    toolBar_->addSeparator();
    QAction* front = button(QStringLiteral("tbBringToFront"), QStringLiteral("Поместить вперёд"),
                            glyphIcon(QStringLiteral("▲"), QColor(60, 60, 60)), nullptr);
    QAction* back = button(QStringLiteral("tbSendToBack"), QStringLiteral("Поместить назад"),
                           glyphIcon(QStringLiteral("▼"), QColor(60, 60, 60)), nullptr);
    for (QAction* a : {front, back}) a->setProperty("wired", true);
    connect(front, &QAction::triggered, this, [this] { ReorderClick(0); });
    connect(back, &QAction::triggered, this, [this] { ReorderClick(1); });
    toolBar_->addSeparator();
    button({}, {}, glyphIcon(QStringLiteral("1:1"), QColor(60, 60, 60)), action(QStringLiteral("actZoom100")));
    button({}, {}, glyphIcon(QStringLiteral("⤢"), QColor(60, 60, 60)), action(QStringLiteral("actFit")));
    button({}, {}, fullScreenIcon(), action(QStringLiteral("actFullScreen")));
    auto* clicks = new ToolBarClicks;
    clicks->setParent(toolBar_);
    clicks->onClick = [this] { doc_.modifiedMark = kMarkChanged; };
    toolBar_->installEventFilter(clicks);

    // Layer context menu: its own entries, the same commands as "Выделение"
    // (the mirror entries are captioned the other way round here).
    layerPopup_ = new QMenu(this);
    auto popup = [&](const QString& caption, std::function<void()> fn, QMenu* into = nullptr) {
        QAction* a = (into ? into : layerPopup_)->addAction(caption);
        a->setProperty("wired", static_cast<bool>(fn));
        if (fn) connect(a, &QAction::triggered, this, fn);
        return a;
    };
    popup(QStringLiteral("Поместить вперёд"), [this] { ReorderClick(0); });
    popup(QStringLiteral("Поместить назад"), [this] { ReorderClick(1); });
    layerPopup_->addSeparator();
    popup(QStringLiteral("Вверх на один уровень"), [this] { ReorderClick(2); });
    popup(QStringLiteral("Вниз на один уровень"), [this] { ReorderClick(3); });
    layerPopup_->addSeparator();
    QMenu* pr = layerPopup_->addMenu(QStringLiteral("Повернуть"));
    popup(QStringLiteral("На 90° вправо"), [this] { N901Click(); }, pr);
    popup(QStringLiteral("На 90° влево"), [this] { N902Click(); }, pr);
    popup(QStringLiteral("Произвольный угол"), [this] { N13Click(); }, pr);
    QMenu* pm = layerPopup_->addMenu(QStringLiteral("Отразить"));
    popup(QStringLiteral("По горизонтали"), [this] { N24Click(); }, pm);
    popup(QStringLiteral("По вертикали (зеркальное)"), [this] { N53Click(); }, pm);
    QMenu* pc = layerPopup_->addMenu(QStringLiteral("Границы и контур"));
    popup(QStringLiteral("Добавить границы"), {}, pc);
    popup(QStringLiteral("Рельефный контур"), [this] { N7Click(); }, pc);
    popup(QStringLiteral("Прозрачный цвет"), [this] { N23Click(); });
    layerPopup_->addSeparator();
    popup(QStringLiteral("Обрезать слой"), [this] { N54Click(); });
    popup(QStringLiteral("Снять маску"), {});
    popup(QStringLiteral("Клонировать"), [this] { CloneClick(); });
    popup(QStringLiteral("Удалить"), [this] { DeleteClick(); });
}

void TMainForm::ShowLayerPopup(const QPoint& globalPos) {
    // The first 14 entries (all but "Удалить") follow the selection's kind.
    const bool bitmap = LayerPopupEntriesEnabled(doc_);
    const auto entries = layerPopup_->actions();
    for (QAction* a : entries) {
        if (a->isSeparator()) continue;
        const bool isDelete = a->text() == QStringLiteral("Удалить");
        const bool wired = a->menu() ? true : a->property("wired").toBool();
        a->setEnabled(isDelete || (bitmap && wired));
        if (a->menu())
            for (QAction* sub : a->menu()->actions()) sub->setEnabled(bitmap && sub->property("wired").toBool());
    }
    layerPopup_->popup(globalPos);
}

bool TMainForm::clipboardHasPicture() const {
    const QMimeData* m = QApplication::clipboard()->mimeData();
    return m && m->hasImage();
}

void TMainForm::UpdateImageMenu() {
    const ImageMenuEnabling e = ImageMenuState(doc_);
    for (const char* name : {"actAddCaption", "actAddPhoto", "actImageSize", "actCropCanvas", "actButtonEffect", "actBorders"})
        enable(QString::fromUtf8(name), e.all);
    enable(QStringLiteral("actBrightness"), e.brightnessContrast);
    enable(QStringLiteral("actColourBalance"), e.colourBalance);
    enable(QStringLiteral("tbAddPhoto"), e.all);
}

void TMainForm::UpdateEditMenu() {
    const EditMenuEnabling e = EditMenuState(doc_, clipboardHasPicture());
    enable(QStringLiteral("actUndo"), e.undo);
    enable(QStringLiteral("tbUndo"), e.undo);
    enable(QStringLiteral("actRedo"), e.redo);
    enable(QStringLiteral("tbRedo"), e.redo);
    enable(QStringLiteral("actPaste"), e.paste);
    enable(QStringLiteral("actPasteAsNew"), e.pasteAsNew);
}

void TMainForm::UpdateSelectionMenu() {
    const SelectionMenuEnabling e = SelectionMenuState(doc_);
    enable(QStringLiteral("actBringToFront"), e.bringToFront);
    enable(QStringLiteral("actMoveUp"), e.bringToFront);
    enable(QStringLiteral("actSendToBack"), e.sendToBack);
    enable(QStringLiteral("actMoveDown"), e.sendToBack);
    enable(QStringLiteral("actDelete"), e.remove);
    for (const char* name : {"actRotateRight", "actRotateLeft", "actRotateFree", "actMirrorVertical",
                             "actMirrorHorizontal", "actAddBorders", "actRelief", "actTransparentColour",
                             "actCropLayer", "actRemoveMask", "actClone"})
        enable(QString::fromUtf8(name), e.others);
}

void TMainForm::UpdateProcessingMenu() {
    const bool on = ProcessingMenuEnabled(doc_);
    for (const char* name : {"actQuickSharpen", "actQuickBlur", "actSharpen", "actBlur", "actSpray", "actPosterize",
                             "actWaves", "actMosaic", "actEmboss", "actRaindrops", "actBlindsWide", "actBlindsMedium",
                             "actBlindsNarrow", "actNoiseColour", "actNoiseMono", "actMonochrome", "actColorize",
                             "actSepia", "actInvert", "actPerspective", "actEffectCatalogue", "actFlatten"})
        enable(QString::fromUtf8(name), on);
}

void TMainForm::UpdateFileMenu() {
    const bool on = SaveEntriesEnabled(doc_);
    enable(QStringLiteral("actSave"), on);
    enable(QStringLiteral("actSaveAs"), on);
}
