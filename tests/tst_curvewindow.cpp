// The curve window: its controls, copy, save, close and the pointer read-out.
#include "drive.h"
#include "plot/imagesurface.h"
#include "platform/twips.h"
#include "plot/grid.h"
#include "scripteddialogs.h"
#include "windows/curve/frmcurve.h"
#include "windows/windows.h"

#include <QtTest>
#include <QtWidgets>

using namespace zelta;

struct ReadoutRow {
    QString option;
    float x, y; // surface twips
    QString text;
};
Q_DECLARE_METATYPE(ReadoutRow)

class TstCurveWindow : public QObject {
    Q_OBJECT
    ScriptedDialogs dialogs;
    QTemporaryDir dir; // also the working folder, where a stray write would land
    FrmMain *frm = nullptr;
    FrmCurve *curve() { return windows().frmCurve(); }

    // Sketches 2x^2 on the four-unit scale and shows the curve window.
    void sketch()
    {
        drive::setGrid(frm, "OptFour");
        drive::addTerm(frm, "2", "CmdXSquare");
        drive::click(frm->cmdSketch);
    }
    static QByteArray bytesOf(const QString &name)
    {
        QFile file(name);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private slots:
    void initTestCase() { QVERIFY(QDir::setCurrent(dir.path())); }
    void init()
    {
        frm = windows().frmMain();
        frm->show();
        dialogs.messages.clear();
    }
    void cleanup()
    {
        windows().destroyAll();
        for (const QString &f : QDir().entryList(QDir::Files))
            QFile::remove(f);
    }

    void control_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QRect>("twips");
        QTest::newRow("CmdCopy") << "CmdCopy" << "Copy to Clipboard" << QRect(960, 6240, 2295, 375);
        QTest::newRow("CmdSave") << "CmdSave" << "Save as Bitmap" << QRect(3480, 6240, 2295, 375);
        QTest::newRow("Cmd") << "Cmd" << "Reset Zeltaplot" << QRect(6000, 6240, 2415, 375);
        QTest::newRow("LblScale") << "LblScale" << "Scale: One big box represents one unit on each axis"
                                  << QRect(0, 6840, 9135, 255);
        QTest::newRow("PicCurve") << "PicCurve" << "" << QRect(0, 0, 9200, 6800);
    }
    // The controls after start-up, which chose the one-unit scale.
    void control()
    {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(QRect, twips);
        auto *w = curve()->findChild<QWidget *>(name);
        QVERIFY(w);
        if (auto *b = qobject_cast<QAbstractButton *>(w))
            QCOMPARE(b->text(), text);
        if (auto *l = qobject_cast<QLabel *>(w))
            QCOMPARE(l->text(), text);
        QCOMPARE(w->geometry(), twipsRect(twips.x(), twips.y(), twips.width(), twips.height()));
    }

    void window()
    {
        QCOMPARE(curve()->windowTitle(), "Curve");
        QCOMPARE(curve()->size(), QSize(613, 471)); // 9195 x 7065 twips
        QCOMPARE(curve()->minimumSize(), curve()->maximumSize());
        QCOMPARE(curve()->windowIcon().pixmap(32).toImage(), frm->windowIcon().pixmap(32).toImage());
    }

    // The surface first, then Reset, Save and Copy; the label takes no focus.
    void tabOrder()
    {
        sketch();
        QVERIFY(QTest::qWaitForWindowActive(curve()));
        QTRY_COMPARE(QApplication::focusWidget(), curve()->PicCurve);
        QStringList order;
        for (int i = 0; i < 4; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            order << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(order, (QStringList{"Cmd", "CmdSave", "CmdCopy", "PicCurve"}));
    }

    void copyPutsThePicture()
    {
        sketch();
        drive::click(curve()->CmdCopy);
        QCOMPARE(QGuiApplication::clipboard()->image(), curve()->PicCurve->Image());
    }

    void saveWritesTheWholePicture()
    {
        sketch();
        dialogs.saveNames << "curve.bmp";
        drive::click(curve()->CmdSave);
        const QByteArray bytes = bytesOf("curve.bmp");
        QCOMPARE(bytes.left(2), "BM");
        QCOMPARE(QImage::fromData(bytes, "BMP").size(), QSize(613, 453));
        QCOMPARE(QImage::fromData(bytes, "BMP"), curve()->PicCurve->Image());
        QCOMPARE(dialogs.messages, QStringList());
    }

    void cancelSavesNothing()
    {
        sketch();
        dialogs.saveNames << QString();
        drive::click(curve()->CmdSave);
        QCOMPARE(QDir().entryList(QDir::Files), QStringList());
        QCOMPARE(dialogs.messages, QStringList());
    }

    // A save that fails is told, and the file it was to replace stays as it was.
    void failedSaveKeepsTheOldFile()
    {
        sketch();
        dialogs.saveNames << "curve.bmp" << dir.path();
        drive::click(curve()->CmdSave);
        const QByteArray before = bytesOf("curve.bmp");
        drive::click(curve()->CmdSave);
        QCOMPARE(dialogs.messages.size(), 1);
        QVERIFY(dialogs.messages.first().contains(dir.path()));
        QVERIFY(!saveBitmap(QImage(), "curve.bmp")); // nothing to write
        QCOMPARE(bytesOf("curve.bmp"), before);
    }

    void readout_data()
    {
        QTest::addColumn<ReadoutRow>("r");
        QTest::newRow("one unit") << ReadoutRow{"OptOne", 4850, 3150, "0.5,0.5"};
        QTest::newRow("origin") << ReadoutRow{"OptOne", 4600, 3400, "0,0"};
        QTest::newRow("half, top left") << ReadoutRow{"OptHalf", 0, 0, "-4.6,3.4"};
        QTest::newRow("two units") << ReadoutRow{"OptTwo", 4850, 3900, "1,-2"};
        QTest::newRow("four units") << ReadoutRow{"OptFour", 4845, 3150, "1.96,2"};
    }
    void readout()
    {
        QFETCH(ReadoutRow, r);
        if (r.option == "OptOne")
            drive::click(frm->OptTwo);
        drive::click(frm->findChild<QRadioButton *>(r.option));
        curve()->PicCurve_MouseMove(r.x, r.y);
        QCOMPARE(curve()->PicCurve->toolTip(), r.text);
    }

    void readoutFollowsThePointer()
    {
        sketch();
        QVERIFY(QTest::qWaitForWindowExposed(curve()));
        // Pixel (323, 210) is column 4845, row 3150, at 125 twips to the unit.
        QTest::mouseMove(curve()->windowHandle(), curve()->PicCurve->mapTo(curve(), QPoint(323, 210)));
        QTRY_COMPARE(curve()->PicCurve->toolTip(), "1.96,2");
    }

    void readoutWithADecimalComma()
    {
        QLocale::setDefault(QLocale(QLocale::German));
        curve()->PicCurve_MouseMove(4850, 3150);
        QLocale::setDefault(QLocale::c());
        QCOMPARE(curve()->PicCurve->toolTip(), "0,5;0,5");
    }

    // After the window is closed, Set Grid draws on a new white surface with the designed label.
    void setGridAfterClosing()
    {
        sketch();
        QPointer<FrmCurve> closed = curve();
        closed->close();
        QTRY_VERIFY(closed.isNull());
        drive::click(frm->CmdGrid);
        QCOMPARE(curve()->LblScale->text(), "Scale: One big square on each axis represents one units.");
        ImageSurface fresh;
        drawGrid(fresh, 3400, 4600, 4); // the four-unit scale stays chosen
        QCOMPARE(curve()->PicCurve->Image(), fresh.Image());
    }

    // The real dialog: a name typed without extension is saved as a bitmap.
    void typedNameGetsTheBmpExtension()
    {
        curve()->showInFront();
        setDialogService(nullptr);
        QTimer::singleShot(200, this, [] { QTest::keyClicks(QApplication::focusWidget(), "typed\r"); });
        drive::click(curve()->CmdSave);
        setDialogService(&dialogs);
        QCOMPARE(QDir().entryList(QDir::Files), QStringList{"typed.bmp"});
        QCOMPARE(QImage("typed.bmp").size(), QSize(613, 453));
    }

    // The real dialog's settings: bitmaps only, a confirmation before a file is replaced, no title.
    void saveDialogSettings()
    {
        curve()->showInFront();
        setDialogService(nullptr);
        QStringList seen;
        QTimer::singleShot(200, this, [&seen] {
            auto *box = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            if (!box)
                return;
            seen << box->nameFilters() << box->defaultSuffix()
                 << (box->testOption(QFileDialog::DontConfirmOverwrite) ? "no confirmation" : "confirmation")
                 << (box->acceptMode() == QFileDialog::AcceptSave ? "save" : "open");
            box->reject();
        });
        drive::click(curve()->CmdSave);
        setDialogService(&dialogs);
        QCOMPARE(seen, (QStringList{"Bitmaps (*.bmp)", "bmp", "confirmation", "save"}));
    }
};

QTEST_MAIN(TstCurveWindow)
#include "tst_curvewindow.moc"
