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
        const auto find = [](const char *n) { return QStringList{"search", "--sync", "--onlyvisible", "--name", n}; };
        const auto click = [](QWidget *w) {
            const QPoint at = w->mapTo(w->window(), w->rect().center());
            const QString x = QString::number(at.x()), y = QString::number(at.y());
            return QStringList{"sleep", "0.5", "mousemove", "--window", "%1", x, y, "click", "1", "sleep", "0.5"};
        };
        const QStringList user = find("^Zeltaplot$") + click(main->CmdGrid) + QStringList{"type", "--args", "1", "2"} +
                                 click(main->CmdContin) + click(main->CmdXSquare) + click(main->cmdSketch) +
                                 find("^Curve$") + click(windows().frmCurve()->CmdCopy);
        windows().destroyAll();
        QProcess program;
        program.start(QStringLiteral(ZELTAPLOT_BIN));
        QVERIFY(program.waitForStarted());
        QCOMPARE(QProcess::execute(QStringLiteral("xdotool"), user), 0);
        const QImage copied = clipboardPng();
        program.close();

        // y = 2x^2 is 2 at x = 1 and x = -1 (columns 5100 and 4100, row 2400), in the run's first colour.
        const QRgb colour = copied.pixel(340, 160);
        QCOMPARE(copied.pixel(273, 160), colour);
        QVERIFY(!QList<QRgb>({0xffffffff, 0xffe6e6e6, 0xffbebebe, 0xff646464, 0xff000000}).contains(colour)); // paper
        RandomSequence fresh;
        QCOMPARE(QColor(colour), QColor(nextCurveColour(fresh)));
    }
};

QTEST_MAIN(TstX11)
#include "tst_x11.moc"
