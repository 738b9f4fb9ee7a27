// The program on a terminal: --help, --version, a wrong option, and no display to open a window on.
#include "version.h"

#include <QtTest>

class TstCommandLine : public QObject {
    Q_OBJECT
private slots:
    void answer_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("display"); // "-": none set
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err"); // when no display answers, its start and one line
        const QString usage = "Usage: zeltaplot [--help | --version]\nSketches graphs of y = f(x) on squared paper.\n\n"
                              "  -h, --help     Show this help and exit.\n  -v, --version  Show the version and exit.\n";
        const QString version = "zeltaplot " ZELTAPLOT_VERSION "\n";
        QTest::newRow("--version") << QStringList{"--version"} << "-" << 0 << version << QString();
        QTest::newRow("-v") << QStringList{"-v"} << "-" << 0 << version << QString();
        QTest::newRow("--help") << QStringList{"--help"} << "-" << 0 << usage << QString();
        QTest::newRow("unknown option") << QStringList{"--bogus"} << "-" << 2 << QString() << "zeltaplot: Unknown option 'bogus'.\n\n" + usage;
        QTest::newRow("an argument") << QStringList{"curve.bmp"} << "-" << 2 << QString() << "zeltaplot: unexpected argument 'curve.bmp'\n\n" + usage;
        QTest::newRow("no display") << QStringList() << "-" << 1 << QString() << "zeltaplot: cannot open a window: no display is set";
        QTest::newRow("a display that does not answer") << QStringList() << ":97" << 1 << QString()
                                                         << "zeltaplot: cannot open a window: the display :97 does not answer";
    }
    // Each answers on the terminal, before any window is made.
    void answer()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, display);
        QFETCH(int, code);
        QFETCH(QString, out);
        QFETCH(QString, err);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove("WAYLAND_DISPLAY");
        environment.insert("QT_QPA_PLATFORM", "xcb");
        display == "-" ? environment.remove("DISPLAY") : environment.insert("DISPLAY", display);
        QProcess program;
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(ZELTAPLOT_BIN), arguments);
        QVERIFY(program.waitForFinished(20000) && program.exitStatus() == QProcess::NormalExit);
        QCOMPARE(program.exitCode(), code);
        const QString said = QString::fromLocal8Bit(program.readAllStandardOutput()), complained = QString::fromLocal8Bit(program.readAllStandardError());
        QVERIFY2(said == out && (code == 1 ? complained.startsWith(err) : complained == err), qPrintable(said + complained));
        QVERIFY(code != 1 || complained.count('\n') == 1);
    }
};

QTEST_GUILESS_MAIN(TstCommandLine)
#include "tst_commandline.moc"
