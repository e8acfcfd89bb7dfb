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
#include "core/document/Locations.h"
#include "core/document/TextCodec.h"
#include "core/document/Zoom.h"
#include "core/util/Errors.h"
#include "ui/app/ErrorText.h"
#include "ui/app/MainUnit.h"
#include "ui/widgets/ImgView.h"
#include "ui/widgets/TaskPanel.h"

using namespace viramo;

namespace {

const char* const kOpenFilter =
    "All supported formats (*.zrt *.gif *.jpg *.jpeg *.bmp *.ico *.emf *.wmf *.png *.tif *.tiff);;"
    "GIF Image (*.gif);;JPEG Image File (*.jpg *.jpeg);;Bitmaps (*.bmp);;Icons (*.ico);;"
    "Enhanced Metafiles (*.emf);;Metafiles (*.wmf);;Проекты Фото ВИРАМО (*.zrt);;PNG Image (*.png);;"
    "TIFF Image (*.tif *.tiff)";

// Extensions whose "Сохранить" tool button is enabled after opening.
bool saveButtonExtension(const QString& path) {
    const QString ext = QString::fromStdString(Extension(path.toStdString()));
    for (const char* e : {".gif", ".GIF", ".JPG", ".jpg", ".JPEG", ".jpeg", ".BMP", ".bmp", ".zrt", ".ZRT"})
        if (ext == QLatin1String(e)) return true;
    return false;
}

Bytes toBytes(const std::string& s) { return Bytes(s.begin(), s.end()); }

}  // namespace

bool TMainForm::OpenFileByPath(const QString& path) {
    Bitmap32 picture;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    try {
        // Read into a picture of its own first: a file that cannot be read
        // leaves the open document as it was.
        picture = LoadPicture(path.toStdString());
    } catch (const std::exception& e) {
        QApplication::restoreOverrideCursor();
        QMessageBox::warning(this, windowTitle(), ErrorText(e));
        return false;
    }
    documentPath_ = path;
    doc_.ResetDocument();
    picture.setAllAlpha(255);
    doc_.setCanvas(std::move(picture));
    doc_.notify(kCanvasChanged);
    ShowZoomText();
    QApplication::restoreOverrideCursor();
    pnlImage_->setVisible(!doc_.canvasEmpty());
    const bool saveOn = saveButtonExtension(path);
    action(QStringLiteral("actSave"))->setEnabled(saveOn);
    action(QStringLiteral("tbSave"))->setEnabled(saveOn);
    if (recent_.IsNewRecentFile(path.toStdString())) {
        recent_.AddRecentFile(path.toStdString());
        RebuildRecentMenu();
    }
    setStatus(0, path);
    setStatus(1, QStringLiteral("%1x%2").arg(doc_.canvas().width()).arg(doc_.canvas().height()));
    start_->hide();
    return true;
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
    const QString path = QFileDialog::getOpenFileName(this, QStringLiteral("Открыть"), QString(),
                                                      QString::fromUtf8(kOpenFilter));
    if (path.isEmpty()) return;
    if (!OpenFileByPath(path)) return;
    doc_.sourcePhoto = doc_.canvas();
    if (NeedsAutoFit(doc_.canvas().width(), doc_.canvas().height(), view_->viewport()->width(),
                     view_->viewport()->height()))
        FitClick();
    view_->viewport()->update();
    doc_.modifiedMark = kMarkSaved;
    doc_.undo.undoKind = doc_.undo.redoKind = UndoKind::None;
    UpdateEditMenu();
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
        if (OpenFileByPath(caption)) {
            doc_.modifiedMark = kMarkSaved;
            doc_.undo.undoKind = doc_.undo.redoKind = UndoKind::None;
            if (NeedsAutoFit(doc_.canvas().width(), doc_.canvas().height(), view_->viewport()->width(),
                             view_->viewport()->height()))
                FitClick();
            UpdateEditMenu();
        }
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

bool TMainForm::SaveClick() {
    QString path = documentPath_;
    const PictureFormat f = FormatFromExtension(path.toStdString());
    const bool writable = f == PictureFormat::Bmp || f == PictureFormat::Jpeg || f == PictureFormat::Gif ||
                          f == PictureFormat::Png || f == PictureFormat::Tiff;
    if (!writable) {
        path = QFileDialog::getSaveFileName(this, QStringLiteral("Сохранить как..."), documentPath_,
                                            QStringLiteral("Bitmaps (*.bmp);;JPEG Image File (*.jpg);;"
                                                           "CompuServe GIF Image (*.gif);;PNG Image (*.png);;"
                                                           "TIFF Image (*.tif)"));
        if (path.isEmpty()) return false;
        if (FormatFromExtension(path.toStdString()) == PictureFormat::Unknown) path += QStringLiteral(".bmp");
    }
    doc_.RenderComposite();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    try {
        SavePicture(path.toStdString(), doc_.compositeImage());
    } catch (const std::exception& e) {
        QApplication::restoreOverrideCursor();
        QMessageBox::warning(this, windowTitle(), ErrorText(e));
        return false;
    }
    QApplication::restoreOverrideCursor();
    documentPath_ = path;
    doc_.modifiedMark = kMarkSaved;
    setStatus(0, path);
    return true;
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
    if (QScreen* scr = screen()) {
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
        if (NeedsAutoFit(doc_.canvas().width(), doc_.canvas().height(), view_->viewport()->width(),
                         view_->viewport()->height()))
            FitClick();
        doc_.modifiedMark = kMarkSaved;
        doc_.undo.undoKind = doc_.undo.redoKind = UndoKind::None;
        first = 1;
    }
    for (int i = first; i < paths.size(); ++i)
        if (!AddPhotoFromPath(paths[i])) break;
}
