// What the window manager shows and does: each window's icon, and the splash closed by its frame.
#include "windows/curve/frmcurve.h"
#include "windows/help/frmhelp.h"
#include "windows/main/frmmain.h"
#include "windows/splash/frmsplash.h"
#include "windows/windows.h"

#include <QtTest>
#include <QtWidgets>

using namespace zelta;

class TstWindowFrames : public QObject {
    Q_OBJECT
    int quits = 0;

private slots:
    void init()
    {
        quits = 0;
        windows().quit = [this] { ++quits; };
    }
    void cleanup() { windows().destroyAll(); }

    void icon_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("picture"); // the committed file, without its size
        QTest::newRow("main") << "frmMain" << "zeltaplot";
        QTest::newRow("curve") << "frmCurve" << "zeltaplot";
        QTest::newRow("help") << "frmHelp" << "help";
    }
    // Both sizes are there, pixel for pixel the committed pictures.
    void icon()
    {
        QFETCH(QString, window);
        QFETCH(QString, picture);
        QWidget *w = window == "frmMain"    ? static_cast<QWidget *>(windows().frmMain())
                     : window == "frmCurve" ? static_cast<QWidget *>(windows().frmCurve())
                                            : static_cast<QWidget *>(windows().frmHelp());
        const QIcon icon = w->windowIcon();
        QVERIFY(!icon.isNull());
        for (const int size : {16, 32}) {
            const QImage committed(QStringLiteral(ZELTAPLOT_SOURCE "/assets/%1%2.png").arg(picture).arg(size));
            QVERIFY(!committed.isNull());
            const QImage shown = icon.pixmap(size).toImage();
            QCOMPARE(shown.convertToFormat(QImage::Format_ARGB32), committed.convertToFormat(QImage::Format_ARGB32));
        }
    }

    // The start-up splash closed by the window manager goes on to the main window, as a click does.
    void startUpSplashClosedByItsFrame()
    {
        QPointer<FrmSplash> splash = windows().frmSplash();
        splash->showInFront();
        QVERIFY(QTest::qWaitForWindowExposed(splash));
        QVERIFY(splash->close());
        QTRY_VERIFY(splash.isNull());
        QVERIFY(windows().frmMain()->isVisible());
        QVERIFY(windows().curveLoaded());
        QCOMPARE(quits, 0);
    }

    // The About splash closed so only goes; the main window stays as it was, nothing is reloaded.
    void aboutClosedByItsFrame()
    {
        FrmMain *main = windows().frmMain();
        main->show();
        main->mnuCur01->trigger();
        main->mnuAbout->trigger();
        QPointer<FrmSplash> splash = windows().frmSplash();
        QVERIFY(QTest::qWaitForWindowExposed(splash));
        QVERIFY(splash->close());
        QTRY_VERIFY(splash.isNull());
        QCOMPARE(windows().frmMain(), main);
        QVERIFY(main->isVisible() && windows().frmCurve()->isVisible());
        QCOMPARE(int(main->state.CurveCount), 1);
        QCOMPARE(quits, 0);
    }
};

QTEST_MAIN(TstWindowFrames)
#include "tst_windowframes.moc"
