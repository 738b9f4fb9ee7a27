// Start-up with the splash window, About, Exit, and closing the main window.
#include "drive.h"
#include "plot/imagesurface.h"
#include "scripteddialogs.h"
#include "windows/curve/frmcurve.h"
#include "windows/help/frmhelp.h"
#include "windows/splash/frmsplash.h"
#include "windows/windows.h"

#include <QtTest>
#include <QtWidgets>

using namespace zelta;

class TstSplash : public QObject {
    Q_OBJECT
    ScriptedDialogs dialogs;
    int quits = 0;

private slots:
    void init()
    {
        quits = 0;
        windows().quit = [this] { ++quits; };
    }
    void cleanup() { windows().destroyAll(); }

    // The Load step has run before the window is seen; the main and curve windows wait hidden.
    void startUp()
    {
        FrmSplash *splash = windows().frmSplash();
        QCOMPARE(splash->LblLoading->text(), " Click to continue");
        QCOMPARE(splash->lblVersion->text(), "Version 2.0.0");
        QCOMPARE(splash->lblProductName->text(), "Tavrin");
        QCOMPARE(splash->lblCompanyProduct->text(), "Zeltaplot");
        QCOMPARE(splash->size(), QSize(492, 283)); // 7380 x 4245 twips
        QVERIFY(splash->windowTitle().isEmpty());
        QVERIFY(windows().mainLoaded() && !windows().frmMain()->isVisible());
        QVERIFY(windows().curveLoaded() && !windows().frmCurve()->isVisible());
    }

    // Labels sized to their captions grow from their top-left corner.
    void sizedLabelsFitTheirCaptions()
    {
        FrmSplash *splash = windows().frmSplash();
        for (QLabel *l : {splash->lblVersion, splash->lblProductName, splash->lblCompanyProduct, splash->lblPlatform})
            QCOMPARE(l->size(), l->sizeHint());
        QCOMPARE(splash->lblVersion->pos(), QPoint(380, 180)); // 5700, 2700 twips
    }

    void dismissed_data()
    {
        QTest::addColumn<int>("key"); // 0: a click
        QTest::addColumn<bool>("dismisses");
        QTest::newRow("click") << 0 << true;
        QTest::newRow("Enter") << int(Qt::Key_Return) << true;
        QTest::newRow("Escape") << int(Qt::Key_Escape) << true;
        QTest::newRow("a letter") << int(Qt::Key_Q) << true;
        QTest::newRow("Shift alone") << int(Qt::Key_Shift) << false;
        QTest::newRow("an arrow") << int(Qt::Key_Left) << false;
    }
    void dismissed()
    {
        QFETCH(int, key);
        QFETCH(bool, dismisses);
        QPointer<FrmSplash> splash = windows().frmSplash();
        splash->showInFront();
        QVERIFY(QTest::qWaitForWindowActive(splash));
        if (key == 0)
            QTest::mouseClick(splash, Qt::LeftButton, {}, QPoint(400, 40));
        else
            QTest::keyClick(splash, Qt::Key(key));
        QTRY_COMPARE(splash.isNull(), dismisses);
        QCOMPARE(windows().frmMain()->isVisible(), dismisses);
        QCOMPARE(quits, 0);
    }

    // About over the usable main window; a second About shows the same window without loading it again.
    void aboutTwice()
    {
        FrmMain *main = windows().frmMain();
        main->show();
        main->mnuAbout->trigger();
        QPointer<FrmSplash> splash = windows().frmSplash();
        QVERIFY(splash->isVisible());
        splash->LblLoading->setText("seen");
        main->mnuAbout->trigger();
        QCOMPARE(windows().frmSplash(), splash.data());
        QCOMPARE(splash->LblLoading->text(), "seen");
        QVERIFY(main->isEnabled() && main->CmdGrid->isEnabled());
    }

    void aboutAfterTheCurveWindowClosed()
    {
        FrmMain *main = windows().frmMain();
        main->show();
        drive::setGrid(main);
        windows().unloadCurve();
        QVERIFY(!windows().curveLoaded());
        main->mnuAbout->trigger();
        QVERIFY(windows().curveLoaded() && !windows().frmCurve()->isVisible());
        const QImage picture = windows().frmCurve()->PicCurve->Image();
        QCOMPARE(picture.convertToFormat(QImage::Format_Indexed8).colorTable(), {0xffffffff});
    }

    // Closing the main window takes the curve, help and About windows with it, and ends the program.
    void closingTheMainWindowEndsTheProgram()
    {
        FrmMain *main = windows().frmMain();
        main->show();
        main->mnuCur01->trigger();
        main->mnuHowTo->trigger();
        main->mnuAbout->trigger();
        QVERIFY(windows().helpLoaded() && windows().splashLoaded());
        main->close();
        QVERIFY(!windows().mainLoaded() && !windows().curveLoaded() && !windows().helpLoaded() && !windows().splashLoaded());
        QCOMPARE(quits, 1);
    }

    void exitEndsAtOnce()
    {
        FrmMain *main = windows().frmMain();
        main->show();
        main->mnuCur01->trigger();
        main->mnuHowTo->trigger();
        main->mnuExit->trigger();
        QCOMPARE(quits, 1);
        // No Unload step ran: the curve window still holds its curve.
        QVERIFY(windows().curveLoaded());
        QCOMPARE(int(main->state.CurveCount), 1);
    }

    void mainWindowKeepsOnlyDigits_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("passed");
        QTest::newRow("a digit") << int(Qt::Key_7) << true;
        QTest::newRow("a letter") << int(Qt::Key_A) << false;
        QTest::newRow("Enter") << int(Qt::Key_Return) << false;
    }
    // Keys that reach the window itself: digits pass on, other characters are dropped there.
    void mainWindowKeepsOnlyDigits()
    {
        QFETCH(int, key);
        QFETCH(bool, passed);
        FrmMain *main = windows().frmMain();
        QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier, QString(QChar(key == Qt::Key_Return ? '\r' : key)));
        QApplication::sendEvent(main, &event);
        QCOMPARE(event.isAccepted(), !passed);
    }
};

QTEST_MAIN(TstSplash)
#include "tst_splash.moc"
