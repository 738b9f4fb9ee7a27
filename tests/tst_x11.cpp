// On a real X server: other programs read the copied picture from the clipboard, and the
// program is driven end to end with xdotool as a user would.
#include "platform/random.h"
#include "plot/imagesurface.h"
#include "scripteddialogs.h"
#include "windows/curve/frmcurve.h"
#include "windows/main/frmmain.h"
#include "windows/windows.h"

#include <QPushButton>
#include <QtTest>
#include <cmath>

using namespace zelta;

namespace {
QImage rgb(const QImage &image) { return image.convertToFormat(QImage::Format_RGB32); }

// Runs a helper program with the event loop going, so this process can still serve the
// clipboard it owns (a blocking wait would deadlock).
QByteArray run(const QString &program, const QStringList &args, int timeoutMs = 20000)
{
    QProcess p;
    QSignalSpy finished(&p, &QProcess::finished);
    p.start(program, args);
    if (!finished.wait(timeoutMs)) {
        p.kill();
        finished.wait(2000);
        qWarning("%s %s timed out", qPrintable(program), qPrintable(args.join(u' ')));
        return {};
    }
    return p.readAllStandardOutput();
}

QByteArray clipboard(const char *target)
{
    return run(QStringLiteral("xclip"), {"-selection", "clipboard", "-t", QString::fromLatin1(target), "-o"});
}

// The first line of `xdotool search`: the window with exactly this caption.
QString findWindow(const QString &caption)
{
    return QString::fromLatin1(
               run(QStringLiteral("xdotool"), {"search", "--sync", "--onlyvisible", "--name", '^' + caption + '$'}))
        .section(u'\n', 0, 0);
}

QMap<QString, int> geometry(const QString &window)
{
    QMap<QString, int> values;
    const QString out = QString::fromLatin1(run(QStringLiteral("xdotool"), {"getwindowgeometry", "--shell", window}));
    for (const QString &line : out.split(u'\n', Qt::SkipEmptyParts))
        values.insert(line.section(u'=', 0, 0), line.section(u'=', 1).toInt());
    return values;
}

// Centre of a control in window pixels, from its twips rectangle and its container's offset.
QPoint centre(QPoint offset, int left, int top, int width, int height)
{
    return offset + QPoint((left + width / 2) / 15, (top + height / 2) / 15);
}

void click(const QString &window, QPoint at)
{
    run(QStringLiteral("xdotool"), {"mousemove", "--window", window, QString::number(at.x()),
                                    QString::number(at.y()), "click", "1"});
    QTest::qWait(400);
}
} // namespace

class TstX11 : public QObject {
    Q_OBJECT
    ScriptedDialogs m_dialogs;

private slots:
    void cleanup() { windows().destroyAll(); }

    void otherProgramsReadTheCopy_data()
    {
        QTest::addColumn<QByteArray>("target");
        QTest::addColumn<QByteArray>("magic");
        QTest::newRow("png") << QByteArray("image/png") << QByteArray("\x89PNG");
        QTest::newRow("bmp") << QByteArray("image/bmp") << QByteArray("BM");
    }
    void otherProgramsReadTheCopy()
    {
        QFETCH(QByteArray, target);
        QFETCH(QByteArray, magic);
        FrmMain *main = windows().frmMain();
        main->show();
        main->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(main));
        QTest::mouseClick(main->CmdGrid, Qt::LeftButton);
        FrmCurve *curve = windows().frmCurve();
        curve->showInFront();
        QVERIFY(QTest::qWaitForWindowExposed(curve));
        QTest::mouseClick(curve->CmdCopy, Qt::LeftButton);

        const QList<QByteArray> targets = clipboard("TARGETS").split('\n');
        QVERIFY2(targets.contains(target), targets.join(' ').constData());
        const QByteArray bytes = clipboard(target.constData());
        QVERIFY(bytes.startsWith(magic));
        const QImage copied = QImage::fromData(bytes);
        QCOMPARE(copied.size(), QSize(613, 453));
        QCOMPARE(rgb(copied), rgb(curve->PicCurve->Image()));
    }

    void sketchAsAUser()
    {
        QProcess program;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        env.insert(QStringLiteral("QT_SCALE_FACTOR"), QStringLiteral("1"));
        program.setProcessEnvironment(env);
        QSignalSpy ended(&program, &QProcess::finished);
        program.start(QStringLiteral(ZELTAPLOT_BIN), {});
        QVERIFY(program.waitForStarted());
        const auto stop = qScopeGuard([&] {
            if (program.state() != QProcess::NotRunning) {
                program.kill();
                ended.wait(5000);
            }
        });

        const QString mainWindow = findWindow(QStringLiteral("Zeltaplot"));
        QVERIFY(!mainWindow.isEmpty());
        QTest::qWait(500);
        const auto mainGeometry = geometry(mainWindow);
        QCOMPARE(mainGeometry.value("WIDTH"), 401);
        // No window manager: the window is its client area, the menu bar on top of the controls.
        const int menuBar = mainGeometry.value("HEIGHT") - 248;
        QVERIFY(menuBar > 0);
        const QPoint panel(8, menuBar + 8); // both panels stand at 120, 120 twips

        click(mainWindow, centre(panel, 240, 2640, 5295, 375)); // Set Grid
        run(QStringLiteral("xdotool"), {"type", "2"});          // into the focused coefficient box
        QTest::qWait(300);
        click(mainWindow, centre(panel, 4800, 2040, 855, 375)); // Continue
        click(mainWindow, centre(panel, 1080, 1080, 855, 375)); // x^2
        click(mainWindow, centre(panel, 120, 2520, 5535, 375)); // Sketch Curve

        const QString curveWindow = findWindow(QStringLiteral("Curve"));
        QVERIFY(!curveWindow.isEmpty());
        QTest::qWait(300);
        click(curveWindow, centre(QPoint(), 960, 6240, 2295, 375)); // Copy to Clipboard
        const QImage copied = rgb(QImage::fromData(clipboard("image/png")));
        QCOMPARE(copied.size(), QSize(613, 453));

        // y = 2x^2: x = 1 and x = -1 give y = 2 (columns 5100 and 4100, row 2400); x = 0 the origin.
        const QRgb colour = copied.pixel(340, 160);
        QCOMPARE(copied.pixel(273, 160), colour);
        QCOMPARE(copied.pixel(306, 226), colour);
        for (QRgb other : {qRgb(255, 255, 255), qRgb(230, 230, 230), qRgb(190, 190, 190), qRgb(100, 100, 100),
                           qRgb(0, 0, 0)})
            QVERIFY(colour != other);
        // The first colour of every run: red, green, blue from the first three numbers of the sequence.
        RandomSequence sequence;
        const double r1 = sequence.next(), r2 = sequence.next(), r3 = sequence.next();
        const QRgb first = qRgb(int(std::nearbyint(r1 * 155)), int(std::nearbyint(r2 * 205)),
                                int(std::nearbyint(r3 * 255)));
        QCOMPARE(QColor(colour), QColor(first));

        // The curve window was first shown in the middle of the screen.
        const QStringList screen = QString::fromLatin1(run(QStringLiteral("xdotool"), {"getdisplaygeometry"}))
                                       .simplified()
                                       .split(u' ');
        QCOMPARE(screen.size(), 2);
        const auto curveGeometry = geometry(curveWindow);
        QCOMPARE(curveGeometry.value("WIDTH"), 613);
        QCOMPARE(curveGeometry.value("HEIGHT"), 471);
        QVERIFY2(std::abs(curveGeometry.value("X") - (screen[0].toInt() - 613) / 2) <= 1 &&
                     std::abs(curveGeometry.value("Y") - (screen[1].toInt() - 471) / 2) <= 1,
                 qPrintable(QStringLiteral("curve window at %1,%2")
                                .arg(curveGeometry.value("X"))
                                .arg(curveGeometry.value("Y"))));
    }
};

QTEST_MAIN(TstX11)
#include "tst_x11.moc"
