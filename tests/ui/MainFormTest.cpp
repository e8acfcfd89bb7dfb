// The main window under the offscreen platform: start-up from settings files,
// opening from the command line, menu enabling, closing and the start page.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QSlider>
#include <QTemporaryDir>
#include <QtTest>

#include "core/codecs/Picture.h"
#include "core/document/Locations.h"
#include "core/util/FileIO.h"
#include "ui/app/MainUnit.h"
#include "ui/widgets/ImgView.h"

using namespace viramo;

class MainFormTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;
    QString program_;

    QString file(const QString& name) const { return program_ + QLatin1Char('/') + name; }
    void write(const QString& name, const QByteArray& bytes) {
        WriteFileAtomic(file(name).toStdString(), Bytes(bytes.begin(), bytes.end()));
    }
    QByteArray read(const QString& name) {
        QFile f(file(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    QString picture(const QString& name, int w, int h) {
        const QString path = dir_.path() + QLatin1Char('/') + name;
        Bitmap32 b(w, h, 0xFF3060A0);
        SavePicture(path.toStdString(), b);
        return path;
    }
    // Saves what the window shows when VIRAMO_SCREENSHOTS names a folder.
    void shoot(QWidget& w, const char* name) {
        const QByteArray folder = qgetenv("VIRAMO_SCREENSHOTS");
        if (!folder.isEmpty()) w.grab().save(QString::fromUtf8(folder) + QLatin1Char('/') + QLatin1String(name));
    }

private slots:
    void init() {
        program_ = dir_.path() + QStringLiteral("/program");
        QDir(program_).removeRecursively();
        QDir().mkpath(program_);
        SetProgramFolder(program_.toStdString());
        qputenv("XDG_CONFIG_HOME", (dir_.path() + QStringLiteral("/config")).toUtf8());
    }

    void firstStartWithClearListShowsEmptyLabelsAndWritesPusto() {
        write(QStringLiteral("Dirs.lst"), "Clear\r\n");
        {
            TMainForm w;
            w.show();
            for (const QString& t : w.startLabelTexts()) QCOMPARE(t, QStringLiteral("Пусто"));
            QVERIFY(w.startPageVisible());
            QVERIFY(!w.imagePanelVisible());
            QVERIFY(!w.layerPanelVisible());
            QVERIFY(!w.compositionPanelVisible());
            shoot(w, "start-page.png");
            QVERIFY(w.close());  // an empty canvas closes without asking
        }
        QCOMPARE(read(QStringLiteral("Dirs.lst")), QByteArray("Пусто\r\n"));
        QCOMPARE(read(QStringLiteral("View.atp")), QByteArray("clGray"));
        QCOMPARE(read(QStringLiteral("CForm.atp")).size(), 24);
    }

    void settingsFilesAreReadAndWrittenBack() {
        write(QStringLiteral("View.atp"), "CHESS");
        QByteArray form(24, 0);
        form[0] = 2;   // maximised
        form[20] = 1;  // side panel on the left
        write(QStringLiteral("CForm.atp"), form);
        write(QStringLiteral("Dirs.lst"), "/a/one.jpg\r\n/b/two.png\r\n");
        {
            TMainForm w;
            QVERIFY(w.action(QStringLiteral("actChess"))->isChecked());
            QVERIFY(w.windowState() & Qt::WindowMaximized);
            const auto labels = w.startLabelTexts();
            QCOMPARE(labels[0], QStringLiteral("one.jpg"));
            QCOMPARE(labels[1], QStringLiteral("two.png"));
            QCOMPARE(labels[2], QStringLiteral("Пусто"));
            w.show();
            QVERIFY(w.close());
        }
        QCOMPARE(read(QStringLiteral("View.atp")), QByteArray("CHESS"));
        QCOMPARE(read(QStringLiteral("CForm.atp"))[20], char(1));
        QCOMPARE(read(QStringLiteral("Dirs.lst")), QByteArray("/a/one.jpg\r\n/b/two.png\r\n"));
    }

    void commandLinePathSplitAtBlanksOpensOneFile() {
        const QString path = picture(QStringLiteral("my summer photo.png"), 300, 200);
        TMainForm w;
        w.OpenCommandLine(path.split(QLatin1Char(' ')));
        QCOMPARE(w.document().canvas().width(), 0);  // opened when the window is shown
        w.show();
        QCOMPARE(w.document().canvas().width(), 300);
        QCOMPARE(w.document().modifiedMark, kMarkSaved);
        QCOMPARE(w.statusText(0), path);
        QCOMPARE(w.statusText(1), QStringLiteral("300x200"));
        QVERIFY(!w.startPageVisible());
        QVERIFY(w.imagePanelVisible());
        QVERIFY(w.compositionPanelVisible());
        QCOMPARE(w.recentList().captions()[0], path.toStdString());
        QVERIFY(!w.action(QStringLiteral("tbSave"))->isEnabled());  // .png: the save button stays off
        QVERIFY(w.close());  // nothing changed since opening
    }

    void unreadableFileKeepsTheOpenDocument() {
        const QString good = picture(QStringLiteral("good.bmp"), 50, 40);
        TMainForm w;
        w.show();
        QVERIFY(w.OpenFileByPath(good));
        write(QStringLiteral("broken.jpg"), "not a picture");
        QTimer::singleShot(0, [] {  // dismiss the message box
            for (QWidget* top : QApplication::topLevelWidgets())
                if (auto* box = qobject_cast<QMessageBox*>(top)) box->accept();
        });
        QVERIFY(!w.OpenFileByPath(file(QStringLiteral("broken.jpg"))));
        QCOMPARE(w.document().canvas().width(), 50);
        QCOMPARE(w.statusText(0), good);
        QVERIFY(w.action(QStringLiteral("tbSave"))->isEnabled());  // .bmp
        w.document().modifiedMark = kMarkSaved;
    }

    void menusFollowTheSelection() {
        TMainForm w;
        w.resize(900, 700);
        w.show();
        QVERIFY(w.OpenFileByPath(picture(QStringLiteral("canvas.png"), 800, 600)));
        Document& d = w.document();
        QVERIFY(w.action(QStringLiteral("actAddPhoto"))->isEnabled());
        QVERIFY(!w.action(QStringLiteral("tbBringToFront"))->isEnabled());
        Layer& a = d.AddPhotograph(Bitmap32(200, 100, 0xFFFF0000), 300, 300);
        d.AddPhotograph(Bitmap32(100, 100, 0xFF00FF00), 500, 350);
        QVERIFY(w.layerPanelVisible());
        QVERIFY(w.action(QStringLiteral("actClone"))->isEnabled());
        QVERIFY(w.action(QStringLiteral("actDelete"))->isEnabled());
        QVERIFY(!w.action(QStringLiteral("actBringToFront"))->isEnabled());  // already the top layer
        QVERIFY(w.action(QStringLiteral("actSendToBack"))->isEnabled());
        QVERIFY(w.action(QStringLiteral("tbBringToFront"))->isEnabled());
        QVERIFY(w.action(QStringLiteral("actRotateRight"))->isEnabled());
        QVERIFY(!w.action(QStringLiteral("actAddBorders"))->isEnabled());  // not built yet
        d.SetSelection(&a);
        QVERIFY(w.action(QStringLiteral("actBringToFront"))->isEnabled());
        QVERIFY(!w.action(QStringLiteral("actSendToBack"))->isEnabled());
        QCOMPARE(w.findChild<QSlider*>(QStringLiteral("LayerOpacity"))->value(), 255);
        w.findChild<QSlider*>(QStringLiteral("LayerOpacity"))->setValue(128);
        QCOMPARE(a.bitmap.masterAlpha, 128);
        shoot(w, "two-layers.png");
        Layer& crop = d.CreateFrameLayer(400, 300, kCropFrameTag);
        d.SetSelection(&crop);
        QVERIFY(w.cropPanelVisible());
        QVERIFY(!w.layerPanelVisible());
        QVERIFY(!w.action(QStringLiteral("actClone"))->isEnabled());
        QVERIFY(w.action(QStringLiteral("actDelete"))->isEnabled());
        // A click beside everything removes the crop frame and hides its panel.
        QTest::mouseClick(w.view()->viewport(), Qt::LeftButton, {}, QPoint(2, 2));
        QVERIFY(!w.cropPanelVisible());
        QVERIFY(d.selection() == nullptr);
        QVERIFY(!w.action(QStringLiteral("actDelete"))->isEnabled());
        d.modifiedMark = kMarkSaved;
    }

    void clickingAndDraggingALayer() {
        TMainForm w;
        w.resize(900, 700);
        w.show();
        QVERIFY(w.OpenFileByPath(picture(QStringLiteral("small.png"), 400, 300)));
        Document& d = w.document();
        Layer& l = d.AddPhotograph(Bitmap32(100, 50, 0xFFFF0000), 200, 150);
        d.SetSelection(nullptr);
        const QPointF at = w.view()->canvasToControl(QPointF(200, 150));
        QTest::mousePress(w.view()->viewport(), Qt::LeftButton, {}, at.toPoint());
        QCOMPARE(d.selection(), &l);
        QTest::mouseMove(w.view()->viewport(), (at + QPointF(30, 20)).toPoint());
        QTest::mouseRelease(w.view()->viewport(), Qt::LeftButton, {}, (at + QPointF(30, 20)).toPoint());
        QCOMPARE(l.location.left, 150.f + 30.f);
        QCOMPARE(l.location.top, 125.f + 20.f);
        QTest::keyClick(w.view(), Qt::Key_Delete);
        QCOMPARE(d.bitmapLayerCount(), 0);
        d.modifiedMark = kMarkSaved;
    }

    void closingAsksOnlyAfterAChangeAndCancelKeepsRunning() {
        TMainForm w;
        w.show();
        QVERIFY(w.OpenFileByPath(picture(QStringLiteral("c.png"), 64, 48)));
        w.document().modifiedMark = kMarkSaved;
        int asked = 0;
        QString question;
        w.questionHandler = [&](const QString& q) {
            ++asked;
            question = q;
            return QMessageBox::Cancel;
        };
        // Zooming is not a change of the picture.
        w.action(QStringLiteral("actFit"))->trigger();
        w.action(QStringLiteral("actZoom100"))->trigger();
        QVERIFY(w.AskSaveChanges());
        QCOMPARE(asked, 0);
        w.document().SetLayerOpacity(10);  // no layer: nothing changes
        QVERIFY(w.AskSaveChanges());
        QCOMPARE(asked, 0);
        w.document().AddPhotograph(Bitmap32(10, 10), 5, 5);
        QCOMPARE(w.document().modifiedMark, kMarkChanged);
        QVERIFY(!w.close());
        QCOMPARE(asked, 1);
        QCOMPARE(question, QStringLiteral("Сохранить изображение?"));
        QVERIFY(w.isVisible());
        w.questionHandler = [&](const QString&) { return QMessageBox::No; };
        QVERIFY(w.close());
    }

    void scrollingCountsAsAChangeButZoomingDoesNot() {
        TMainForm w;
        w.resize(600, 500);
        w.show();
        QVERIFY(w.OpenFileByPath(picture(QStringLiteral("big.png"), 3000, 2000)));
        w.document().modifiedMark = kMarkSaved;
        auto* combo = w.findChild<QComboBox*>(QStringLiteral("ScaleCombo"));
        combo->setEditText(QStringLiteral("150"));
        QCOMPARE(w.document().scale, 1.5f);
        QCOMPARE(combo->currentText(), QStringLiteral("150%"));
        combo->setEditText(QStringLiteral("abc"));
        QCOMPARE(combo->currentText(), QStringLiteral("150%"));
        QCOMPARE(w.document().modifiedMark, kMarkSaved);
        w.view()->horizontalScrollBar()->setValue(100);
        QCOMPARE(w.document().modifiedMark, kMarkChanged);
        w.document().modifiedMark = kMarkSaved;
    }
};

QTEST_MAIN(MainFormTest)
#include "MainFormTest.moc"
