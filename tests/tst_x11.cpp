// On a real X server: xclip reads the copied picture, and xdotool drives the program as a user would.
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
    static std::optional<QString> xdotool(const QStringList &steps)
    {
        QProcess xdo;
        xdo.start(QStringLiteral("timeout"), QStringList{"60", "xdotool"} + steps);
        if (!xdo.waitForFinished(70000) || xdo.exitCode() != 0)
            return std::nullopt;
        return QString::fromLocal8Bit(xdo.readAllStandardOutput()).trimmed();
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
};

QTEST_MAIN(TstX11)
#include "tst_x11.moc"
