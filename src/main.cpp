// Start-up: the command line, then the windows.
#include "platform/fonts.h"
#include "platform/savefile.h"
#include "version.h"
#include "windows/splash/frmsplash.h"
#include "windows/windows.h"

#include <QApplication>
#include <QCommandLineParser>
#include <cstdio>
#include <cstdlib>

namespace {

// Until the windowing system answers, Qt's own complaints give way to one line a user can act on.
void startupMessages(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type != QtFatalMsg)
        return;
    const QByteArray display = qgetenv("DISPLAY");
    std::fprintf(stderr, "zeltaplot: cannot open a window: %s\n",
                 display.isEmpty() && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
                     ? "no display is set (DISPLAY is empty); start Zeltaplot from a desktop session"
                     : qPrintable(QStringLiteral("the display %1 does not answer (%2)")
                                      .arg(QString::fromLocal8Bit(display), message.section(u'\n', 0, 0))));
    std::_Exit(1);
}

// Answers --help, --version and unknown options; returns the exit code, or -1 to go on.
int commandLine(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    QCommandLineParser parser;
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Show this help and exit."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Show the version and exit."));
    parser.addOptions({help, version});
    const QString usage = QStringLiteral("Usage: zeltaplot [--help | --version]\n"
                                         "Sketches graphs of y = f(x) on squared paper.\n\n"
                                         "  -h, --help     Show this help and exit.\n"
                                         "  -v, --version  Show the version and exit.\n");
    if (!parser.parse(arguments) || !parser.positionalArguments().isEmpty()) {
        const QString error = parser.errorText().isEmpty()
                                  ? QStringLiteral("unexpected argument '%1'").arg(parser.positionalArguments().first())
                                  : parser.errorText();
        std::fprintf(stderr, "zeltaplot: %s\n\n%s", qPrintable(error), qPrintable(usage));
        return 2;
    }
    if (parser.isSet(help)) {
        std::fputs(qPrintable(usage), stdout);
        return 0;
    }
    if (parser.isSet(version)) {
        std::printf("zeltaplot %s\n", ZELTAPLOT_VERSION);
        return 0;
    }
    return -1;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication::setApplicationName(QStringLiteral("zeltaplot"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ZELTAPLOT_VERSION));
    if (const int code = commandLine(argc, argv); code >= 0)
        return code;

    // A file-size limit makes a save fail with its reason; it must not end the program.
    zelta::ignoreFileSizeSignal();
    qInstallMessageHandler(startupMessages);
    QApplication app(argc, argv);
    qInstallMessageHandler(nullptr);
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.zeltaplot"));
    app.setQuitOnLastWindowClosed(false);
    // Message and input boxes use the windows' face too.
    app.setFont(zelta::windowFont());
    zelta::windows().quit = [] { QCoreApplication::quit(); };
    // The splash comes first; the main and curve windows are loaded, hidden, right after its first paint.
    zelta::windows().startUp();
    return app.exec();
}
