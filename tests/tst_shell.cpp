// Start-up, the splash and About window, ending the program, the help window, and what a screen
// reader and a keyboard user get.
#include "drive.h"
#include "plot/imagesurface.h"
#include "scripteddialogs.h"
#include "windows/curve/frmcurve.h"
#include "windows/help/frmhelp.h"
#include "windows/main/frmmain.h"
#include "windows/splash/frmsplash.h"
#include "windows/windows.h"

#include <QAccessible>
#include <QtTest>
#include <QtWidgets>

using namespace zelta;

static QString spoken(QObject *o, QAccessible::Text t = QAccessible::Name)
{
    QAccessibleInterface *a = QAccessible::queryAccessibleInterface(o);
    return a ? a->text(t) : QString();
}

class TstShell : public QObject {
    Q_OBJECT
    ScriptedDialogs dialogs;
    int quits = 0;

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
        DRIVE(step);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(loaded(), dismisses ? "main curve" : "main curve splash");
        QCOMPARE(windows().frmMain()->isVisible(), dismisses);
        QCOMPARE(quits, 0);
    }

    // A second About shows the same splash without loading it again; the main window stays usable.
    void aboutTwice()
    {
        windows().frmMain()->show();
        DRIVE("menu mnuAbout");
        QPointer<FrmSplash> splash = windows().frmSplash();
        splash->LblLoading->setText("seen");
        DRIVE("menu mnuAbout; click CmdGrid");
        QCOMPARE(windows().frmSplash(), splash.data());
        QCOMPARE(splash->LblLoading->text(), "seen");
        QVERIFY(windows().frmMain()->FrameEquation->isVisible());
    }

    // About after the curve window was closed loads it again, hidden and white.
    void aboutAfterTheCurveWindowClosed()
    {
        windows().frmMain()->show();
        DRIVE("click CmdGrid; menu mnuCur01; close frmCurve");
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(loaded(), "main");
        DRIVE("menu mnuAbout");
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
        DRIVE("menu mnuCur01; menu mnuHowTo; menu mnuAbout;" + how);
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
        DRIVE("menu mnuHowTo; point lblDes0;");
        FrmHelp *help = windows().frmHelp();
        if (over == "frmHelp") { // between two rows lies background
            const QPoint gap = help->lblDes[2]->geometry().bottomLeft() + QPoint(20, 3);
            QMouseEvent move(QEvent::MouseMove, gap, help->mapToGlobal(gap), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(help, &move);
        } else {
            DRIVE("point " + over);
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
        DRIVE("menu mnuHowTo; point lblDes6; click cmdDes6; point lClose; click cClose");
        QVERIFY(windows().helpLoaded() && !windows().frmHelp()->isVisible());
        DRIVE("menu mnuHowTo");
        QCOMPARE(windows().frmHelp()->currentTopic(), 6);
    }

    // Closed by its frame the help window is unloaded; the next How to... starts at the first topic.
    void helpClosedByItsFrame()
    {
        windows().frmMain()->show();
        DRIVE("menu mnuHowTo; point lblDes4; click cmdDes4; close frmHelp");
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!windows().helpLoaded());
        DRIVE("menu mnuHowTo");
        QCOMPARE(windows().frmHelp()->currentTopic(), 0);
    }
    void spokenName_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("name");
        QTest::newRow("-") << "CmdMinus" << "minus";
        QTest::newRow("+") << "CmdPlus" << "plus";
        QTest::newRow("x^2") << "CmdXSquare" << "x squared";
        QTest::newRow("1/x") << "CmdXFour" << "one over x";
        QTest::newRow("x^a") << "CmdXY" << "x to the power a";
        QTest::newRow("a^x") << "CmdAX" << "a to the power x";
        QTest::newRow("tan ax") << "cmdTanAX" << "tangent a x";
        QTest::newRow("start box") << "TxtStartX" << "Starting X value";
        QTest::newRow("equation box") << "TxtEquation" << "Equation";
        QTest::newRow("coefficient box") << "TxtCoeff" << "Coefficient";
        QTest::newRow("graph") << "PicCurve" << "Graph";
    }
    // Symbols and boxes are spoken in words.
    void spokenName()
    {
        windows().frmMain()->show();
        QFETCH(QString, control);
        QFETCH(QString, name);
        QCOMPARE(spoken(drive::find(control)), name);
    }

    // The graph tells its scale and the curves drawn on it, until they are cleared.
    void graphDescription()
    {
        windows().frmMain()->show();
        ImageSurface *surface = windows().frmCurve()->PicCurve;
        const QString scale = "Scale: One big box represents one unit on each axis. ";
        QCOMPARE(spoken(surface, QAccessible::Description), scale + "No curves drawn.");
        DRIVE("click CmdGrid; menu mnuCurve04; type TxtCoeff 2; click CmdContin; click CmdXSquare; click cmdSketch");
        QCOMPARE(spoken(surface, QAccessible::Description), scale + "Curves: y=sin x; y= (2) x^2.");
        DRIVE("menu mnuNew");
        QCOMPARE(spoken(surface, QAccessible::Description), scale + "No curves drawn.");
    }

    void keyOfHabit_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("item");
        QTest::newRow("F1 asks for help") << "frmMain" << "F1" << "mnuHowTo";
        QTest::newRow("F1 in the curve window") << "frmCurve" << "F1" << "mnuHowTo";
        QTest::newRow("Ctrl+Q ends") << "frmMain" << "Ctrl+Q" << "mnuExit";
    }
    // Keys kept off the menus so their captions stay as designed.
    void keyOfHabit()
    {
        windows().frmMain()->show();
        QFETCH(QString, window);
        QFETCH(QString, key);
        QFETCH(QString, item);
        int quits = 0;
        windows().quit = [&quits] { ++quits; };
        DRIVE("menu mnuCur01");
        auto *w = qobject_cast<QWidget *>(drive::find(window));
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w));
        QSignalSpy chosen(qobject_cast<QAction *>(drive::find(item)), &QAction::triggered);
        DRIVE("key " + window + ' ' + key);
        QCOMPARE(chosen.size(), 1);
    }

    // Ctrl+C and Ctrl+S in the curve window copy and save the picture.
    void curveWindowKeys()
    {
        windows().frmMain()->show();
        DRIVE("menu mnuCur01");
        FrmCurve *curve = windows().frmCurve();
        QVERIFY(QTest::qWaitForWindowActive(curve));
        QGuiApplication::clipboard()->clear();
        DRIVE("key frmCurve Ctrl+C");
        QCOMPARE(QGuiApplication::clipboard()->image(), curve->PicCurve->Image());
        QTemporaryDir dir;
        dialogs.saveNames << dir.filePath("keys.bmp");
        DRIVE("key frmCurve Ctrl+S");
        QCOMPARE(QImage(dir.filePath("keys.bmp")), curve->PicCurve->Image());
    }
};

QTEST_MAIN(TstShell)
#include "tst_shell.moc"
