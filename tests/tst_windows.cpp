// What a scenario row cannot show: the order of events at start-up and when a curve window comes
// to the front.
#include "zeltatest.h"

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

class TstWindows : public QObject {
    Q_OBJECT
    FrmMain *frm = nullptr;

private slots:
    void init()
    {
        if (QTest::currentTestFunction() == QLatin1String("startUp"))
            return; // no window before it
        frm = windows().frmMain();
        frm->show();
        programRandom() = RandomSequence();
    }
    void cleanup() { windows().destroyAll(); }

    // First in the process: the splash paints, spoken as a named window, before the main and
    // curve windows are loaded, hidden, and it invites a click.
    void startUp()
    {
        FrmSplash *splash = windows().startUp();
        EventCounter paints(splash, QEvent::Paint);
        QTRY_VERIFY(windows().curveLoaded());
        QVERIFY(paints.count > 0 && !paints.mainLoadedAtFirst);
        QCOMPARE(QAccessible::queryAccessibleInterface(splash)->text(QAccessible::Name), "Tavrin Zeltaplot");
        QVERIFY(!windows().frmMain()->isVisible() && !windows().frmCurve()->isVisible());
        QTRY_VERIFY(splash->LblLoading->isVisible());
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
        FrmCurve *curve = windows().frmCurve();
        DRIVE("click CmdGrid; type TxtCoeff 2; click CmdContin; click CmdXSquare");
        if (before != "hidden")
            curve->showInFront();
        QWidget *active = before == "behind" ? static_cast<QWidget *>(frm) : curve;
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
};

QTEST_MAIN(TstWindows)
#include "tst_windows.moc"
