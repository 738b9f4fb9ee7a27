#include "wholeprogram.h"

#include <QProcess>
#include <QRegularExpression>
#include <QThread>
#include <algorithm>
#include <cstdio>
#include <optional>
#include <vector>

namespace zelta {

namespace {

constexpr int StartPairs = 21;
constexpr int ClickPairs = 41;
// Quiet this long after a click before the next one, in milliseconds.
constexpr int ClickGap = 120;

double median(std::vector<double> values)
{
    std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
    return values[values.size() / 2];
}

// The programs run on the X server the benchmark was started under, at scale 1.
QProcessEnvironment xEnvironment()
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    env.insert(QStringLiteral("QT_SCALE_FACTOR"), QStringLiteral("1"));
    return env;
}

// Runs a program to its end; its output, or nothing when it fails.
std::optional<QString> run(const QString &program, const QStringList &arguments)
{
    QProcess p;
    p.setProcessEnvironment(xEnvironment());
    p.start(program, arguments);
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        std::fprintf(stderr, "%s %s failed: %s\n", qPrintable(program), qPrintable(arguments.join(u' ')),
                     p.readAllStandardError().constData());
        p.kill();
        p.waitForFinished();
        return std::nullopt;
    }
    return QString::fromLocal8Bit(p.readAllStandardOutput());
}

struct StartUp {
    double paintMs, peakKb;
};

// From the start of the process to the first pixels of its first window, and its peak memory then.
std::optional<StartUp> startUp(const QStringList &command)
{
    const auto out = run(QStringLiteral(ZELTABENCH_PROBE), QStringList{QStringLiteral("start"), QStringLiteral("--")} + command);
    static const QRegularExpression line(QStringLiteral("paint_ms ([0-9.]+) maxrss_kB ([0-9]+)"));
    const auto m = out ? line.match(*out) : QRegularExpressionMatch();
    if (!m.hasMatch())
        return std::nullopt;
    return StartUp{m.captured(1).toDouble(), m.captured(2).toDouble()};
}

void report(const char *operation, double value, double reference, const char *unit)
{
    std::printf("%s: %.0f %s   (bare Qt %.0f %s, ratio %.2f)\n", operation, value, unit, reference, unit,
                value / reference);
    std::fflush(stdout);
}

bool startUpLines(const QString &program)
{
    std::vector<double> paint[2], peak[2];
    const QStringList commands[2] = {{program}, {QStringLiteral(ZELTABENCH_REFERENCE), QStringLiteral("start")}};
    for (int k = 0; k < 2 * StartPairs; ++k) {
        const auto s = startUp(commands[k % 2]);
        if (!s)
            return false;
        paint[k % 2].push_back(s->paintMs * 1000);
        peak[k % 2].push_back(s->peakKb);
    }
    report("Start-up", median(paint[0]), median(paint[1]), "us");
    report("Start-up memory", median(peak[0]), median(peak[1]), "kB");
    return true;
}

QStringList clickAt(QPoint at)
{
    return {QStringLiteral("mousemove"), QStringLiteral("--window"), QStringLiteral("%1"), QString::number(at.x()),
            QString::number(at.y()), QStringLiteral("click"), QStringLiteral("1"), QStringLiteral("sleep"),
            QStringLiteral("0.3")};
}

QStringList findWindow(const char *name)
{
    return {QStringLiteral("search"), QStringLiteral("--sync"), QStringLiteral("--onlyvisible"), QStringLiteral("--name"),
            QString::fromLatin1(name)};
}

// Sketch Curve clicked in the program's main window against the reference's button, in turn;
// each time from the click to the first pixels of the curve window.
bool clickLine(const QString &program, const MainWindowSpots &spots)
{
    QProcess zelta, reference;
    zelta.setProcessEnvironment(xEnvironment());
    reference.setProcessEnvironment(xEnvironment());
    reference.start(QStringLiteral(ZELTABENCH_REFERENCE), {QStringLiteral("click")});
    const auto stop = [&] {
        for (QProcess *p : {&zelta, &reference}) {
            p->kill();
            p->waitForFinished();
        }
    };
    if (!reference.waitForReadyRead(20000)) {
        stop();
        return false;
    }
    const QStringList ready = QString::fromLatin1(reference.readLine()).simplified().split(u' ');
    zelta.start(program);
    // The splash goes with a click; y = 2x^2 on the default grid, sketched once; the windows apart.
    QStringList steps{QStringLiteral("search"), QStringLiteral("--sync"), QStringLiteral("--onlyvisible"),
                      QStringLiteral("--class"), QStringLiteral("^zeltaplot$"), QStringLiteral("sleep"),
                      QStringLiteral("0.3")};
    steps += clickAt(QPoint(100, 100));
    steps += findWindow("^Zeltaplot$") + QStringList{QStringLiteral("windowmove"), QStringLiteral("%1"),
                                                      QStringLiteral("0"), QStringLiteral("0")};
    steps += clickAt(spots.grid) + clickAt(spots.coefficient) +
             QStringList{QStringLiteral("type"), QStringLiteral("--args"), QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("sleep"), QStringLiteral("0.2")};
    steps += clickAt(spots.proceed) + clickAt(spots.xSquare) + clickAt(spots.sketch);
    steps += findWindow("^Curve$") + QStringList{QStringLiteral("windowmove"), QStringLiteral("%1"),
                                                  QStringLiteral("420"), QStringLiteral("0"), QStringLiteral("sleep"),
                                                  QStringLiteral("0.5")};
    const auto curve = ready.size() == 4 && run(QStringLiteral("xdotool"), steps)
                           ? run(QStringLiteral("xdotool"), findWindow("^Curve$"))
                           : std::nullopt;
    if (!curve || curve->trimmed().isEmpty()) {
        std::fprintf(stderr, "could not drive %s to its first curve\n", qPrintable(program));
        stop();
        return false;
    }
    const auto out = run(QStringLiteral(ZELTABENCH_PROBE),
                         {QStringLiteral("click2"), curve->section(u'\n', 0, 0).trimmed(), QString::number(spots.sketch.x()),
                          QString::number(spots.sketch.y()), ready[1], ready[2], ready[3], QString::number(ClickPairs),
                          QString::number(ClickGap)});
    stop();
    if (!out)
        return false;
    std::vector<double> times[2];
    static const QRegularExpression line(QStringLiteral("^([AB]) \\d+ ms ([0-9.]+)"), QRegularExpression::MultilineOption);
    for (auto it = line.globalMatch(*out); it.hasNext();) {
        const auto m = it.next();
        const int side = m.captured(1) == u"B";
        if (m.captured(2).toDouble() > 0)
            times[side].push_back(m.captured(2).toDouble() * 1000);
    }
    if (times[0].size() < 2 || times[1].size() < 2)
        return false;
    // The first click of each warms up.
    times[0].erase(times[0].begin());
    times[1].erase(times[1].begin());
    report("Click to pixels", median(times[0]), median(times[1]), "us");
    return true;
}

} // namespace

bool wholeProgramLines(const QString &program, const MainWindowSpots &spots)
{
    if (qEnvironmentVariableIsEmpty("DISPLAY")) {
        std::printf("(no X display: the whole-program lines need one; ./build.sh bench starts Xvfb)\n");
        return false;
    }
    return startUpLines(program) && clickLine(program, spots);
}

} // namespace zelta
