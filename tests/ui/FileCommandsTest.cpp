// Opening, saving, exporting and the new-page dialog, driven as a user would
// but with the file dialogs answered by the test.
#include <QAction>
#include <QComboBox>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>

#include "UiTestUtil.h"

#include "core/codecs/Picture.h"
#include "core/document/Files.h"
#include "core/document/Locations.h"
#include "core/document/ProjectFile.h"
#include "core/document/Undo.h"
#include "core/util/Errors.h"
#include "ui/app/MainUnit.h"
#include "ui/cards/CMStart.h"
#include "ui/document/CompMode.h"
#include "ui/document/Gifus.h"

using namespace viramo;

namespace {


void dismissMessage() {
    whenShown<QMessageBox>([](QMessageBox* b) { b->accept(); });
}

}  // namespace

class FileCommandsTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;
    QString path(const QString& name) const { return dir_.path() + QLatin1Char('/') + name; }
    QString picture(const QString& name, int w = 60, int h = 40) {
        SavePicture(path(name).toStdString(), Bitmap32(w, h, 0xFF204080));
        return path(name);
    }
    static Bytes bytes(const QString& p) { return ReadFileBytes(p.toStdString()); }

private slots:
    void init() {
        QDir(dir_.path() + QStringLiteral("/program")).removeRecursively();
        QDir().mkpath(dir_.path() + QStringLiteral("/program"));
        SetProgramFolder((dir_.path() + QStringLiteral("/program")).toStdString());
    }

    void saveButtonFollowsTheOpenedExtension() {
        TMainForm w;
        w.show();
        QVERIFY(w.OpenFileByPath(picture(QStringLiteral("photo.JPG"))));
        QVERIFY(w.action(QStringLiteral("tbSave"))->isEnabled());
        QVERIFY(!w.action(QStringLiteral("actUndo"))->isEnabled());
        QVERIFY(w.OpenFileByPath(picture(QStringLiteral("photo.png"))));
        QVERIFY(!w.action(QStringLiteral("tbSave"))->isEnabled());
        // Opening the "Файл" menu enables its "Сохранить" all the same.
        emit w.menuBar()->actions()[0]->menu()->aboutToShow();
        QVERIFY(w.action(QStringLiteral("actSave"))->isEnabled());
        w.document().modifiedMark = kMarkSaved;
    }

    void saveAsAppendsTheExtensionAndSaveWritesThereAgain() {
        TMainForm w;
        w.show();
        QVERIFY(w.OpenFileByPath(picture(QStringLiteral("source.png"))));
        w.document().AddPhotograph(Bitmap32(10, 10, 0xFFFF0000), 30, 20);
        QString answer = path(QStringLiteral("card"));
        w.saveNameProvider = [&](QString& name, int& entry) {
            name = answer;
            entry = 2;
            return true;
        };
        QVERIFY(w.SaveAsClick(2));
        QCOMPARE(w.documentPath(), path(QStringLiteral("card.bmp")));
        QCOMPARE(w.document().modifiedMark, kMarkSaved);
        QCOMPARE(DecodePicture(bytes(path(QStringLiteral("card.bmp"))), PictureFormat::Bmp).pixel(30, 20), 0xFFFF0000u);
        answer = path(QStringLiteral("card.bmp"));
        QVERIFY(w.SaveAsClick(2));
        QCOMPARE(w.documentPath(), path(QStringLiteral("card.bmp.bmp")));
        QFile::remove(path(QStringLiteral("card.bmp.bmp")));
        w.document().AddPhotograph(Bitmap32(4, 4), 5, 5);
        QVERIFY(w.SaveClick());
        QVERIFY(QFile::exists(path(QStringLiteral("card.bmp.bmp"))));
        QCOMPARE(w.statusText(0), path(QStringLiteral("card.bmp.bmp")));
    }

    void projectsEnterTheRecentListOnceAndReopenExactly() {
        TMainForm w;
        w.show();
        QVERIFY(w.OpenFileByPath(picture(QStringLiteral("base.bmp"))));
        Layer& l = w.document().AddPhotograph(Bitmap32(8, 8, 0x80FF00FF), 20, 20);
        w.document().SetLayerLocation(l, {1.5f, 2.25f, 9.5f, 10.25f});
        w.saveNameProvider = [&](QString& name, int& entry) {
            name = path(QStringLiteral("work"));
            entry = 1;
            return true;
        };
        QVERIFY(w.SaveAsClick(2));
        QVERIFY(w.SaveAsClick(2));
        const auto& captions = w.recentList().captions();
        QCOMPARE(std::count(captions.begin(), captions.end(), path(QStringLiteral("work.zrt")).toStdString()), 1);
        QVERIFY(w.OpenFileByPath(path(QStringLiteral("work.zrt"))));
        QCOMPARE(w.document().bitmapLayerCount(), 1);
        QCOMPARE(w.document().selection()->location, (FloatRect{1.5f, 2.25f, 9.5f, 10.25f}));
        QVERIFY(w.action(QStringLiteral("tbSave"))->isEnabled());
        w.document().modifiedMark = kMarkSaved;
    }

    void saveRightAfterNewAsksForAName() {
        TMainForm w;
        w.show();
        whenShown<TTemplates>([](TTemplates* t) {
            t->Shabl->setCurrentIndex(7);  // "640 x 480"
            t->accept();
        });
        w.NewClick();
        QCOMPARE(w.document().canvas().width(), 640);
        QCOMPARE(w.document().canvas().pixel(3, 3), 0xFFFFFFFFu);
        QCOMPARE(w.statusText(0), QStringLiteral("Новый проект"));
        QVERIFY(w.documentPath().isEmpty());
        bool asked = false;
        w.saveNameProvider = [&](QString&, int&) {
            asked = true;
            return false;  // cancelled
        };
        QVERIFY(!w.SaveClick());
        QVERIFY(asked);
        QCOMPARE(w.document().modifiedMark, kMarkChanged);  // a cancelled save saved nothing
        w.document().modifiedMark = kMarkSaved;
    }

    void aSaveThatFailsPartWayKeepsTheOldFileAndTheChangedMark() {
        TMainForm w;
        w.show();
        const QString file = picture(QStringLiteral("keep.bmp"), 800, 600);
        QVERIFY(w.OpenFileByPath(file));
        const Bytes before = bytes(file);
        w.document().AddPhotograph(Bitmap32(100, 100, 0xFF00FF00), 400, 300);
        QCOMPARE(w.document().modifiedMark, kMarkChanged);
        SetWriteFaultHook([](int chunk) { return chunk < 1; });  // the disk fills after the first megabyte
        dismissMessage();
        QVERIFY(!w.SaveClick());
        SetWriteFaultHook(nullptr);
        QVERIFY(bytes(file) == before);
        QCOMPARE(w.document().modifiedMark, kMarkChanged);
        int asked = 0;
        w.questionHandler = [&](const QString&) {
            ++asked;
            return QMessageBox::Cancel;
        };
        QVERIFY(!w.close());  // closing still asks
        QCOMPARE(asked, 1);
        // Yes with a save that fails keeps the program open too.
        SetWriteFaultHook([](int) { return false; });
        w.questionHandler = [&](const QString&) { return QMessageBox::Yes; };
        dismissMessage();
        QVERIFY(!w.close());
        SetWriteFaultHook(nullptr);
        w.document().modifiedMark = kMarkSaved;
    }

    void jpegAndGifDialogsWriteWhatTheyShow() {
        TMainForm w;
        w.show();
        QVERIFY(w.OpenFileByPath(picture(QStringLiteral("dlg.png"))));
        auto* slider = w.compress()->findChild<QSlider*>(QStringLiteral("TrackBar1"));
        auto* number = w.compress()->findChild<QSpinBox*>(QStringLiteral("ImageWidth"));
        slider->setValue(33);
        QCOMPARE(number->value(), 33);
        number->setValue(81);
        QCOMPARE(slider->value(), 81);
        for (int q : {1, 100}) {
            w.saveNameProvider = [&, q](QString& name, int& entry) {
                name = path(QStringLiteral("q%1").arg(q));
                entry = 3;
                return true;
            };
            whenShown<TCompress>([q](TCompress* c) {
                c->setQuality(q);
                c->findChild<QPushButton*>(QStringLiteral("Button1"))->click();
            });
            QVERIFY(w.SaveAsClick(3));
            QCOMPARE(LoadPicture(path(QStringLiteral("q%1.jpg").arg(q)).toStdString()).width(), 60);
        }
        // Closing the JPEG dialog without saving writes nothing and changes nothing.
        w.saveNameProvider = [&](QString& name, int& entry) {
            name = path(QStringLiteral("never"));
            entry = 3;
            return true;
        };
        const QString before = w.documentPath();
        whenShown<TCompress>([](TCompress* c) { c->reject(); });
        QVERIFY(!w.SaveAsClick(3));
        QVERIFY(!QFile::exists(path(QStringLiteral("never.jpg"))));
        QCOMPARE(w.documentPath(), before);
        // The GIF dialog names the picture's real number of colours.
        w.document().AddPhotograph(Bitmap32(5, 5, 0xFFFF0000), 10, 10);
        w.saveNameProvider = [&](QString& name, int& entry) {
            name = path(QStringLiteral("two"));
            entry = 4;
            return true;
        };
        QString notice;
        whenShown<TGifType>([&](TGifType* g) {
            notice = g->notice();
            g->setBits(1);
            g->findChild<QPushButton*>(QStringLiteral("Button1"))->click();
        });
        QVERIFY(w.SaveAsClick(4));
        QCOMPARE(notice, QStringLiteral("Информация: сохраняемое изображение содержит 2 цветов."));
        QVERIFY(QFile::exists(path(QStringLiteral("two.gif"))));
    }

    void undoAndRedoThroughTheMenu() {
        TMainForm w;
        w.show();
        QVERIFY(w.OpenFileByPath(picture(QStringLiteral("u.png"))));
        RecordUndo(w.document(), UndoKind::Effect);
        w.document().canvas().clear(0xFF000000);
        w.document().canvasPixelsChanged();
        QVERIFY(w.action(QStringLiteral("actUndo"))->isEnabled());
        QVERIFY(w.action(QStringLiteral("tbUndo"))->isEnabled());
        w.action(QStringLiteral("actUndo"))->trigger();
        QCOMPARE(w.document().canvas().pixel(0, 0), 0xFF204080u);
        QVERIFY(!w.action(QStringLiteral("actUndo"))->isEnabled());
        QVERIFY(w.action(QStringLiteral("tbRedo"))->isEnabled());
        w.action(QStringLiteral("tbRedo"))->trigger();
        QCOMPARE(w.document().canvas().pixel(0, 0), 0xFF000000u);
        w.document().modifiedMark = kMarkSaved;
    }

    void pageDialogFollowsItsTimer() {
        TTemplates t;
        if (const QByteArray folder = qgetenv("VIRAMO_SCREENSHOTS"); !folder.isEmpty()) {
            t.show();
            t.grab().save(QString::fromUtf8(folder) + QStringLiteral("/new-page.png"));
            TMainForm w;
            w.gifType()->setColourCount(321424);
            w.gifType()->show();
            w.gifType()->grab().save(QString::fromUtf8(folder) + QStringLiteral("/gif.png"));
            w.compress()->show();
            w.compress()->grab().save(QString::fromUtf8(folder) + QStringLiteral("/jpeg.png"));
        }
        t.Shabl->setCurrentIndex(1);  // A4
        QCOMPARE(t.WI->value(), 297);
        QCOMPARE(t.CEP->currentIndex(), 1);
        QVERIFY(t.Alba->isChecked());
        t.Book->click();
        QCOMPARE(t.WI->value(), 210);
        QTRY_COMPARE(t.NewPageWidth(), 595);
        QVERIFY(t.Book->isChecked());
        t.Resol->setValue(300);
        QCOMPARE(t.NewPageHeight(), 3508);
        QCOMPARE(t.sizeLabel(), QString::number((2480LL * 3508 * 4 + 512) / 1024));
        t.CEP->setCurrentIndex(0);
        QCOMPARE(t.WI->value(), 2480);
    }
};

QTEST_MAIN(FileCommandsTest)
#include "FileCommandsTest.moc"
