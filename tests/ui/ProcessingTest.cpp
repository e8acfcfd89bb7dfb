// The effect dialogs, brightness/contrast and the effect catalogue, offscreen.
#include <QAction>
#include <QListWidget>
#include <QPushButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QtTest>

#include "UiTestUtil.h"

#include "core/document/Locations.h"
#include "core/fx/Filters.h"
#include "ui/app/MainUnit.h"
#include "ui/processing/BridContr.h"
#include "ui/processing/Brosa.h"
#include "ui/processing/Effect_gen.h"
#include "ui/processing/SprayUnit.h"

using namespace viramo;

namespace {

Bitmap32 Picture() {
    Bitmap32 b(120, 80);
    for (int y = 0; y < 80; ++y)
        for (int x = 0; x < 120; ++x) b.setPixel(x, y, MakeColor32(x * 2, y * 3, (x + y) & 255, 255));
    return b;
}
}  // namespace

class ProcessingTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;

private slots:
    void init() {
        QDir(dir_.path()).mkpath(QStringLiteral("program"));
        SetProgramFolder((dir_.path() + QStringLiteral("/program")).toStdString());
    }

    void sprayDialogPreviewsAndCancelsBitExact() {
        TMainForm w;
        w.show();
        Document& d = w.document();
        d.setCanvas(Bitmap32(200, 100, 0xFF000000));
        d.notify(kCanvasChanged);
        Layer& l = d.AddPhotograph(Bitmap32(1, 1), 50, 50);
        l.bitmap = Picture();
        for (int x = 0; x < 120; ++x) l.bitmap.setPixel(x, 0, 0x40FFFFFF);  // a soft edge
        const Bitmap32 before = l.bitmap;
        bool previewed = false;
        whenShown<TSprayWin>([&](TSprayWin* s) {
            s->Value->setPosition(9);
            if (const QByteArray f = qgetenv("VIRAMO_SCREENSHOTS"); !f.isEmpty())
                s->grab().save(QString::fromUtf8(f) + QStringLiteral("/spray.png"));
            s->findChild<QPushButton*>(QStringLiteral("Button3"))->click();  // "Просмотр"
            previewed = !l.bitmap.samePixels(before);
            s->reject();
        });
        w.action(QStringLiteral("actSpray"))->trigger();
        QVERIFY(previewed);
        QVERIFY(l.bitmap.samePixels(before));
        QCOMPARE(d.undo.undoKind, UndoKind::None);
        QVERIFY(d.previewBackup.empty());
        // Reopened, the gauge shows its last value; OK applies with one undo record.
        int shown = 0;
        whenShown<TSprayWin>([&](TSprayWin* s) {
            shown = s->Value->position();
            s->accept();
        });
        w.action(QStringLiteral("actSpray"))->trigger();
        QCOMPARE(shown, 9);
        QCOMPARE(d.undo.undoKind, UndoKind::Effect);
        QVERIFY(d.undo.undoImage.samePixels(before));
        for (int x = 0; x < 120; ++x) QCOMPARE(AlphaOf(l.bitmap.pixel(x, 0)), 0x40);
        d.modifiedMark = kMarkSaved;
    }

    void quickSharpenSetsTheDialogAndRefusesTinyPictures() {
        TMainForm w;
        w.show();
        w.document().setCanvas(Bitmap32(2, 5, 0xFF102030));
        w.document().notify(kCanvasChanged);
        QTimer::singleShot(0, [] {
            for (QWidget* t : QApplication::topLevelWidgets())
                if (auto* box = qobject_cast<QMessageBox*>(t)) {
                    QCOMPARE(box->text(), QStringLiteral("Bitmap must be at least 3x3"));
                    box->accept();
                }
        });
        w.action(QStringLiteral("actQuickSharpen"))->trigger();
        QCOMPARE(w.effectWin()->Value->position(), 5);
        QCOMPARE(w.document().canvas().pixel(0, 0), 0xFF102030u);
        QCOMPARE(w.document().undo.undoKind, UndoKind::None);
        w.document().modifiedMark = kMarkSaved;
    }

    void brightnessContrastFollowsTheGaugeReleasedLast() {
        TMainForm w;
        w.show();
        Document& d = w.document();
        d.setCanvas(Bitmap32(4, 4, MakeColor32(100, 150, 200)));
        d.notify(kCanvasChanged);
        Layer& l = d.AddPhotograph(Bitmap32(4, 4, MakeColor32(100, 150, 200)), 2, 2);
        d.SetLayerOpacity(128);
        const Bitmap32 start = l.bitmap;
        int opacityWhileOpen = 0;
        Color32 afterContrast = 0, afterBrightnessAgain = 0;
        whenShown<TBrid>([&](TBrid* b) {
            opacityWhileOpen = l.bitmap.masterAlpha;
            b->GaugeBar1->setPosition(100);
            b->GaugeBar2->setPosition(100);
            b->GaugeBar2MouseUp();
            afterContrast = l.bitmap.pixel(0, 0);
            b->GaugeBar1MouseUp();
            afterBrightnessAgain = l.bitmap.pixel(0, 0);
            b->accept();
        });
        w.action(QStringLiteral("actBrightness"))->trigger();
        QCOMPARE(opacityWhileOpen, 255);
        QCOMPARE(l.bitmap.masterAlpha, 128);
        Bitmap32 a = start;
        StretchContrast(a, 100);
        Brighten(a, 100);
        QCOMPARE(afterContrast, a.pixel(0, 0));
        Bitmap32 b = start;
        Brighten(b, 100);
        StretchContrast(b, 100);
        QCOMPARE(afterBrightnessAgain, b.pixel(0, 0));
        QVERIFY(afterContrast != afterBrightnessAgain);
        QCOMPARE(d.undo.undoKind, UndoKind::Effect);
        // Cancel puts every pixel back, alpha included.
        l.bitmap.setPixel(1, 1, 0x30FFFFFF);
        const Bitmap32 soft = l.bitmap;
        whenShown<TBrid>([](TBrid* br) {
            br->GaugeBar1->setPosition(-150);
            br->GaugeBar1MouseUp();
            br->reject();
        });
        w.action(QStringLiteral("actBrightness"))->trigger();
        QVERIFY(l.bitmap.samePixels(soft));
        d.modifiedMark = kMarkSaved;
    }

    void catalogueShowsNineTitledEntriesAndAppliesOne() {
        TMainForm w;
        w.show();
        Document& d = w.document();
        d.setCanvas(Picture());
        d.notify(kCanvasChanged);
        const Bitmap32 before = d.canvas();
        int count = 0;
        QString last;
        whenShown<TBrowser>([&](TBrowser* b) {
            if (const QByteArray f = qgetenv("VIRAMO_SCREENSHOTS"); !f.isEmpty())
                b->grab().save(QString::fromUtf8(f) + QStringLiteral("/catalogue.png"));
            count = b->count();
            last = b->title(8);
            b->FView->setCurrentRow(4);  // "Негатив"
            b->FView->currentItem()->setSelected(true);
            b->findChild<QPushButton*>()->click();  // OK is the first button
        });
        w.action(QStringLiteral("actEffectCatalogue"))->trigger();
        QCOMPARE(count, 9);
        QCOMPARE(last, QStringLiteral("Волна"));
        QVERIFY(QFile::exists(dir_.path() + QStringLiteral("/program/Browser/Wave.bmp")));
        QCOMPARE(d.canvas().pixel(3, 3), before.pixel(3, 3) ^ 0x00FFFFFFu);
        QCOMPARE(d.undo.undoKind, UndoKind::Effect);
        d.modifiedMark = kMarkSaved;
    }
};

QTEST_MAIN(ProcessingTest)
#include "ProcessingTest.moc"
