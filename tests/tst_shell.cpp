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

#include <QtTest>
#include <QtWidgets>

using namespace zelta;


// Counts one kind of event reaching an object, and notes whether the main window was loaded at the first.
class EventCounter : public QObject {
public:
    EventCounter(QObject *target, QEvent::Type type) : m_type(type) { target->installEventFilter(this); }
    int count = 0;
    bool mainLoadedAtFirst = false;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == m_type && count++ == 0)
            mainLoadedAtFirst = windows().mainLoaded();
        return false;
    }

private:
    QEvent::Type m_type;
};

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

    // The splash paints first; the main and curve windows are loaded, hidden, before it invites a click.
    void startUp()
    {
        FrmSplash *splash = windows().startUp();
        EventCounter paints(splash, QEvent::Paint);
        QTRY_VERIFY(windows().curveLoaded());
        QVERIFY(paints.count > 0 && !paints.mainLoadedAtFirst);
        QCOMPARE(loaded(), "main curve splash");
        QVERIFY(!windows().frmMain()->isVisible() && !windows().frmCurve()->isVisible());
        QTRY_VERIFY(splash->LblLoading->isVisible());
    }

    void dismissed_data()
    {
        QTest::addColumn<QString>("step");
        QTest::addColumn<bool>("dismisses");
        QTest::addColumn<bool>("early"); // before the splash's first paint
        QTest::newRow("click") << "click frmSplash" << true << false;
        QTest::newRow("Enter") << "key frmSplash Return" << true << false;
        QTest::newRow("Escape") << "key frmSplash Escape" << true << false;
        QTest::newRow("a letter") << "key frmSplash Q" << true << false;
        QTest::newRow("Shift alone") << "key frmSplash Shift" << false << false;
        QTest::newRow("an arrow") << "key frmSplash Left" << false << false;
        QTest::newRow("closed by its frame") << "close frmSplash" << true << false;
        QTest::newRow("click, early") << "click frmSplash" << true << true;
        QTest::newRow("a letter, early") << "key frmSplash A" << true << true;
        QTest::newRow("Shift, early") << "key frmSplash Shift" << false << true;
    }
    // A click, a typed character or the window manager's close shows the main window and unloads the
    // splash; input that comes before its first paint finds the other windows loaded first.
    void dismissed()
    {
        QFETCH(QString, step);
        QFETCH(bool, dismisses);
        QFETCH(bool, early);
        if (early)
            windows().startUp();
        else
            windows().frmSplash()->showInFront();
        QVERIFY(early || QTest::qWaitForWindowActive(windows().frmSplash()));
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

    void curveWindowInFront_data()
    {
        QTest::addColumn<QString>("before"); // the curve window: hidden, behind or active
        QTest::addColumn<int>("raises");
        QTest::newRow("hidden") << "hidden" << 1;
        QTest::newRow("behind the main window") << "behind" << 1;
        QTest::newRow("already active") << "active" << 0;
    }
    // Sketch and a preset show the curve window in front; one already there is left alone, and a
    // visible one shows the new curve before the handler returns.
    void curveWindowInFront()
    {
        QFETCH(QString, before);
        QFETCH(int, raises);
        FrmMain *main = windows().frmMain();
        FrmCurve *curve = windows().frmCurve();
        main->show();
        DRIVE("click CmdGrid; type TxtCoeff 2; click CmdContin; click CmdXSquare");
        if (before != "hidden")
            curve->showInFront();
        QWidget *active = before == "behind" ? static_cast<QWidget *>(main) : curve;
        active->activateWindow();
        QVERIFY(before == "hidden" || QTest::qWaitForWindowActive(active));
        for (const char *step : {"menu mnuCurve06", "click cmdSketch"}) {
            EventCounter raised(curve, QEvent::ZOrderChange), painted(curve->PicCurve, QEvent::Paint);
            const bool onScreen = curve->isVisible();
            DRIVE(step);
            QCOMPARE(raised.count, raises);
            QVERIFY(!onScreen || painted.count > 0);
            QVERIFY(QTest::qWaitForWindowActive(curve));
            raises = 0; // the second time round it is in front, as the first left it
        }
    }

    // The About splash closed by its frame only goes; the main window and its curve stay.
    void aboutClosedByItsFrame()
    {
        windows().frmMain()->show();
        DRIVE("menu mnuCur01; menu mnuAbout; close frmSplash");
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(loaded(), "main curve");
        QVERIFY(windows().frmMain()->isVisible() && windows().frmMain()->state.CurveCount == 1);
    }

    void icon_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("picture"); // the committed file, without its size
        QTest::newRow("main") << "frmMain" << "zeltaplot";
        QTest::newRow("curve") << "frmCurve" << "zeltaplot";
        QTest::newRow("help") << "frmHelp" << "help";
    }
    // Each window carries both sizes of its icon, pixel for pixel the committed pictures.
    void icon()
    {
        QFETCH(QString, window);
        QFETCH(QString, picture);
        windows().frmMain(), windows().frmCurve(), windows().frmHelp();
        const QIcon icon = qobject_cast<QWidget *>(drive::find(window))->windowIcon();
        for (const int size : {16, 32})
            QCOMPARE(icon.pixmap(size).toImage().convertToFormat(QImage::Format_ARGB32),
                     QImage(QStringLiteral(ZELTAPLOT_SOURCE "/assets/%1%2.png").arg(picture).arg(size)).convertToFormat(QImage::Format_ARGB32));
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
};

QTEST_MAIN(TstShell)
#include "tst_shell.moc"
