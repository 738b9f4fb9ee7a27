// On a real X server: xclip reads the copied picture, and xdotool drives the program as a user would,
// with the mouse and with the keyboard alone.
#include "plot/imagesurface.h"
#include "windows/curve/frmcurve.h"
#include "windows/help/frmhelp.h"
#include "windows/main/frmmain.h"
#include "windows/windows.h"

#include <QtTest>
#include <QtWidgets>
#include <optional>

using namespace zelta;

class TstX11 : public QObject {
    Q_OBJECT

    static QImage clipboardPng()
    {
        // With the event loop going, so this process can still serve the clipboard it owns.
        QProcess xclip;
        QSignalSpy finished(&xclip, &QProcess::finished);
        xclip.start(QStringLiteral("xclip"), {"-selection", "clipboard", "-t", "image/png", "-o"});
        return finished.wait(20000) ? QImage::fromData(xclip.readAllStandardOutput(), "PNG") : QImage();
    }
    // Runs xdotool; its output, or nothing when it fails. A step that waits for a window that never
    // comes must not hang the run.
    static std::optional<QString> xdotool(QStringList steps)
    {
        // A first step of digits alone is how many seconds to wait at most, 60 unless given.
        const QString limit = !steps.isEmpty() && steps.first().toInt() > 0 ? steps.takeFirst() : QStringLiteral("60");
        QProcess xdo;
        xdo.start(QStringLiteral("timeout"), QStringList{limit, "xdotool"} + steps);
        if (!xdo.waitForFinished(70000) || xdo.exitCode() != 0)
            return std::nullopt;
        return QString::fromLocal8Bit(xdo.readAllStandardOutput()).trimmed();
    }
    // Keys to whatever window has the focus, then a pause for the program to answer.
    static bool keys(const QStringList &names)
    {
        return xdotool(QStringList{"key", "--delay", "150"} + names + QStringList{"sleep", "0.7"}).has_value();
    }
    // Whether a window of that title shows, waiting for it up to ten seconds on a busy machine.
    static bool visible(const char *title, bool wait = true)
    {
        return !xdotool(QStringList{"10"} + (wait ? QStringList{"search", "--sync"} : QStringList{"search"}) +
                        QStringList{"--onlyvisible", "--name", title}).value_or("").isEmpty();
    }
    // What a window manager does when the user picks a window: the keyboard goes to it.
    static bool focus(const char *title)
    {
        return xdotool({"search", "--onlyvisible", "--name", title, "windowfocus", "--sync", "%1", "sleep", "0.5"}).has_value();
    }
    // Finds the window by its title, then clicks the centre of the control in it.
    static QStringList click(const char *title, QWidget *w)
    {
        const QPoint at = w->mapTo(w->window(), w->rect().center());
        return {"search", "--sync", "--onlyvisible", "--name", title, "sleep", "0.5", "mousemove", "--window", "%1",
                QString::number(at.x()), QString::number(at.y()), "click", "1", "sleep", "0.5"};
    }

private slots:
    // Another program reads the copied picture.
    void clipboardReadByAnotherProgram()
    {
        windows().frmMain()->show();
        QTest::mouseClick(windows().frmMain()->CmdGrid, Qt::LeftButton);
        QTest::mouseClick(windows().frmCurve()->CmdCopy, Qt::LeftButton);
        QCOMPARE(clipboardPng(), windows().frmCurve()->PicCurve->Image());
        windows().destroyAll();
    }

    // sin x + sin 2x, built with the mouse, the factor typed into the real input box, and copied.
    void sketchAsAUser()
    {
        FrmMain *main = windows().frmMain();
        main->show(); // laid out as the program's is, menu bar and all
        const QStringList coefficient{"type", "--args", "1", "1"};
        // The input box stands 4000 x 3000 twips from the screen's corner, clear of the main window.
        const QStringList factor{"sleep", "1", "mousemove", "280", "210", "click", "1", "sleep", "0.5", "type", "--args", "1", "2\r"};
        const QStringList user = QStringList{"search", "--sync", "--onlyvisible", "--class", "zeltaplot", "sleep", "0.5", "mousemove",
                                             "--window", "%1", "100", "100", "click", "1"} + // the splash goes on a click
                                 click("^Zeltaplot$", main->CmdGrid) + coefficient + click("^Zeltaplot$", main->CmdContin) +
                                 click("^Zeltaplot$", main->Cmdsin) + click("^Zeltaplot$", main->CmdPlus) +
                                 click("^Zeltaplot$", main->CmdContin) + click("^Zeltaplot$", main->cmdSinAX) + factor +
                                 click("^Zeltaplot$", main->cmdSketch) + click("^Curve$", windows().frmCurve()->CmdCopy);
        windows().destroyAll();
        QProcess program;
        program.start(QStringLiteral(ZELTAPLOT_BIN));
        QVERIFY(program.waitForStarted() && xdotool(user));
        const QImage copied = clipboardPng();
        program.close();
        // 1.32 at x = 0.5 (column 4850, row 2740) and -1.32 at x = -0.5 (column 4350, row 4060), in a run's first colour.
        QCOMPARE(copied.pixel(323, 182), qRgb(126, 28, 231));
        QCOMPARE(copied.pixel(290, 270), qRgb(126, 28, 231));
    }

    // Start-up as a user meets it: the splash alone, a key for the main window, F1 for help,
    // and a topic's name raised into a button under the pointer.
    void splashThenHelpAsAUser()
    {
        const QPoint topic = FrmHelp().lblDes[3]->geometry().center();
        QProcess program;
        program.start(QStringLiteral(ZELTAPLOT_BIN));
        QVERIFY(program.waitForStarted());
        QVERIFY(xdotool({"search", "--sync", "--onlyvisible", "--class", "zeltaplot", "sleep", "1"}));
        QVERIFY(!xdotool({"search", "--onlyvisible", "--name", "^Zeltaplot$"})); // not before the splash goes
        QVERIFY(xdotool({"search", "--onlyvisible", "--class", "zeltaplot", "windowfocus", "--sync", "%1", "type", "--args", "1", "\r",
                         "search", "--sync", "--onlyvisible", "--name", "^Zeltaplot$", "windowfocus", "--sync", "%1", "key", "F1"}));
        const QString help = xdotool({"search", "--sync", "--onlyvisible", "--name", "^Help$"}).value_or("").section(u'\n', 0, 0);
        const auto shotAt = [&help](QPoint at) {
            xdotool({"mousemove", "--window", help, QString::number(at.x()), QString::number(at.y()), "sleep", "0.5"});
            QProcess import;
            import.start(QStringLiteral("import"), {"-window", help, "png:-"});
            return import.waitForFinished(20000) ? QImage::fromData(import.readAllStandardOutput(), "PNG") : QImage();
        };
        const QImage flat = shotAt({3, 3}), raised = shotAt(topic);
        program.close();
        QVERIFY(!flat.isNull() && flat.size() == raised.size());
        // The button covers its row only; the row above stays as it was.
        const int rowHeight = 17, top = topic.y() - rowHeight / 2;
        QVERIFY(flat.copy(0, top, 200, rowHeight) != raised.copy(0, top, 200, rowHeight));
        QCOMPARE(flat.copy(0, top - 24, 200, rowHeight), raised.copy(0, top - 24, 200, rowHeight));
    }
    // The whole workflow with the keyboard alone: xdotool sends keys only, never the pointer.
    void wholeWorkflowByKeys()
    {
        QTemporaryDir dir;
        const QString saved = dir.filePath("keys.bmp");
        QProcess program;
        program.start(QStringLiteral(ZELTAPLOT_BIN));
        QVERIFY(program.waitForStarted());
        QVERIFY(xdotool({"search", "--sync", "--onlyvisible", "--class", "zeltaplot", "sleep", "1"}));

        // The splash, then the main window with the focus in the starting X value.
        QVERIFY(keys({"Return"}));
        QVERIFY(visible("^Zeltaplot$"));
        // Set Grid; 2, Continue; from x back to x^2; then + has the focus, and Sketch Curve is two on.
        QVERIFY(keys({"Tab", "Tab", "Return", "2", "Tab", "Return", "shift+Tab", "shift+Tab", "shift+Tab", "Return",
                      "Tab", "Tab", "Return"}));
        QVERIFY(visible("^Curve$"));
        // Copy by its button (the graph has the focus, then Reset, Save, Copy) and save by Ctrl+S.
        QVERIFY(keys({"Tab", "Tab", "Tab", "Return"}));
        const QImage copied = clipboardPng();
        QVERIFY(keys({"ctrl+s", "sleep", "1"}));
        QVERIFY(xdotool({"type", "--delay", "20", saved}));
        QVERIFY(keys({"Return", "sleep", "1"}));
        QCOMPARE(QImage(saved).size(), QSize(613, 453));
        // A window manager would give the focus back after the dialog; there is none here.
        QVERIFY(focus("^Curve$"));

        // Help from the curve window: past the first topic's two links to its button, down to
        // "The Graph", chosen with Enter, closed with Escape.
        QVERIFY(keys({"F1", "sleep", "1"}));
        QVERIFY(visible("^Help$"));
        QVERIFY(keys({"Tab", "Tab", "Tab", "Down", "Down", "Down", "Return", "Escape"}));
        QVERIFY(!visible("^Help$", false));

        // About from the main window's menu (picked as a user picks a window), a key to dismiss it, and Exit.
        QVERIFY(focus("^Zeltaplot$"));
        QVERIFY(keys({"alt+h", "a", "sleep", "1"}));
        QCOMPARE(xdotool({"search", "--onlyvisible", "--class", "zeltaplot"}).value_or("").split('\n').size(), 3);
        QVERIFY(keys({"space", "alt+f", "e"}));
        QVERIFY(program.waitForFinished(10000));
        QCOMPARE(program.exitCode(), 0);

        // y = 2x^2 is 2 at x = 1 and x = -1 (columns 5100 and 4100, row 2400), in the run's first colour.
        const QRgb first = qRgb(126, 28, 231);
        QCOMPARE(copied.size(), QSize(613, 453));
        QCOMPARE(copied.pixel(340, 160), first);
        QCOMPARE(copied.pixel(273, 160), first);
        QCOMPARE(QImage(saved).convertToFormat(QImage::Format_RGB32), copied.convertToFormat(QImage::Format_RGB32));
    }
};

QTEST_MAIN(TstX11)
#include "tst_x11.moc"
