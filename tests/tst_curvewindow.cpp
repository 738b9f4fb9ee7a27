// The curve window: copy, save, close, reset and the pointer read-out.
#include "plot/imagesurface.h"
#include "scripteddialogs.h"
#include "windows/curve/frmcurve.h"
#include "windows/main/frmmain.h"
#include "windows/windows.h"

#include <QtTest>
#include <QtWidgets>

using namespace zelta;

class TstCurveWindow : public QObject {
    Q_OBJECT
    ScriptedDialogs m_dialogs;
    QTemporaryDir m_dir; // also the working folder, where a stray write would land
    FrmCurve *curve() { return windows().frmCurve(); }

private slots:
    void initTestCase() { QVERIFY(QDir::setCurrent(m_dir.path())); }

    // One session at the four-unit scale: sketch, copy, save, close, set the grid again, reset.
    void session()
    {
        FrmMain *main = windows().frmMain();
        main->show();
        QTest::mouseClick(main->OptFour, Qt::LeftButton, {}, QPoint(6, 8));
        QTest::mouseClick(main->CmdGrid, Qt::LeftButton);
        const QImage grid = curve()->PicCurve->Image();
        QTest::keyClicks(main->TxtCoeff, QStringLiteral("2"));
        QTest::mouseClick(main->CmdContin, Qt::LeftButton);
        QTest::mouseClick(main->CmdXSquare, Qt::LeftButton);
        QTest::mouseClick(main->cmdSketch, Qt::LeftButton);
        QPointer<FrmCurve> c = curve();
        QTest::mouseClick(c->CmdCopy, Qt::LeftButton);
        QCOMPARE(QGuiApplication::clipboard()->image(), c->PicCurve->Image());

        // Saved; then cancelled; then onto a folder, which fails with a message naming it.
        m_dialogs.saveNames << QStringLiteral("curve.bmp") << QString() << m_dir.path();
        for (int i = 0; i < 3; ++i)
            QTest::mouseClick(c->CmdSave, Qt::LeftButton);
        QVERIFY(m_dialogs.messages.size() == 1 && m_dialogs.messages.first().contains(m_dir.path()));
        QFile file(QStringLiteral("curve.bmp"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        file.close();
        QCOMPARE(QImage::fromData(bytes, "BMP").size(), QSize(613, 453));
        QCOMPARE(QImage::fromData(bytes, "BMP"), c->PicCurve->Image());
        QVERIFY(!saveBitmap(QImage(), file.fileName())); // a write that fails: an empty picture
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), bytes);

        // Pixel (323, 210) is column 4845, row 3150: 245 and 250 twips from the origin, 125 to a unit.
        QTest::mouseMove(c->windowHandle(), c->PicCurve->mapTo(c, QPoint(323, 210)));
        QTRY_COMPARE(c->PicCurve->toolTip(), QStringLiteral("1.96,2"));

        c->close();
        QTRY_VERIFY(c.isNull());
        QVERIFY(main->OptFour->isChecked());
        QCOMPARE(main->TxtStartX->text() + u' ' + main->TxtEndX->text(), QStringLiteral("-9 9"));
        QTest::keyClicks(main->TxtEndX, "\b5"); // another domain, for the reset to undo
        // Set Grid loads a new window: its designed caption, the grid on a white surface, the program's icon.
        QTest::mouseClick(main->CmdGrid, Qt::LeftButton);
        QCOMPARE(curve()->LblScale->text(), QStringLiteral("Scale: One big square on each axis represents one units."));
        QCOMPARE(curve()->PicCurve->Image(), grid);
        QCOMPARE(curve()->windowIcon().pixmap(32).toImage(), main->windowIcon().pixmap(32).toImage());

        // Reset amid an equation: the settings as at start, and white the only colour left on the surface.
        QTest::keyClicks(main->TxtCoeff, QStringLiteral("3"));
        QTest::mouseClick(main->CmdContin, Qt::LeftButton);
        QTest::mouseClick(curve()->Cmd, Qt::LeftButton);
        QVERIFY(main->OptOne->isChecked());
        QTRY_COMPARE(QApplication::focusWidget(), main->OptOne);
        QCOMPARE(main->TxtStartX->text() + u' ' + main->TxtEndX->text(), QStringLiteral("-9 9"));
        QVERIFY(std::ranges::none_of(main->termButtons(), &QPushButton::isEnabled));
        QVERIFY(main->CmdGrid->isEnabled());
        QVERIFY(main->FrameSettings->isVisible());
        QCOMPARE(curve()->PicCurve->Image().convertToFormat(QImage::Format_Indexed8).colorTable(), {0xffffffff});

        curve()->PicCurve_MouseMove(4850, 3150);
        QCOMPARE(curve()->PicCurve->toolTip(), QStringLiteral("0.5,0.5"));
        curve()->PicCurve_MouseMove(4600, 3400);
        QCOMPARE(curve()->PicCurve->toolTip(), QStringLiteral("0,0"));
        QTest::mouseClick(main->OptHalf, Qt::LeftButton, {}, QPoint(6, 8));
        curve()->PicCurve_MouseMove(0, 0);
        QCOMPARE(curve()->PicCurve->toolTip(), QStringLiteral("-4.6,3.4"));

        // A name typed without extension into the real dialog is saved as a bitmap.
        setDialogService(nullptr);
        QTimer::singleShot(200, this, [] { QTest::keyClicks(QApplication::focusWidget(), "typed\r"); });
        QTest::mouseClick(curve()->CmdSave, Qt::LeftButton);
        QCOMPARE(QDir().entryList(QDir::Files), (QStringList{"curve.bmp", "typed.bmp"}));
    }
};

QTEST_MAIN(TstCurveWindow)
#include "tst_curvewindow.moc"
