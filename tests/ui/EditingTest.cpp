// The clipboard, the image-size dialog's linked fields and the colour pick, offscreen.
#include <QAction>
#include <QClipboard>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>

#include "UiTestUtil.h"

#include "core/document/Locations.h"
#include "ui/app/MainUnit.h"
#include "ui/document/SetaTrans.h"
#include "ui/processing/CropL.h"
#include "ui/processing/Im_rasm.h"
#include "ui/widgets/ImgView.h"

using namespace viramo;

class EditingTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;

private slots:
    void init() { SetProgramFolder(dir_.path().toStdString()); }

    void clipboardRoundTripKeepsColoursNotTransparency() {
        TMainForm w;
        w.resize(900, 700);
        w.show();
        Document& d = w.document();
        d.setCanvas(Bitmap32(400, 300, 0xFF000080));
        d.notify(kCanvasChanged);
        Layer& caption = d.AddPhotograph(Bitmap32(1, 1), 0, 0);
        caption.bitmap = Bitmap32(30, 20, 0x00FF0000);  // a caption with a transparent background
        caption.bitmap.setPixel(5, 5, 0xFF00FF00);
        w.action(QStringLiteral("actCopy"))->trigger();
        const QImage onClipboard = QApplication::clipboard()->image();
        QCOMPARE(onClipboard.size(), QSize(30, 20));
        QVERIFY(w.action(QStringLiteral("actPaste"))->isEnabled());
        w.action(QStringLiteral("actPaste"))->trigger();
        Layer* pasted = d.selection();
        QVERIFY(pasted != &caption);
        QCOMPARE(pasted->bitmap.pixel(0, 0), 0xFFFF0000u);  // an opaque rectangle of the caption's colours
        QCOMPARE(pasted->bitmap.pixel(5, 5), 0xFF00FF00u);
        // "Выделить всё" then copy: the whole composite; "Вставить как новый" makes it the canvas.
        w.action(QStringLiteral("actSelectAll"))->trigger();
        w.action(QStringLiteral("actCopy"))->trigger();
        QCOMPARE(QApplication::clipboard()->image().size(), QSize(400, 300));
        d.modifiedMark = kMarkSaved;
        w.action(QStringLiteral("actPasteAsNew"))->trigger();
        QCOMPARE(d.layerCount(), 0);
        QCOMPARE(d.canvas().width(), 400);
        QVERIFY(w.documentPath().isEmpty());
        d.modifiedMark = kMarkSaved;
    }

    void imageSizeFieldsNeverSetOneAnotherOff() {
        TMainForm w;
        w.show();
        w.document().setCanvas(Bitmap32(800, 600));
        w.document().notify(kCanvasChanged);
        int width = 0, height = 0, size = 0;
        whenShown<TRasm>([&](TRasm* r) {
            QCOMPARE(r->UpDown3->value(), 1875);
            r->UpDown1->setValue(400);
            height = r->UpDown2->value();
            size = r->UpDown3->value();
            r->UpDown3->setValue(469);
            width = r->UpDown1->value();
            r->accept();
        });
        w.action(QStringLiteral("actImageSize"))->trigger();
        QCOMPARE(height, 300);
        QCOMPARE(size, 469);
        QCOMPARE(width, 400);
        QCOMPARE(w.document().canvas().width(), 400);
        QCOMPARE(w.statusText(1), QStringLiteral("400x300"));
        w.document().modifiedMark = kMarkSaved;
    }

    void pickModeMakesTheClickedColourTransparent() {
        TMainForm w;
        w.resize(900, 700);
        w.show();
        Document& d = w.document();
        d.setCanvas(Bitmap32(400, 300, 0xFF000000));
        d.notify(kCanvasChanged);
        Layer& l = d.AddPhotograph(Bitmap32(100, 100, 0xFFFFFFFF), 200, 150);
        l.bitmap.setPixel(10, 10, 0xFF123456);
        w.action(QStringLiteral("actTransparentColour"))->trigger();
        QVERIFY(w.view()->pickMode());
        QVERIFY(w.stc()->isVisible());
        const QPoint at = w.view()->canvasToControl(QPointF(200, 150)).toPoint();
        QTest::mouseMove(w.view()->viewport(), at);
        QCOMPARE(w.stc()->shownColour(), 0xFFFFFFFFu);
        QTest::mouseClick(w.view()->viewport(), Qt::LeftButton, {}, at);
        QVERIFY(!w.view()->pickMode());
        QVERIFY(!w.stc()->isVisible());
        QCOMPARE(AlphaOf(l.bitmap.pixel(0, 0)), 0);
        QCOMPARE(AlphaOf(l.bitmap.pixel(10, 10)), 255);
        d.modifiedMark = kMarkSaved;
    }

    void layerCropDialogCutsTheLayer() {
        TMainForm w;
        w.show();
        Document& d = w.document();
        d.setCanvas(Bitmap32(500, 500));
        d.notify(kCanvasChanged);
        Layer& l = d.AddPhotograph(Bitmap32(400, 200, 0xFF336699), 100, 100);
        d.SetLayerLocation(l, {0, 0, 200, 100});
        whenShown<TCropLa>([&](TCropLa* c) {
            if (const QByteArray f = qgetenv("VIRAMO_SCREENSHOTS"); !f.isEmpty()) {
                c->setRegion({100, 50, 300, 150});
                c->grab().save(QString::fromUtf8(f) + QStringLiteral("/crop-layer.png"));
            }
            c->setRegion({0, 0, 100, 100});
            c->accept();
        });
        QVERIFY(w.action(QStringLiteral("actCropLayer"))->isEnabled());
        w.action(QStringLiteral("actCropLayer"))->trigger();
        QCOMPARE(l.bitmap.width(), 100);
        QCOMPARE(l.location, (FloatRect{0, 0, 50, 50}));
        d.modifiedMark = kMarkSaved;
    }
};

QTEST_MAIN(EditingTest)
#include "EditingTest.moc"
