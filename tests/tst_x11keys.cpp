// The whole workflow with the keyboard alone, on a real X server: xdotool sends keys only, never the pointer.
#include "equation/sketch.h"
#include "platform/random.h"

#include <QImage>
#include <QTemporaryDir>
#include <QtTest>
#include <optional>

class TstX11Keys : public QObject {
    Q_OBJECT

    // Runs xdotool; its output, or nothing when it fails or hangs.
    static std::optional<QString> xdotool(const QStringList &steps)
    {
        QProcess xdo;
        xdo.start(QStringLiteral("timeout"), QStringList{"60", "xdotool"} + steps);
        if (!xdo.waitForFinished(70000) || xdo.exitCode() != 0)
            return std::nullopt;
        return QString::fromLocal8Bit(xdo.readAllStandardOutput()).trimmed();
    }
    // Keys to whatever window has the focus, then a pause for the program to answer.
    static bool keys(const QStringList &names)
    {
        return xdotool(QStringList{"key", "--delay", "150"} + names + QStringList{"sleep", "0.7"}).has_value();
    }
    static bool visible(const char *title)
    {
        const auto found = xdotool({"search", "--onlyvisible", "--name", title});
        return found && !found->isEmpty();
    }
    // What a window manager does when the user picks a window: the keyboard goes to it.
    static bool focus(const char *title)
    {
        return xdotool({"search", "--onlyvisible", "--name", title, "windowfocus", "--sync", "%1", "sleep", "0.5"}).has_value();
    }
    static QImage clipboardPng()
    {
        QProcess xclip;
        xclip.start(QStringLiteral("xclip"), {"-selection", "clipboard", "-t", "image/png", "-o"});
        return xclip.waitForFinished(20000) ? QImage::fromData(xclip.readAllStandardOutput(), "PNG") : QImage();
    }

private slots:
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
        QVERIFY(!visible("^Help$"));

        // About from the main window's menu (picked as a user picks a window), a key to dismiss it, and Exit.
        QVERIFY(focus("^Zeltaplot$"));
        QVERIFY(keys({"alt+h", "a", "sleep", "1"}));
        QCOMPARE(xdotool({"search", "--onlyvisible", "--class", "zeltaplot"}).value_or("").split('\n').size(), 3);
        QVERIFY(keys({"space", "alt+f", "e"}));
        QVERIFY(program.waitForFinished(10000));
        QCOMPARE(program.exitCode(), 0);

        // y = 2x^2 is 2 at x = 1 and x = -1 (columns 5100 and 4100, row 2400), in the run's first colour.
        zelta::RandomSequence fresh;
        const QRgb first = zelta::nextCurveColour(fresh) | 0xff000000u;
        QCOMPARE(copied.size(), QSize(613, 453));
        QCOMPARE(copied.pixel(340, 160), first);
        QCOMPARE(copied.pixel(273, 160), first);
        QCOMPARE(QImage(saved).convertToFormat(QImage::Format_RGB32), copied.convertToFormat(QImage::Format_RGB32));
    }
};

QTEST_GUILESS_MAIN(TstX11Keys)
#include "tst_x11keys.moc"
