// TMainForm: opening pictures, the recent-files list, closing and the settings files.
#include <QAction>
#include <QBoxLayout>
#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QScreen>

#include "core/codecs/Picture.h"
#include "core/codecs/Quantize.h"
#include "core/document/Files.h"
#include "core/document/Undo.h"
#include "core/document/Locations.h"
#include "core/document/TextCodec.h"
#include "core/document/Zoom.h"
#include "core/util/Errors.h"
#include "ui/app/ErrorText.h"
#include "ui/app/MainUnit.h"
#include "ui/widgets/ImgView.h"
#include "ui/cards/CMStart.h"
#include "ui/document/CompMode.h"
#include "ui/document/Gifus.h"
#include "ui/widgets/TaskPanel.h"

using namespace viramo;

namespace {

const char* const kOpenFilter =
    "All supported formats (*.zrt *.gif *.jpg *.jpeg *.bmp *.ico *.emf *.wmf *.png *.tif *.tiff);;"
    "GIF Image (*.gif);;JPEG Image File (*.jpg *.jpeg);;Bitmaps (*.bmp);;Icons (*.ico);;"
    "Enhanced Metafiles (*.emf);;Metafiles (*.wmf);;Проекты Фото ВИРАМО (*.zrt);;PNG Image (*.png);;"
    "TIFF Image (*.tif *.tiff)";

Bytes toBytes(const std::string& s) { return Bytes(s.begin(), s.end()); }

}  // namespace

bool TMainForm::withErrorMessage(const std::function<void()>& work) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    try {
        work();
    } catch (const std::exception& e) {
        QApplication::restoreOverrideCursor();
        QMessageBox::warning(this, windowTitle(), ErrorText(e));
        return false;
    }
    QApplication::restoreOverrideCursor();
    return true;
}

bool TMainForm::OpenFileByPath(const QString& path) {
    OpenedFile file;
    // Read completely first: a file that cannot be read leaves the open document as it was.
    if (!withErrorMessage([&] { file = ReadDocumentFile(path.toStdString()); })) return false;
    documentPath_ = path;
    ApplyOpenedFile(doc_, std::move(file));
    ShowZoomText();
    pnlImage_->setVisible(!doc_.canvasEmpty());
    const bool saveOn = SaveButtonEnabledFor(path.toStdString());
    action(QStringLiteral("actSave"))->setEnabled(saveOn);
    action(QStringLiteral("tbSave"))->setEnabled(saveOn);
    action(QStringLiteral("actSaveAs"))->setEnabled(true);
    if (recent_.IsNewRecentFile(path.toStdString())) {
        recent_.AddRecentFile(path.toStdString());
        RebuildRecentMenu();
    }
    setStatus(0, path);
    setStatus(1, QStringLiteral("%1x%2").arg(doc_.canvas().width()).arg(doc_.canvas().height()));
    start_->hide();
    return true;
}

void TMainForm::afterOpen() {
    if (NeedsAutoFit(doc_.canvas().width(), doc_.canvas().height(), view_->viewport()->width(),
                     view_->viewport()->height()))
        FitClick();
    view_->viewport()->update();
    doc_.modifiedMark = kMarkSaved;
    doc_.undo.undoKind = doc_.undo.redoKind = UndoKind::None;
    UpdateEditMenu();
}

void TMainForm::OpenCommandLine(const QStringList& arguments) {
    if (arguments.isEmpty()) return;
    if (firstShow_) {  // opened when the window is first shown
        pendingCommandLine_ = arguments;
        return;
    }
    // An unquoted path with blanks arrives in pieces: join them again.
    if (OpenFileByPath(arguments.join(QLatin1Char(' ')))) doc_.modifiedMark = kMarkSaved;
}

void TMainForm::FileOpenClick() {
    doc_.previewBackup = Bitmap32();
    if (!doc_.canvasEmpty() && !AskSaveChanges()) return;
    const QString path = openNameProvider ? openNameProvider()
                                          : QFileDialog::getOpenFileName(this, QStringLiteral("Открыть"), QString(),
                                                                         QString::fromUtf8(kOpenFilter));
    if (path.isEmpty()) return;
    if (!OpenFileByPath(path)) return;
    doc_.sourcePhoto = doc_.canvas();
    afterOpen();
}

void TMainForm::OpenRecentFile(int entry) {
    const auto& captions = recent_.captions();
    if (entry < 0 || entry >= static_cast<int>(captions.size())) return;
    const QString caption = QString::fromStdString(captions[static_cast<size_t>(entry)]);
    if (caption == QString::fromUtf8(kEmptyRecent)) return;
    doc_.previewBackup = Bitmap32();
    if (doc_.canvasEmpty() || AskSaveChanges()) {
        recent_.mark(entry);
        RebuildRecentMenu();
        if (OpenFileByPath(caption)) afterOpen();
    }
    doc_.sourcePhoto = doc_.canvas();
}

bool TMainForm::AskSaveChanges() {
    if (doc_.modifiedMark != kMarkChanged) return true;
    const QString question = QStringLiteral("Сохранить изображение?");
    const QMessageBox::StandardButton answer =
        questionHandler ? questionHandler(question)
                        : QMessageBox::question(this, windowTitle(), question,
                                                QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    if (answer == QMessageBox::Cancel) return false;
    // A save that did not happen (cancelled or failed) keeps the work open.
    if (answer == QMessageBox::Yes) return SaveClick();
    return true;
}

namespace {
const char* const kSaveFilters[6] = {
    "Photo Viramo Project (*.zrt)", "Bitmaps (*.bmp)", "JPEG Image File (*.jpg)", "CompuServe GIF Image (*.gif)",
    "PNG Image (*.png)", "TIFF Image (*.tif)",
};
}  // namespace

bool TMainForm::writeDocument(const QString& path, int target, int jpegQuality, int gifBits) {
    SaveOptions options;
    options.jpegQuality = jpegQuality;
    options.gifBits = gifBits;
    // On failure the document stays marked as changed, so closing still asks.
    if (!withErrorMessage([&] { WriteDocumentFile(doc_, path.toStdString(), static_cast<SaveTarget>(target), options); }))
        return false;
    doc_.modifiedMark = kMarkSaved;  // only once the file is written
    return true;
}

bool TMainForm::SaveClick() {
    if (documentPath_.isEmpty()) return SaveAsClick(2);
    const SaveTarget target = SaveTargetFor(documentPath_.toStdString());
    if (target == SaveTarget::AskName) return SaveAsClick(2);
    const int quality = 100;  // "Сохранить" writes JPEG at the best quality
    const bool ok = writeDocument(documentPath_, static_cast<int>(target), quality, 24);
    view_->viewport()->update();
    return ok;
}

bool TMainForm::SaveAsClick(int entry) {
    QString name;
    if (saveNameProvider) {
        if (!saveNameProvider(name, entry)) return false;
    } else {
        QStringList filters;
        for (const char* f : kSaveFilters) filters << QString::fromUtf8(f);
        QFileDialog dialog(this, QStringLiteral("Сохранить как..."));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setNameFilters(filters);
        dialog.selectNameFilter(filters[std::clamp(entry, 1, 6) - 1]);
        // The extension is appended afterwards; the overwrite question is asked for that name.
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
        if (!documentPath_.isEmpty()) dialog.setDirectory(QFileInfo(documentPath_).absolutePath());
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
        name = dialog.selectedFiles().first();
        entry = static_cast<int>(filters.indexOf(dialog.selectedNameFilter())) + 1;
    }
    if (name.isEmpty()) return false;
    entry = std::clamp(entry, 1, 6);
    const QString path = QString::fromStdString(SaveAsPath(name.toStdString(), entry));
    if (!saveNameProvider && QFileInfo::exists(path) &&
        QMessageBox::question(this, windowTitle(), QStringLiteral("Файл «%1» уже существует. Заменить его?").arg(path),
                              QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
        return false;
    const SaveTarget target = SaveAsTarget(entry);
    bool written = false;
    if (target == SaveTarget::Jpeg) {
        view_->viewport()->update();
        compress_->save = [&](int quality) { return written = writeDocument(path, static_cast<int>(target), quality, 24); };
        compress_->exec();
        compress_->save = nullptr;
    } else if (target == SaveTarget::Gif) {
        doc_.RenderComposite();
        gifType_->setColourCount(CountColors(doc_.compositeImage()));
        gifType_->save = [&](int bits) { return written = writeDocument(path, static_cast<int>(target), 100, bits); };
        gifType_->exec();
        gifType_->save = nullptr;
    } else {
        written = writeDocument(path, static_cast<int>(target), 100, 24);
    }
    if (!written) return false;  // nothing reports success without writing
    documentPath_ = path;
    if (entry == 1 && recent_.IsNewRecentFile(path.toStdString())) {
        recent_.AddRecentFile(path.toStdString());
        RebuildRecentMenu();
    }
    action(QStringLiteral("actSave"))->setEnabled(true);
    action(QStringLiteral("tbSave"))->setEnabled(true);
    action(QStringLiteral("actSaveAs"))->setEnabled(true);
    setStatus(0, path);
    view_->viewport()->update();
    return true;
}

void TMainForm::NewCanvas(int width, int height, Color32 colour) {
    doc_.ResetDocument();
    doc_.setCanvas(Bitmap32(width, height, colour));
    doc_.notify(kCanvasChanged);
    ShowZoomText();
    pnlImage_->setVisible(!doc_.canvasEmpty());
}

void TMainForm::NewClick() {
    doc_.previewBackup = Bitmap32();
    bool made = false;
    if (doc_.canvasEmpty()) {
        documentPath_.clear();
        if (templates_->exec() == QDialog::Accepted) {
            NewCanvas(templates_->NewPageWidth(), templates_->NewPageHeight(), 0xFFFFFFFF);
            start_->hide();
            action(QStringLiteral("actSave"))->setEnabled(true);
            action(QStringLiteral("actSaveAs"))->setEnabled(true);
            made = true;
        }
    } else if (AskSaveChanges()) {
        const bool ok = templates_->exec() == QDialog::Accepted;
        documentPath_.clear();
        if (ok) {
            NewCanvas(templates_->NewPageWidth(), templates_->NewPageHeight(), 0xFFFFFFFF);
            made = true;
        }
    }
    if (made) {
        doc_.undo.undoKind = doc_.undo.redoKind = UndoKind::None;
        UpdateEditMenu();
    }
    action(QStringLiteral("tbSave"))->setEnabled(true);
    FitClick();
    panel1_->setVisible(!doc_.canvasEmpty());
    setStatus(0, QStringLiteral("Новый проект"));
    setStatus(1, QStringLiteral("%1x%2").arg(doc_.canvas().width()).arg(doc_.canvas().height()));
    start_->hide();
}

void TMainForm::UndoClick() {
    Undo(doc_);
    UpdateEditMenu();
}

void TMainForm::RedoClick() {
    Redo(doc_);
    UpdateEditMenu();
}

void TMainForm::ExitClick() {
    WriteRecentList();
    close();
}

void TMainForm::RebuildRecentMenu() {
    recentMenu_->clear();
    const auto& captions = recent_.captions();
    for (size_t i = 0; i < captions.size(); ++i) {
        QAction* a = recentMenu_->addAction(QString::fromStdString(captions[i]));
        a->setObjectName(QStringLiteral("recent%1").arg(i));
        a->setCheckable(true);
        a->setChecked(static_cast<int>(i) == recent_.marked());
        connect(a, &QAction::triggered, this, [this, i] { OpenRecentFile(static_cast<int>(i)); });
    }
}

void TMainForm::ReadSettings() {
    const ViewSettings v = ParseViewSettings(ReadSettingsFile("View.atp"));
    backgroundColor_ = v.color;
    action(QStringLiteral("actChess"))->setChecked(v.chess);
    view_->setBackground(ViewBackground{v.chess, PlatformColorToColor32(v.color)});

    const std::string form = ReadSettingsFile("CForm.atp");
    formSettings_ = ParseFormSettings(Bytes(form.begin(), form.end()));
    if (formSettings_.valid) {
        if (formSettings_.state == 2) {
            setWindowState(Qt::WindowMaximized);
        } else if (formSettings_.state == 1) {
            setWindowState(Qt::WindowMinimized);
        } else if (formSettings_.width > 100 && formSettings_.height > 100) {
            // Bounds that put the window off every screen are not used.
            const QRect wanted(formSettings_.left, formSettings_.top, formSettings_.width, formSettings_.height);
            bool onScreen = false;
            for (QScreen* s : QApplication::screens()) onScreen = onScreen || s->availableGeometry().intersects(wanted);
            if (onScreen) setGeometry(wanted);
            else resize(wanted.size());
        }
        if (formSettings_.sideLeft()) {
            auto* row = static_cast<QBoxLayout*>(centralWidget()->layout());
            row->removeWidget(sidePanel_);
            row->insertWidget(0, sidePanel_);
        }
    }

    // The designed size may not fit a small screen, or a large display scale.
    if (QScreen* scr = screen(); scr && windowState() == Qt::WindowNoState) {
        const QRect avail = scr->availableGeometry();
        if (width() > avail.width() || height() > avail.height())
            resize(std::min(width(), avail.width()), std::min(height(), avail.height()));
    }

    recent_.load(DecodeTextLines(ReadSettingsFile("Dirs.lst")));
    RebuildRecentMenu();
    startLabels_ = recent_.startLabels();
    for (size_t i = 0; i < 4; ++i) labs_[i]->setText(QString::fromStdString(startLabels_[i]));
}

void TMainForm::WriteRecentList() {
    try {
        WriteSettingsFile("Dirs.lst", toBytes(recent_.fileText()));
    } catch (const Error&) {
        // Closing always completes; the list is simply not kept.
    }
}

void TMainForm::WriteSettings() {
    WriteRecentList();
    ViewSettings v;
    v.chess = action(QStringLiteral("actChess"))->isChecked();
    v.color = backgroundColor_;
    FormSettings f = formSettings_;
    f.state = isMaximized() ? 2 : (isMinimized() ? 1 : 0);
    const QRect g = normalGeometry().isValid() ? normalGeometry() : geometry();
    f.left = g.left();
    f.top = g.top();
    f.width = g.width();
    f.height = g.height();
    f.side = centralWidget()->layout()->indexOf(sidePanel_) == 0 ? 1 : 2;
    try {
        WriteSettingsFile("View.atp", toBytes(FormatViewSettings(v)));
        WriteSettingsFile("CForm.atp", FormatFormSettings(f));
    } catch (const Error&) {
    }
}

void TMainForm::FilesDropped(const QStringList& paths) {
    if (paths.isEmpty()) return;
    int first = 0;
    if (doc_.canvasEmpty()) {
        if (!AskSaveChanges()) return;
        if (!OpenFileByPath(paths[0])) return;
        doc_.sourcePhoto = doc_.canvas();
        afterOpen();
        first = 1;
    }
    for (int i = first; i < paths.size(); ++i)
        if (!AddPhotoFromPath(paths[i])) break;
}
