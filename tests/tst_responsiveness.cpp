// The program answers at once: the splash's first paint comes before the main and curve windows
// are made, and no input reaches the splash before they are; a new curve reaches the screen
// before anything else repaints, and the curve window in front is not raised again.
#include "drive.h"
#include "plot/imagesurface.h"
#include "windows/curve/frmcurve.h"
#include "windows/splash/frmsplash.h"
#include "windows/windows.h"

#include <QtTest>
#include <QtWidgets>

using namespace zelta;

// Counts one kind of event reaching an object, and notes whether the main window was loaded
// when the first one came.
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

class TstResponsiveness : public QObject {
    Q_OBJECT

private slots:
    void init() { windows().quit = [] {}; }
    void cleanup() { windows().destroyAll(); }

    void firstPaintBeforeTheOtherWindows()
    {
        FrmSplash *splash = windows().startUp();
        EventCounter paints(splash, QEvent::Paint);
        QTRY_VERIFY(windows().curveLoaded());
        QVERIFY(paints.count > 0);
        QVERIFY(!paints.mainLoadedAtFirst);
        QVERIFY(!windows().frmMain()->isVisible() && !windows().frmCurve()->isVisible());
        // The main window ran its Load step: Set Grid waits, enabled.
        QVERIFY(windows().frmMain()->CmdGrid->isEnabled());
        QCOMPARE(splash->LblLoading->text(), " Click to continue");
        QTRY_VERIFY(splash->LblLoading->isVisible());
    }

    void inputBeforeTheFirstPaint_data()
    {
        QTest::addColumn<int>("key"); // 0: a click
        QTest::addColumn<bool>("dismisses");
        QTest::newRow("click") << 0 << true;
        QTest::newRow("a letter") << int(Qt::Key_A) << true;
        QTest::newRow("Shift alone") << int(Qt::Key_Shift) << false;
    }
    // Input that comes before the first paint finds the main and curve windows loaded.
    void inputBeforeTheFirstPaint()
    {
        QFETCH(int, key);
        QFETCH(bool, dismisses);
        QPointer<FrmSplash> splash = windows().startUp();
        QVERIFY(!windows().mainLoaded());
        if (key == 0)
            QTest::mouseClick(splash, Qt::LeftButton, {}, QPoint(400, 40));
        else
            QTest::keyClick(splash, Qt::Key(key));
        QVERIFY(windows().mainLoaded() && windows().curveLoaded());
        QVERIFY(!windows().frmCurve()->isVisible());
        QCOMPARE(windows().frmMain()->isVisible(), dismisses);
        if (!dismisses)
            QCOMPARE(splash->LblLoading->text(), " Click to continue");
        QTRY_COMPARE(splash.isNull(), dismisses);
    }

    void curveWindowBroughtToFront_data()
    {
        QTest::addColumn<QString>("before"); // the curve window: hidden, behind or active
        QTest::addColumn<int>("raises");
        QTest::newRow("hidden") << "hidden" << 1;
        QTest::newRow("behind the main window") << "behind" << 1;
        QTest::newRow("already active") << "active" << 0;
    }
    // Sketch and a preset show the curve window in front, active; one already there is left alone.
    void curveWindowBroughtToFront()
    {
        QFETCH(QString, before);
        QFETCH(int, raises);
        FrmMain *main = windows().frmMain();
        FrmCurve *curve = windows().frmCurve();
        main->show();
        drive::setGrid(main);
        drive::addTerm(main, "2", "CmdXSquare");
        if (before != "hidden") {
            curve->showInFront();
            QVERIFY(QTest::qWaitForWindowActive(curve));
        }
        if (before == "behind") {
            main->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(main));
        }
        for (QAction *preset : {main->mnuCurve06, static_cast<QAction *>(nullptr)}) {
            EventCounter raised(curve, QEvent::ZOrderChange);
            EventCounter painted(curve->PicCurve, QEvent::Paint);
            const bool onScreen = curve->isVisible();
            if (preset)
                preset->trigger();
            else
                drive::click(main->cmdSketch);
            QCOMPARE(raised.count, raises);
            // On screen already, it is painted before the handler returns, not when the event loop
            // comes round; a window just shown is painted when it is first exposed.
            if (onScreen)
                QVERIFY(painted.count > 0);
            QVERIFY(QTest::qWaitForWindowActive(curve));
            // The second time round the window is in front, as the first left it.
            raises = 0;
        }
    }

    // The surface shows no focus: activating and deactivating the curve window repaints none of it.
    void activationRepaintsNoSurface()
    {
        FrmMain *main = windows().frmMain();
        FrmCurve *curve = windows().frmCurve();
        main->show();
        main->mnuCur01->trigger();
        QVERIFY(QTest::qWaitForWindowActive(curve));
        QVERIFY(curve->PicCurve->hasFocus());
        EventCounter painted(curve->PicCurve, QEvent::Paint);
        main->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(main));
        curve->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(curve));
        QVERIFY(curve->PicCurve->hasFocus());
        QTest::qWait(50);
        QCOMPARE(painted.count, 0);
    }
};

QTEST_MAIN(TstResponsiveness)
#include "tst_responsiveness.moc"
