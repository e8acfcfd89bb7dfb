// TMainForm: the "Обработка" menu's effects and filters, brightness/contrast,
// colour balance and the effect catalogue.
#include <QAction>
#include <QApplication>
#include <QColorDialog>
#include <QComboBox>
#include <QDateTime>
#include <QMessageBox>
#include <QProgressBar>
#include <QSlider>
#include <QStatusBar>

#include "core/codecs/Bmp.h"
#include "core/document/Locations.h"
#include "core/document/Undo.h"
#include "core/fx/Filters.h"
#include "core/fx/Preview.h"
#include "ui/app/MainUnit.h"
#include "ui/processing/BridContr.h"
#include "ui/processing/Brosa.h"
#include "ui/processing/DeFocus.h"
#include "ui/processing/Effect_gen.h"
#include "ui/processing/GamUnit.h"
#include "ui/processing/Marbla.h"
#include "ui/processing/PostUnit.h"
#include "ui/processing/SprayUnit.h"
#include "ui/processing/WaveUnit.h"
#include "ui/widgets/ImgView.h"

using namespace viramo;

void TMainForm::buildProcessing() {
    random_ = Random(static_cast<std::uint64_t>(QDateTime::currentMSecsSinceEpoch()));
    sprayWin_ = new TSprayWin(this);
    posta_ = new TPosta(this);
    waves_ = new TWaves(this);
    marb_ = new TMarb(this);
    effect_ = new TEffect(this);
    deFoc_ = new TDeFoc(this);
    brid_ = new TBrid(this);
    gamma_ = new TGamma(this);
    browser_ = new TBrowser(this);
    auto target = [this]() -> Bitmap32& { return doc_.target(); };
    auto changed = [this] {
        if (doc_.bitmapSelected()) doc_.layerPixelsChanged(*doc_.selection());
        else doc_.canvasPixelsChanged();
        doc_.notify(doc_.bitmapSelected() ? kLayersChanged : kCanvasChanged);
    };
    brid_->target = target;
    brid_->changed = changed;
    gamma_->target = target;
    gamma_->changed = changed;

    progress_ = new QProgressBar;
    progress_->setRange(0, 0);
    progress_->setMaximumWidth(120);
    progress_->hide();
    statusBar()->addPermanentWidget(progress_);

    wireAction("actSpray", &TMainForm::N50Click);
    wireAction("actPosterize", &TMainForm::N51Click);
    wireAction("actWaves", &TMainForm::N86Click);
    wireAction("actRaindrops", &TMainForm::N113Click);
    wireAction("actQuickSharpen", &TMainForm::N74Click);
    wireAction("actQuickBlur", &TMainForm::N75Click);
    wireAction("actSharpen", &TMainForm::N78Click);
    wireAction("actBlur", &TMainForm::N76Click);
    wireAction("actMonochrome", &TMainForm::N77Click);
    wireAction("actColorize", &TMainForm::N49Click);
    wireAction("actSepia", &TMainForm::N111Click);
    wireAction("actBrightness", &TMainForm::N38Click);
    wireAction("actColourBalance", &TMainForm::N39Click);
    wireAction("actEffectCatalogue", &TMainForm::N72Click);
    for (auto [name, effect] : {std::pair{"actMosaic", "mosa"}, {"actEmboss", "emboss"}, {"actBlindsWide", "ripple_7"},
                                {"actBlindsMedium", "ripple_12"}, {"actBlindsNarrow", "ripple_24"},
                                {"actInvert", "invert"}}) {
        QAction* a = action(QString::fromUtf8(name));
        a->setProperty("wired", true);
        connect(a, &QAction::triggered, this, [this, effect] { EffectCommand(effect); });
    }
    for (auto [name, filter] : {std::pair{"actNoiseColour", "color"}, {"actNoiseMono", "mona"}}) {
        QAction* a = action(QString::fromUtf8(name));
        a->setProperty("wired", true);
        connect(a, &QAction::triggered, this, [this, filter] { FilterCommand(filter); });
    }
    UpdateProcessingMenu();
    UpdateImageMenu();
}

void TMainForm::busy(bool on, const QString& what) {
    // Long work runs here on the window's thread: show that it is under way.
    if (on) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        progress_->show();
        statusBar()->showMessage(what);
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    } else {
        progress_->hide();
        statusBar()->clearMessage();
        QApplication::restoreOverrideCursor();
    }
}

void TMainForm::readDialogValues() {
    effects_.sprayAmount = sprayWin_->Value->position();
    effects_.posterizeAmount = posta_->Value->position();
    effects_.waveAmount = waves_->Value->position();
    effects_.waveInterference = waves_->Interf->position();
    effects_.waveStyle = waves_->Nu->currentIndex();
    effects_.marbleScale = marb_->Scal->position();
    effects_.marbleTurbulence = marb_->Freq->position();
    effects_.sharpenAlpha = effect_->Value->position();
    effects_.blurValue = deFoc_->Value->position();
    effects_.defocus = deFoc_->Ras->isChecked();
}

void TMainForm::runEffectDialog(TEffectDialog* dialog, const std::function<void()>& apply) {
    PreviewSession session(doc_);
    auto run = [&] {
        readDialogValues();
        busy(true, QStringLiteral("Выполняется: %1…").arg(dialog->windowTitle()));
        try {
            apply();
        } catch (const FilterError& e) {
            busy(false);
            QMessageBox::warning(this, windowTitle(), QString::fromUtf8(e.what()));
            return;
        }
        busy(false);
    };
    dialog->onPreview = [&] { session.Preview(run); };
    const bool ok = dialog->exec() == QDialog::Accepted;
    dialog->onPreview = nullptr;
    session.Finish(ok, run);
}

void TMainForm::quickCommand(const QString& what, const std::function<void()>& apply) {
    RecordUndo(doc_, UndoKind::Effect);
    busy(true, QStringLiteral("Выполняется: %1…").arg(what));
    try {
        apply();
    } catch (const FilterError& e) {
        busy(false);
        QMessageBox::warning(this, windowTitle(), QString::fromUtf8(e.what()));
        doc_.previewBackup = Bitmap32();
        return;
    }
    busy(false);
    doc_.previewBackup = Bitmap32();
}

void TMainForm::EffectCommand(const char* name) {
    quickCommand(QString::fromUtf8(name), [this, name] { ApplyNamedEffect(doc_, name, effects_, random_); });
}

void TMainForm::N50Click() {
    runEffectDialog(sprayWin_, [this] { ApplyNamedEffect(doc_, "spray", effects_, random_); });
}
void TMainForm::N51Click() {
    runEffectDialog(posta_, [this] { ApplyNamedEffect(doc_, "post", effects_, random_); });
}
void TMainForm::N86Click() {
    runEffectDialog(waves_, [this] { ApplyNamedEffect(doc_, "wave", effects_, random_); });
}
void TMainForm::N113Click() {
    runEffectDialog(marb_, [this] { ApplyNamedEffect(doc_, "textur", effects_, random_); });
}

void TMainForm::N74Click() {
    effect_->Value->setPosition(5);
    readDialogValues();
    // A picture too small to sharpen is refused before anything is recorded or changed.
    const Bitmap32& t = doc_.target();
    if (t.width() < 3 || t.height() <= 2) {
        QMessageBox::warning(this, windowTitle(), QStringLiteral("Bitmap must be at least 3x3"));
        doc_.previewBackup = Bitmap32();
        return;
    }
    quickCommand(QStringLiteral("Быстрая резкость"), [this] { ApplySharpen(doc_, effects_); });
}

void TMainForm::N75Click() {
    deFoc_->Value->setPosition(2);
    deFoc_->Ras->setChecked(true);
    readDialogValues();
    quickCommand(QStringLiteral("Быстрое размытие"), [this] { ApplyDefocus(doc_, effects_); });
}

void TMainForm::N78Click() { runEffectDialog(effect_, [this] { ApplySharpen(doc_, effects_); }); }
void TMainForm::N76Click() { runEffectDialog(deFoc_, [this] { ApplyDefocus(doc_, effects_); }); }

void TMainForm::FilterCommand(const char* name) {
    quickCommand(QStringLiteral("шум"), [this, name] { ApplyNamedFilter(doc_, name, effects_, random_); });
}

void TMainForm::N77Click() {
    quickCommand(QStringLiteral("Сделать монохромным"), [this] { ApplyMonochrome(doc_); });
}

void TMainForm::N49Click() {
    PlatformColor colour = effects_.colour;
    bool chosen;
    if (colourProvider) {
        chosen = colourProvider(colour);
    } else {
        const QColor c = QColorDialog::getColor(QColor::fromRgb(PlatformColorToColor32(colour)), this);
        chosen = c.isValid();
        if (chosen) colour = Color32ToPlatformColor(c.rgb());
    }
    // A cancelled colour choice leaves the picture as it was.
    if (!chosen) return;
    effects_.colour = colour;
    quickCommand(QStringLiteral("Колоризация"), [this] { colorizeAndBrighten(70); });
}

void TMainForm::colorizeAndBrighten(int amount) {
    ApplyNamedFilter(doc_, "mod", effects_, random_);
    Brighten(doc_.target(), amount);
    if (doc_.bitmapSelected()) doc_.layerPixelsChanged(*doc_.selection());
    else doc_.canvasPixelsChanged();
    doc_.notify(kCanvasChanged | kLayersChanged);
}

void TMainForm::N111Click() {
    effects_.colour = 7847880;  // the sepia tint, which the colorize dialog then offers too
    quickCommand(QStringLiteral("Сепия"), [this] { colorizeAndBrighten(150); });
}

namespace {
// While a tone dialog is open the selected layer shows at full opacity.
struct FullOpacity {
    Document& doc;
    QSlider* gauge;
    int kept = -1;
    FullOpacity(Document& d, QSlider* g) : doc(d), gauge(g) {
        if (!doc.bitmapSelected()) return;
        kept = doc.selection()->bitmap.masterAlpha;
        set(255);
    }
    ~FullOpacity() {
        if (kept >= 0 && doc.bitmapSelected()) set(kept);
    }
    void set(int v) {
        const QSignalBlocker block(gauge);
        gauge->setValue(v);
        doc.SetLayerOpacity(v);
    }
};
}  // namespace

void TMainForm::N38Click() {
    RecordUndo(doc_, UndoKind::Effect);
    const int mark = doc_.modifiedMark;
    bool ok;
    {
        FullOpacity full(doc_, layerOpacity_);
        ok = brid_->exec() == QDialog::Accepted;
    }
    if (!ok) doc_.modifiedMark = mark;  // showing the layer opaque for a while is no change
}

void TMainForm::N39Click() {
    RecordUndo(doc_, UndoKind::Effect);
    const int mark = doc_.modifiedMark;
    bool ok;
    {
        FullOpacity full(doc_, layerOpacity_);
        // Cancel puts the picture back; the undo record made on opening stays.
        ok = gamma_->exec() == QDialog::Accepted;
    }
    if (!ok) doc_.modifiedMark = mark;
}

void TMainForm::N72Click() {
    const std::string folder = WritableFolder("Browser");
    if (!folder.empty()) {
        busy(true, QStringLiteral("Подготовка каталога эффектов…"));
        const auto previews = CataloguePreviews(doc_.target(), random_);
        try {
            for (size_t i = 0; i < previews.size(); ++i)
                WriteFileAtomic(folder + "/" + CatalogueEntries()[i].file, EncodeBmp(previews[i]));
        } catch (const std::exception&) {
            // The catalogue still opens with whatever its folder holds.
        }
        busy(false);
    }
    browser_->loadFolder(QString::fromStdString(folder));
    browser_->apply = [this](int index) {
        RecordUndo(doc_, UndoKind::Effect);
        if (index >= 0) ApplyCatalogueEntry(doc_, index, random_);
    };
    browser_->exec();
    browser_->apply = nullptr;
}
