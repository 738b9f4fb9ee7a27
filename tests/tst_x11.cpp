// On a real X server: xclip reads the copied picture, and xdotool drives the program as a user would.
#include "equation/sketch.h"
#include "plot/imagesurface.h"
#include "windows/curve/frmcurve.h"
#include "windows/main/frmmain.h"
#include "windows/windows.h"

#include <QPushButton>
#include <QtTest>

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
    // Runs the program through the xdotool steps; the picture it copied to the clipboard.
    static QImage runAsAUser(const QStringList &steps)
    {
        windows().destroyAll();
        QProcess program;
        program.start(QStringLiteral(ZELTAPLOT_BIN));
        if (!program.waitForStarted())
            return QImage();
        // A step that waits for a window that never comes must not hang the run.
        const int done = QProcess::execute(QStringLiteral("timeout"), QStringList{"60", "xdotool"} + steps);
        const QImage copied = done == 0 ? clipboardPng() : QImage();
        program.close();
        return copied;
    }
    static QRgb firstColourOfARun()
    {
        RandomSequence fresh;
        return nextCurveColour(fresh) | 0xff000000u;
    }

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
};

QTEST_MAIN(TstX11)
#include "tst_x11.moc"
