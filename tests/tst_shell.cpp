// Start-up, the splash and About window, ending the program, and the help window's behaviour.
#include "drive.h"
#include "plot/imagesurface.h"
#include "scripteddialogs.h"
#include "windows/curve/frmcurve.h"
#include "windows/help/frmhelp.h"
#include "windows/main/frmmain.h"
#include "windows/splash/frmsplash.h"
#include "windows/windows.h"

#include <QtTest>
#include <QtWidgets>

using namespace zelta;

class TstShell : public QObject {
    Q_OBJECT
    ScriptedDialogs dialogs;
    int quits = 0;

    static void run(const QString &script)
    {
        const QString failed = drive::run(script);
        QVERIFY2(failed.isEmpty(), qPrintable(failed));
    }
    static QString loaded()
    {
        const Windows &w = windows();
        return QStringLiteral("%1%2%3%4").arg(w.mainLoaded() ? "main " : "", w.curveLoaded() ? "curve " : "",
                                               w.splashLoaded() ? "splash " : "", w.helpLoaded() ? "help" : "").trimmed();
    }

private slots:
    void init()
    {
        quits = 0;
        windows().quit = [this] { ++quits; };
    }
    void cleanup()
    {
        windows().destroyAll();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // Loading the splash loads the main and curve windows, hidden.
    void startUp()
    {
        windows().frmSplash()->showInFront();
        QCOMPARE(loaded(), "main curve splash");
        QVERIFY(!windows().frmMain()->isVisible() && !windows().frmCurve()->isVisible());
    }

    void dismissed_data()
    {
        QTest::addColumn<QString>("step");
        QTest::addColumn<bool>("dismisses");
        QTest::newRow("click") << "click frmSplash" << true;
        QTest::newRow("Enter") << "key frmSplash Return" << true;
        QTest::newRow("Escape") << "key frmSplash Escape" << true;
        QTest::newRow("a letter") << "key frmSplash Q" << true;
        QTest::newRow("Shift alone") << "key frmSplash Shift" << false;
        QTest::newRow("an arrow") << "key frmSplash Left" << false;
    }
    // A click or a typed character shows the main window and unloads the splash.
    void dismissed()
    {
        QFETCH(QString, step);
        QFETCH(bool, dismisses);
        windows().frmSplash()->showInFront();
        QVERIFY(QTest::qWaitForWindowActive(windows().frmSplash()));
        run(step);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(loaded(), dismisses ? "main curve" : "main curve splash");
        QCOMPARE(windows().frmMain()->isVisible(), dismisses);
        QCOMPARE(quits, 0);
    }

    // A second About shows the same splash without loading it again; the main window stays usable.
    void aboutTwice()
    {
        windows().frmMain()->show();
        run("menu mnuAbout");
        QPointer<FrmSplash> splash = windows().frmSplash();
        splash->LblLoading->setText("seen");
        run("menu mnuAbout; click CmdGrid");
        QCOMPARE(windows().frmSplash(), splash.data());
        QCOMPARE(splash->LblLoading->text(), "seen");
        QVERIFY(windows().frmMain()->FrameEquation->isVisible());
    }

    // About after the curve window was closed loads it again, hidden and white.
    void aboutAfterTheCurveWindowClosed()
    {
        windows().frmMain()->show();
        run("click CmdGrid; menu mnuCur01; close frmCurve");
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(loaded(), "main");
        run("menu mnuAbout");
        QVERIFY(windows().curveLoaded() && !windows().frmCurve()->isVisible());
        QCOMPARE(windows().frmCurve()->PicCurve->Image().convertToFormat(QImage::Format_Indexed8).colorTable(), {0xffffffff});
    }

    void ending_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("left"); // the windows still loaded
        QTest::newRow("closing the main window") << "close frmMain" << "";
        QTest::newRow("Exit, at once: no Unload step") << "menu mnuExit" << "main curve splash help";
    }
    // Both end the program once, with the curve, help and About windows open.
    void ending()
    {
        QFETCH(QString, how);
        QFETCH(QString, left);
        windows().frmMain()->show();
        run("menu mnuCur01; menu mnuHowTo; menu mnuAbout;" + how);
        QCOMPARE(loaded(), left);
        QCOMPARE(quits, 1);
    }

    void mainWindowKeepsDigits_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("passed");
        QTest::newRow("a digit") << int(Qt::Key_7) << true;
        QTest::newRow("a letter") << int(Qt::Key_A) << false;
        QTest::newRow("Enter") << int(Qt::Key_Return) << false;
    }
    // Keys that reach the window itself: digits pass on, other characters are dropped there.
    void mainWindowKeepsDigits()
    {
        QFETCH(int, key);
        QFETCH(bool, passed);
        QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier, QString(QChar(key == Qt::Key_Return ? '\r' : key)));
        QApplication::sendEvent(windows().frmMain(), &event);
        QCOMPARE(event.isAccepted(), !passed);
    }

    void helpHover_data()
    {
        QTest::addColumn<QString>("over");
        QTest::addColumn<QString>("raised");
        QTest::newRow("a topic's name") << "lblDes3" << "cmdDes0 cmdDes3";
        QTest::newRow("Close") << "lClose" << "cmdDes0 cClose";
        QTest::newRow("the background") << "frmHelp" << "";
        QTest::newRow("the text") << "txtHelp0" << "cmdDes0";
        QTest::newRow("the title") << "lblOnTop0" << "cmdDes0";
    }
    // With the first topic's button up, where the pointer goes next raises, keeps or lowers buttons.
    void helpHover()
    {
        QFETCH(QString, over);
        QFETCH(QString, raised);
        windows().frmMain()->show();
        run("menu mnuHowTo; point lblDes0;");
        FrmHelp *help = windows().frmHelp();
        if (over == "frmHelp") { // between two rows lies background
            const QPoint gap = help->lblDes[2]->geometry().bottomLeft() + QPoint(20, 3);
            QMouseEvent move(QEvent::MouseMove, gap, help->mapToGlobal(gap), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(help, &move);
        } else {
            run("point " + over);
        }
        QStringList up;
        for (QPushButton *b : help->findChildren<QPushButton *>())
            if (b->isVisible())
                up << b->objectName();
        QCOMPARE(up.join(' '), raised);
    }

    // Close hides the window as it is; How to... shows it again with the topic last chosen.
    void helpClosedAndAgain()
    {
        windows().frmMain()->show();
        run("menu mnuHowTo; point lblDes6; click cmdDes6; point lClose; click cClose");
        QVERIFY(windows().helpLoaded() && !windows().frmHelp()->isVisible());
        run("menu mnuHowTo");
        QCOMPARE(windows().frmHelp()->currentTopic(), 6);
    }

    // Closed by its frame the help window is unloaded; the next How to... starts at the first topic.
    void helpClosedByItsFrame()
    {
        windows().frmMain()->show();
        run("menu mnuHowTo; point lblDes4; click cmdDes4; close frmHelp");
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!windows().helpLoaded());
        run("menu mnuHowTo");
        QCOMPARE(windows().frmHelp()->currentTopic(), 0);
    }
};

QTEST_MAIN(TstShell)
#include "tst_shell.moc"
