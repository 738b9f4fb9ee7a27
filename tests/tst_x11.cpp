// On a real X server: xclip reads the copied picture, and xdotool drives the program as a user would.
#include "plot/imagesurface.h"
#include "windows/curve/frmcurve.h"
#include "windows/main/frmmain.h"
#include "windows/windows.h"

#include "windows/help/frmhelp.h"

#include <QLabel>
#include <QPushButton>
#include <QtTest>
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

    static QStringList find(const char *name) { return {"search", "--sync", "--onlyvisible", "--name", name}; }
    // A click at the centre of the control, in the window found last.
    static QStringList click(QWidget *w)
    {
        const QPoint at = w->mapTo(w->window(), w->rect().center());
        return {"sleep", "0.5", "mousemove", "--window", "%1", QString::number(at.x()), QString::number(at.y()),
                "click", "1", "sleep", "0.5"};
    }
    // Runs xdotool; its output, or nothing when it fails. A step that waits for a window that never
    // comes must not hang the run.
    static std::optional<QString> xdotool(const QStringList &steps)
    {
        QProcess xdo;
        xdo.start(QStringLiteral("timeout"), QStringList{"60", "xdotool"} + steps);
        if (!xdo.waitForFinished(70000) || xdo.exitCode() != 0)
            return std::nullopt;
        return QString::fromLocal8Bit(xdo.readAllStandardOutput()).trimmed();
    }
    // The splash is the only window at start, and a click anywhere on it goes on.
    static QStringList dismissSplash()
    {
        return {"search", "--sync", "--onlyvisible", "--class", "zeltaplot", "sleep", "0.5",
                "mousemove", "--window", "%1", "100", "100", "click", "1"};
    }
    // Runs the program through the xdotool steps; the picture it copied to the clipboard.
    static QImage runAsAUser(const QStringList &steps)
    {
        windows().destroyAll();
        QProcess program;
        program.start(QStringLiteral(ZELTAPLOT_BIN));
        if (!program.waitForStarted())
            return QImage();
        const bool done = xdotool(dismissSplash() + steps).has_value();
        const QImage copied = done ? clipboardPng() : QImage();
        program.close();
        return copied;
    }
    // Every run's first curve is RGB(126, 28, 231).
    static QRgb firstColourOfARun() { return qRgb(126, 28, 231); }

private slots:
    void copyAndSketchAsAUser()
    {
        FrmMain *main = windows().frmMain();
        main->show();
        QTest::mouseClick(main->CmdGrid, Qt::LeftButton);
        QTest::mouseClick(windows().frmCurve()->CmdCopy, Qt::LeftButton);
        QCOMPARE(clipboardPng().size(), QSize(613, 453));
        QCOMPARE(clipboardPng(), windows().frmCurve()->PicCurve->Image());

        // The program itself, clicked through the X server at the centres of the same controls.
        const QStringList user = find("^Zeltaplot$") + click(main->CmdGrid) + QStringList{"type", "--args", "1", "2"} +
                                 click(main->CmdContin) + click(main->CmdXSquare) + click(main->cmdSketch) +
                                 find("^Curve$") + click(windows().frmCurve()->CmdCopy);
        const QImage copied = runAsAUser(user);
        // y = 2x^2 is 2 at x = 1 and x = -1 (columns 5100 and 4100, row 2400), in the run's first colour.
        QCOMPARE(copied.pixel(340, 160), firstColourOfARun());
        QCOMPARE(copied.pixel(273, 160), firstColourOfARun());
    }

    // sin x + sin 2x, the factor typed into the real input box.
    void scaledTermThroughTheInputBox()
    {
        FrmMain *main = windows().frmMain();
        main->show();
        // The input box stands 4000 x 3000 twips from the screen's corner, clear of the main window.
        const QStringList answer{"sleep", "1", "mousemove", "280", "210", "click", "1", "sleep", "0.5",
                                 "getwindowfocus", "type", "--args", "1", "2\r"};
        const QStringList user = find("^Zeltaplot$") + click(main->CmdGrid) + QStringList{"type", "--args", "1", "1"} +
                                 click(main->CmdContin) + click(main->Cmdsin) + click(main->CmdPlus) +
                                 click(main->CmdContin) + click(main->cmdSinAX) + answer + find("^Zeltaplot$") +
                                 click(main->cmdSketch) + find("^Curve$") + click(windows().frmCurve()->CmdCopy);
        const QImage copied = runAsAUser(user);
        QVERIFY(!copied.isNull());
        // sin x + sin 2x is 1.32 at x = 0.5 (column 4850, row 2740) and -1.32 at x = -0.5 (column 4350, row 4060).
        QCOMPARE(copied.pixel(323, 182), firstColourOfARun());
        QCOMPARE(copied.pixel(290, 270), firstColourOfARun());
    }

    // Start-up as a user meets it: the splash alone, a key for the main window, F1 for help,
    // and a topic's name raised into a button under the pointer.
    void splashThenHelpAsAUser()
    {
        const QPoint topic = [] {
            FrmHelp help;
            return help.lblDes[3]->geometry().center();
        }();
        QProcess program;
        program.start(QStringLiteral(ZELTAPLOT_BIN));
        QVERIFY(program.waitForStarted());
        QVERIFY(xdotool({"search", "--sync", "--onlyvisible", "--class", "zeltaplot", "sleep", "1"}));
        QVERIFY(!xdotool({"search", "--onlyvisible", "--name", "^Zeltaplot$"})); // not before the splash goes
        QVERIFY(xdotool({"search", "--onlyvisible", "--class", "zeltaplot", "windowfocus", "--sync", "%1", "type",
                         "--args", "1", "\r", "search", "--sync", "--onlyvisible", "--name", "^Zeltaplot$",
                         "windowfocus", "--sync", "%1", "key", "F1"}));
        const std::optional<QString> help = xdotool({"search", "--sync", "--onlyvisible", "--name", "^Help$"});
        QVERIFY(help);
        const auto shot = [&help] {
            QProcess import;
            import.start(QStringLiteral("import"), {"-window", help->section(u'\n', 0, 0), "png:-"});
            return import.waitForFinished(20000) ? QImage::fromData(import.readAllStandardOutput(), "PNG") : QImage();
        };
        const QStringList pointer{"mousemove", "--window", help->section(u'\n', 0, 0)};
        QVERIFY(xdotool(pointer + QStringList{"3", "3", "sleep", "0.5"}));
        const QImage flat = shot();
        QVERIFY(xdotool(pointer + QStringList{QString::number(topic.x()), QString::number(topic.y()), "sleep", "0.5"}));
        const QImage raised = shot();
        program.close();
        QVERIFY(!flat.isNull() && flat.size() == raised.size());
        // The button covers its row only; the row above stays as it was.
        const int rowHeight = 17, top = topic.y() - rowHeight / 2;
        QVERIFY(flat.copy(0, top, 200, rowHeight) != raised.copy(0, top, 200, rowHeight));
        QCOMPARE(flat.copy(0, top - 24, 200, rowHeight), raised.copy(0, top - 24, 200, rowHeight));
    }
};

QTEST_MAIN(TstX11)
#include "tst_x11.moc"
