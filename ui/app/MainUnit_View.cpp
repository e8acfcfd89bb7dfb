// TMainForm: zoom, the editor background, help and web links.
#include <QAction>
#include <QColorDialog>
#include <QComboBox>
#include <QDesktopServices>
#include <QLineEdit>
#include <QMessageBox>
#include <QUrl>

#include "core/document/Locations.h"
#include "core/document/Zoom.h"
#include "ui/app/Links.h"
#include "ui/app/MainUnit.h"
#include "ui/widgets/ImgView.h"

using namespace viramo;

void TMainForm::ShowZoomText() {
    const QSignalBlocker block(scaleCombo_);
    scaleCombo_->setEditText(QString::fromStdString(ZoomText(doc_.scale)));
}

void TMainForm::Zoom100Click() {
    const int mark = doc_.modifiedMark;
    view_->setScale(1.f);
    ShowZoomText();
    doc_.modifiedMark = mark;
}

void TMainForm::FitClick() {
    const int mark = doc_.modifiedMark;
    if (auto s = FitScale(doc_.canvas().width(), doc_.canvas().height(), view_->viewport()->width(),
                          view_->viewport()->height())) {
        view_->setScale(*s);
        ShowZoomText();
    }
    doc_.modifiedMark = mark;
}

void TMainForm::WheelZoom(bool awayFromUser) {
    const int mark = doc_.modifiedMark;
    view_->setScale(viramo::WheelZoom(doc_.scale, awayFromUser));
    ShowZoomText();
    doc_.modifiedMark = mark;
}

void TMainForm::ScaleComboChange(const QString& text) {
    const ZoomEdit e = ParseZoomText(text.toStdString(), doc_.scale);
    if (e.ignored) return;
    const int mark = doc_.modifiedMark;
    if (e.scale != doc_.scale) view_->setScale(e.scale);
    const QSignalBlocker block(scaleCombo_);
    scaleCombo_->setEditText(QString::fromStdString(e.text));
    if (QLineEdit* line = scaleCombo_->lineEdit()) line->setCursorPosition(e.caret);
    doc_.modifiedMark = mark;
}

void TMainForm::ChooseBackgroundClick() {
    const QColor start = QColor::fromRgb(PlatformColorToColor32(backgroundColor_));
    const QColor c = QColorDialog::getColor(start, this, QStringLiteral("Выбрать цвет"));
    if (!c.isValid()) return;
    backgroundColor_ = Color32ToPlatformColor(c.rgb());
    action(QStringLiteral("actChess"))->setChecked(false);
    view_->setBackground(ViewBackground{false, PlatformColorToColor32(backgroundColor_)});
}

void TMainForm::ChessClick(bool on) {
    view_->setBackground(ViewBackground{on, PlatformColorToColor32(backgroundColor_)});
}

void TMainForm::HelpClick() {
    const QString page = QString::fromStdString(ProgramFolder()) + QLatin1Char('/') + QLatin1String(links::kHelpPage);
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(page)))
        QMessageBox::information(this, windowTitle(), QStringLiteral("Не удалось открыть справку: %1").arg(page));
}

void TMainForm::OpenLink(const char* address) {
    const QUrl url(QString::fromUtf8(address ? address : links::kSite));
    if (!QDesktopServices::openUrl(url))
        QMessageBox::information(this, windowTitle(),
                                 QStringLiteral("Не удалось открыть адрес %1").arg(url.toString()));
}
