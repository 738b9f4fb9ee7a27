// The program on a terminal: --help, --version, a wrong option, and no display to open a window on.
#include "version.h"

#include <QtTest>

struct Run {
    int code;
    QString out, err;
};

static Run run(const QStringList &arguments, const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment())
{
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(ZELTAPLOT_BIN), arguments);
    if (!program.waitForFinished(20000))
        return {-1, {}, {}};
    return {program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -2,
            QString::fromLocal8Bit(program.readAllStandardOutput()), QString::fromLocal8Bit(program.readAllStandardError())};
}

class TstCommandLine : public QObject {
    Q_OBJECT
private slots:
    void answers_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("errStart");
        const QString usage = "Usage: zeltaplot [--help | --version]\n", version = "zeltaplot " ZELTAPLOT_VERSION "\n";
        QTest::newRow("--version") << QStringList{"--version"} << 0 << version << QString();
        QTest::newRow("-v") << QStringList{"-v"} << 0 << version << QString();
        QTest::newRow("--help") << QStringList{"--help"} << 0 << usage << QString();
        QTest::newRow("unknown option") << QStringList{"--bogus"} << 2 << QString()
                                        << "zeltaplot: Unknown option 'bogus'.\n\n" + usage;
        QTest::newRow("an argument") << QStringList{"curve.bmp"} << 2 << QString()
                                     << QString("zeltaplot: unexpected argument 'curve.bmp'\n");
    }
    // None of these needs a display: they answer before any window is made.
    void answers()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, code);
        QFETCH(QString, out);
        QFETCH(QString, errStart);
        QProcessEnvironment noDisplay = QProcessEnvironment::systemEnvironment();
        noDisplay.remove("DISPLAY");
        noDisplay.remove("WAYLAND_DISPLAY");
        noDisplay.insert("QT_QPA_PLATFORM", "xcb");
        const Run r = run(arguments, noDisplay);
        QCOMPARE(r.code, code);
        QVERIFY2(r.out.startsWith(out), qPrintable(r.out));
        QVERIFY2(r.err.startsWith(errStart), qPrintable(r.err));
    }

    void noDisplayIsOneLine_data()
    {
        QTest::addColumn<QString>("display");
        QTest::addColumn<QString>("says");
        QTest::newRow("none set") << "" << "no display is set";
        QTest::newRow("one that does not answer") << ":97" << "the display :97 does not answer";
    }
    void noDisplayIsOneLine()
    {
        QFETCH(QString, display);
        QFETCH(QString, says);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove("WAYLAND_DISPLAY");
        env.insert("QT_QPA_PLATFORM", "xcb");
        display.isEmpty() ? env.remove("DISPLAY") : env.insert("DISPLAY", display);
        const Run r = run({}, env);
        QCOMPARE(r.code, 1);
        QVERIFY2(r.err.startsWith("zeltaplot: cannot open a window: " + says), qPrintable(r.err));
        QCOMPARE(r.err.count('\n'), 1);
    }
};

QTEST_GUILESS_MAIN(TstCommandLine)
#include "tst_commandline.moc"
