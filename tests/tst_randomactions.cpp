// Drives the real windows with a long random sequence of what a user can do, from fixed seeds.
// After every action the main window must agree with a small model of the equation, worked from
// the actions alone, and hold the program's invariants. A failure prints the seed and a shortest
// action list that still breaks it, to be kept as a case of its own.
#include "platform/dialogs.h"
#include "platform/numbers.h"
#include "plot/imagesurface.h"
#include "windows/curve/frmcurve.h"
#include "windows/help/frmhelp.h"
#include "windows/main/frmmain.h"
#include "windows/splash/frmsplash.h"
#include "windows/windows.h"

#include <QtTest>
#include <QtWidgets>
#include <random>

using namespace zelta;

struct Action {
    enum Kind { Click, Type, Key, Menu, Close, Point } kind;
    QString target; // objectName of the control, menu item or window
    QString text;   // what is typed, or the key
    QPoint at;      // where the pointer goes
    QStringList replies; // the answers to the boxes the action opened, in order
    QString describe() const
    {
        static const char *kinds[] = {"click", "type", "key", "menu", "close", "point"};
        QString s = QStringLiteral("%1 %2").arg(QLatin1String(kinds[kind]), target);
        if (!text.isEmpty())
            s += " \"" + (text.size() > 40 ? text.left(40) + "..." : text) + '"';
        if (kind == Point)
            s += QStringLiteral(" %1,%2").arg(at.x()).arg(at.y());
        return replies.isEmpty() ? s : s + " replies [" + replies.join(" | ") + ']';
    }
};

const QStringList Boxes{"Inavlid range", "The ending value must be greater than the starting value.",
                        "The Starting Xvalue is not a number.", "The Ending Xvalue is not a number.",
                        "The coefficient is not a number.", "The equation cannot hold more than 26 terms.",
                        "Please enter the domain of X.", "Please enter a valid value", " Please enter a valid value. ",
                        "Please enter a valid value.", " Please enter a valid value.",
                        " Enter the value of a.Only integers (between 1 and 10) are acceptable.",
                        " Enter the value of a.Only integers (between 1 and 20) are acceptable.",
                        "Enter the value of a below. Only integers(between 0-10) are the acceptable choice"};

// Answers every box from the action's replies; a random one is made up and kept when none is left.
class RandomDialogs : public DialogService {
public:
    std::mt19937 *random = nullptr; // nullptr: replaying
    Action *action = nullptr;
    int used = 0;
    QStringList unknown; // boxes the program does not define
    QString saveFolder;

    void message(const QString &text) override
    {
        if (!Boxes.contains(text) && !text.startsWith("The picture was not saved to "))
            unknown << "message \"" + text + '"';
    }
    QString input(const QString &prompt) override
    {
        if (!Boxes.contains(prompt))
            unknown << "input \"" + prompt + '"';
        // After a few refusals a user gives a value every prompt accepts.
        static const QStringList some{"2", "abc", "", "12", "0.5", "10", "-1", "2.5", "1e1", "20", "0", " 3 "};
        return next(some, "2");
    }
    QString saveBitmapName() override
    {
        return next({"", saveFolder + "/a.bmp", saveFolder + "/b", saveFolder, "/nonexistent/c.bmp"}, "");
    }

private:
    QString next(const QStringList &some, const QString &last)
    {
        if (used < action->replies.size())
            return action->replies[used++];
        const QString reply = random && action->replies.size() < 4 ? some[(*random)() % some.size()] : last;
        action->replies << reply;
        ++used;
        return reply;
    }
};

// What the main window should hold, from the actions alone.
struct Model {
    struct Factor { const char *prefix, *suffix; double min, max; };
    QString equation, coefficientText;
    double coefficient = 0;
    int terms = 0, sign = 1, curves = 0;
    bool gridSet = false, termsOn = false, signsOn = false, continueOn = false, sketchOn = false;

    // Back to the grid settings: New Curve keeps the grid flag and the curve count, a reset does not.
    void settings(bool reset)
    {
        equation.clear();
        coefficientText.clear();
        terms = 0;
        sign = 1;
        termsOn = signsOn = continueOn = sketchOn = false;
        if (reset)
            gridSet = false, curves = 0;
    }
    // The coefficient box's check, nested as the program runs it when it empties the box.
    void typeCoefficient(const QString &typed, bool domainEmpty)
    {
        for (QChar c : typed) {
            coefficientText += c;
            if (signsOn)
                continue;
            continueOn = !domainEmpty && gridSet;
            if (coefficientText != u"-" && !readNumber(coefficientText))
                coefficientText.clear(), continueOn = false;
        }
    }
    void continueClicked()
    {
        const auto c = readNumber(coefficientText);
        if (!c || terms == 26)
            return;
        coefficient = *c;
        if (coefficientText != u"1")
            equation += " (" + coefficientText + ") ";
        termsOn = true;
        continueOn = sketchOn = false;
    }
    void termClicked(const QString &button, const QStringList &replies, bool negativeX)
    {
        static const QHash<QString, QString> plain{{"CmdXSquare", "x^2"}, {"CmdXCube", "x^3"}, {"CmdXFive", "x"},
                                                   {"CmdXFour", "(1/x)"}, {"Cmdsin", "sin x"}, {"Cmdcos", "cos x"},
                                                   {"Cmdtan", "tan x"}, {"Cmdlog", "log x"}};
        static const QHash<QString, Factor> factors{{"CmdXY", {"x^", "", 0, 10}}, {"CmdAX", {"(", "^x)", 1, 20}},
                                                    {"cmdSinAX", {"sin", "x", 1, 10}}, {"cmdCosAX", {"cos", "x", 1, 10}},
                                                    {"cmdTanAX", {"tan", "x", 1, 10}}};
        if (plain.contains(button)) {
            equation += plain[button];
        } else {
            const Factor f = factors[button];
            for (const QString &reply : replies) {
                const auto a = readNumber(reply);
                // A fractional power of a negative x is no number: asked again.
                if (!a || *a < f.min || *a > f.max || (button == "CmdXY" && negativeX && *a != std::floor(*a)))
                    continue;
                if (button == "CmdXY" && *a == 0)
                    equation += coefficient == 1 ? "1" : "";
                else
                    equation += f.prefix + generalNumber(*a) + f.suffix;
                break;
            }
        }
        ++terms;
        termsOn = false;
        signsOn = sketchOn = true;
    }
    void signClicked(int s)
    {
        if (terms == 26)
            return;
        equation += s > 0 ? " + " : " - ";
        sign = s;
        signsOn = sketchOn = false;
        continueOn = true;
    }
    // Where the program differs from the model, or nothing.
    QString differs(const FrmMain &m) const
    {
        const QStringList want{equation, coefficientText, QString::number(terms), QString::number(sign), QString::number(curves),
                               QString::number(termsOn), QString::number(signsOn), QString::number(continueOn),
                               QString::number(sketchOn)};
        const QStringList have{m.TxtEquation->text(), m.TxtCoeff->text(), QString::number(m.state.TermIndex),
                               QString::number(m.state.TermSign), QString::number(m.state.CurveCount),
                               QString::number(m.CmdXSquare->isEnabled()), QString::number(m.CmdPlus->isEnabled()),
                               QString::number(m.CmdContin->isEnabled()), QString::number(m.cmdSketch->isEnabled())};
        static const char *names[] = {"equation", "coefficient", "terms", "sign", "curves", "term buttons", "+ and -",
                                      "Continue", "Sketch"};
        for (int i = 0; i < want.size(); ++i)
            if (want[i] != have[i])
                return QStringLiteral("%1 is \"%2\", the model says \"%3\"").arg(names[i], have[i].right(60), want[i].right(60));
        return {};
    }
};

// A random text of digits, signs, separators, letters, blanks and now and then a long run.
static QString randomText(std::mt19937 &random)
{
    static const QString numbers[] = {"1", "2", "-3", "0.5", "10", "7"};
    if (random() % 2)
        return numbers[random() % std::size(numbers)];
    static const QString pieces[] = {"0", "1", "2", "5", "9", "-", "+", ".", ",", "e", "E", "x", "a", " ", "3.5", "-4"};
    QString text;
    for (int n = 1 + random() % 5; n > 0; --n)
        text += pieces[random() % std::size(pieces)];
    if (random() % 40 == 0)
        text += QString(200 + random() % 400, QChar(u"09 -."[random() % 5]));
    return text;
}

class TstRandomActions : public QObject {
    Q_OBJECT
    RandomDialogs dialogs;
    QTemporaryDir folder;
    Model model;
    bool ended = false;
    qint64 checkedPicture = 0; // the picture last found sound, by its cache key

    QList<QWidget *> shownWindows() const
    {
        Windows &w = windows();
        QList<QWidget *> shown;
        for (QWidget *window : {w.splashLoaded() ? static_cast<QWidget *>(w.frmSplash()) : nullptr,
                                w.mainLoaded() ? static_cast<QWidget *>(w.frmMain()) : nullptr,
                                w.curveLoaded() ? static_cast<QWidget *>(w.frmCurve()) : nullptr,
                                w.helpLoaded() ? static_cast<QWidget *>(w.frmHelp()) : nullptr})
            if (window && window->isVisible())
                shown << window;
        return shown;
    }
    QWidget *find(const QString &name) const
    {
        for (QWidget *w : shownWindows()) {
            if (w->objectName() == name)
                return w;
            if (auto *c = w->findChild<QWidget *>(name))
                return c;
        }
        return nullptr;
    }

    void start()
    {
        windows().destroyAll();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        ended = false;
        model = Model();
        windows().frmSplash()->showInFront();
    }

    // Everything a user can do now.
    QList<Action> choices(std::mt19937 &random) const
    {
        QList<Action> all;
        for (QWidget *window : shownWindows()) {
            for (QAbstractButton *b : window->findChildren<QAbstractButton *>())
                if (b->isVisible() && b->isEnabled())
                    all << Action{Action::Click, b->objectName(), {}, {}, {}};
            for (QLineEdit *box : window->findChildren<QLineEdit *>())
                if (box->isVisible() && box->isEnabled())
                    all << Action{Action::Click, box->objectName(), {}, {}, {}}
                        << Action{Action::Type, box->objectName(), randomText(random), {}, {}};
            all << Action{Action::Key, window->objectName(), random() % 2 ? "Tab" : "Backtab", {}, {}};
            if (window != windows().frmSplash() && random() % 8 == 0)
                all << Action{Action::Close, window->objectName(), {}, {}, {}};
            all << Action{Action::Point, window->objectName(), {}, QPoint(random() % window->width(), random() % window->height()), {}};
        }
        if (windows().splashLoaded() && windows().frmSplash()->isVisible()) {
            static const char *keys[] = {"Return", "Escape", "A", "Shift", "Left", "5"};
            all << Action{Action::Key, "frmSplash", keys[random() % 6], {}, {}};
        }
        if (windows().mainLoaded() && windows().frmMain()->isVisible())
            for (QMenu *menu : windows().frmMain()->menuBar()->findChildren<QMenu *>())
                for (QAction *item : menu->actions())
                    if (item->objectName() != "mnuExit" || random() % 20 == 0)
                        all << Action{Action::Menu, item->objectName(), {}, {}, {}};
        return all;
    }

    // One of the choices, by kind first, so that a long list of menu items does not crowd out the buttons.
    Action pick(std::mt19937 &random) const
    {
        const QList<Action> all = choices(random);
        static const int weights[] = {45, 25, 8, 8, 2, 12}; // click, type, key, menu, close, point
        for (;;) {
            int roll = int(random() % 100), kind = 0;
            while (roll >= weights[kind])
                roll -= weights[kind++];
            QList<Action> some;
            for (const Action &a : all)
                if (a.kind == kind)
                    some << a;
            if (!some.isEmpty())
                return some[random() % some.size()];
        }
    }

    // Does the action, if what it needs is still there (a shrunk list may have lost its cause),
    // and works out what the model expects of it.
    void perform(Action &action)
    {
        dialogs.action = &action;
        dialogs.used = 0;
        QWidget *target = action.kind == Action::Menu ? nullptr : find(action.target);
        if (action.kind != Action::Menu && (!target || !target->isEnabled()))
            return;
        FrmMain *main = windows().mainLoaded() ? windows().frmMain() : nullptr;
        const bool domainEmpty = main && (main->TxtStartX->text().isEmpty() || main->TxtEndX->text().isEmpty());
        const bool negativeX = main && main->plot.FirstColumn < 4600 && main->plot.FirstColumn <= main->plot.LastColumn;
        const auto inRange = [main](QLineEdit *box) {
            const auto v = readNumber(box->text());
            return v && std::abs(*v) <= main->plot.XLimit;
        };
        const bool rangeOk = main && inRange(main->TxtStartX) && inRange(main->TxtEndX);
        switch (action.kind) {
        case Action::Click:
            QTest::mouseClick(target, Qt::LeftButton, {}, qobject_cast<QRadioButton *>(target) ? QPoint(6, 8) : target->rect().center());
            break;
        case Action::Type: // into the box the user clicks first, at the end of its text
            QTest::mouseClick(target, Qt::LeftButton);
            QTest::keyClick(target, Qt::Key_End);
            QTest::keyClicks(target, action.text);
            break;
        case Action::Key: {
            QWidget *focus = QApplication::focusWidget();
            QWidget *to = focus && focus->window() == target ? focus : target;
            action.text == "Backtab" ? QTest::keyClick(to, Qt::Key_Tab, Qt::ShiftModifier)
                                     : QTest::keyClick(to, QKeySequence::fromString(action.text)[0].key());
            break;
        }
        case Action::Menu:
            if (!main)
                return;
            if (auto *item = main->findChild<QAction *>(action.target))
                item->trigger();
            break;
        case Action::Close:
            target->close();
            break;
        case Action::Point: {
            QWidget *under = target->childAt(action.at);
            QWidget *to = under ? under : target;
            QMouseEvent move(QEvent::MouseMove, to->mapFrom(target, action.at), target->mapToGlobal(action.at), Qt::NoButton,
                             Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(to, &move);
            break;
        }
        }
        // What an event loop would do between two actions; a queue left to grow slows every post.
        QCoreApplication::sendPostedEvents();
        if (ended || !main)
            return;
        const QString &t = action.target;
        if (action.kind == Action::Type && t == "TxtCoeff")
            model.typeCoefficient(action.text, domainEmpty);
        else if (action.kind == Action::Click && t == "CmdGrid")
            model.gridSet = model.gridSet || rangeOk;
        else if (action.kind == Action::Click && t == "CmdContin")
            model.continueClicked();
        else if (action.kind == Action::Click && (t == "CmdPlus" || t == "CmdMinus"))
            model.signClicked(t == "CmdPlus" ? 1 : -1);
        else if (action.kind == Action::Click && std::ranges::count(main->termButtons(), target))
            model.termClicked(t, action.replies, negativeX);
        else if ((action.kind == Action::Click && t == "cmdSketch" && !domainEmpty) ||
                 (action.kind == Action::Menu && main->mnuGeneral->actions().contains(main->findChild<QAction *>(t))))
            model.curves = std::min(model.curves + 1, 32767);
        else if (action.kind == Action::Menu && t == "mnuNew")
            model.settings(false);
        else if ((action.kind == Action::Click && t == "Cmd") || (action.kind == Action::Close && t == "frmCurve"))
            model.settings(true);
    }

    // What is wrong with the program now, or nothing.
    QString broken()
    {
        if (!dialogs.unknown.isEmpty())
            return dialogs.unknown.takeFirst();
        Windows &w = windows();
        if (ended)
            return {};
        if (!w.mainLoaded() && !w.curveLoaded() && !w.splashLoaded() && !w.helpLoaded())
            return "the program runs with no window";
        if (QApplication::topLevelWidgets().size() > 24)
            return QStringLiteral("%1 top-level widgets").arg(QApplication::topLevelWidgets().size());
        if (!w.mainLoaded())
            return {};
        for (const QString &b : {model.differs(*w.frmMain()), brokenState(*w.frmMain())})
            if (!b.isEmpty())
                return b;
        return w.curveLoaded() ? brokenPicture(w.frmCurve()->PicCurve->Image(), w.frmMain()->state.GridDrawn) : QString();
    }
    static QString brokenState(const FrmMain &m)
    {
        const EquationState &s = m.state;
        if (m.FrameSettings->isHidden() == m.FrameEquation->isHidden())
            return "not exactly one panel";
        if (s.GridSet && (m.plot.FirstColumn < 100 || m.plot.FirstColumn > 9100 || m.plot.LastColumn < 100 || m.plot.LastColumn > 9100))
            return "domain columns outside 100..9100";
        for (QPushButton *b : m.termButtons())
            if (b->isEnabled() != m.CmdXSquare->isEnabled())
                return "the term buttons disagree";
        if (m.CmdPlus->isEnabled() != m.CmdMinus->isEnabled())
            return "+ and - disagree";
        if (m.CmdGrid->isEnabled() && (!isNumeric(m.TxtStartX->text()) || !isNumeric(m.TxtEndX->text())))
            return "Set Grid open without two numbers";
        // Slots past the terms hold nothing: every term writes its own slot only.
        static const std::vector<double> zeros(s.TermTable.size(), 0.0);
        const std::size_t used = std::size_t(std::clamp<int>(s.TermIndex, 0, 26)) * EquationState::Columns;
        if (std::memcmp(s.TermTable.data() + used, zeros.data(), (zeros.size() - used) * sizeof(double)) != 0)
            return "a slot written beyond the terms";
        return {};
    }
    QString brokenPicture(const QImage &picture, bool gridDrawn)
    {
        if (picture.size() != QSize(613, 453))
            return "the picture changed its size";
        if (picture.cacheKey() == checkedPicture)
            return {}; // not drawn on since it was found sound
        // Every third row is enough to see a grid, and a stray point on white paper.
        bool small = false, big = false, white = true;
        for (int y = 0; y < picture.height(); y += 3) {
            const auto *line = reinterpret_cast<const QRgb *>(picture.constScanLine(y));
            for (int x = 0, width = picture.width(); x < width; ++x) {
                small = small || line[x] == qRgb(230, 230, 230);
                big = big || line[x] == qRgb(190, 190, 190);
                white = white && line[x] == qRgb(255, 255, 255);
            }
        }
        if (gridDrawn ? !(small && big) : !white)
            return gridDrawn ? "a grid is drawn but not on the picture" : "no grid, yet the picture is not white";
        checkedPicture = picture.cacheKey();
        return {};
    }

    // Replays the list from a fresh start; the first broken invariant, or nothing.
    QString replay(QList<Action> list)
    {
        dialogs.random = nullptr;
        start();
        for (Action &a : list) {
            perform(a);
            if (const QString b = broken(); !b.isEmpty())
                return b;
            if (ended)
                start();
        }
        return {};
    }

    // Removes ever smaller pieces of the list while it still fails.
    QList<Action> shrink(QList<Action> list)
    {
        for (qsizetype chunk = list.size() / 2; chunk >= 1; chunk /= 2)
            for (qsizetype at = 0; at + chunk <= list.size();) {
                QList<Action> shorter = list;
                shorter.remove(at, chunk);
                if (!replay(shorter).isEmpty())
                    list = shorter;
                else
                    at += chunk;
            }
        return list;
    }

    // Runs the actions from the seed; an empty text, or the failure with its shrunk list.
    QString run(unsigned seed, int actions)
    {
        std::mt19937 random(seed);
        dialogs.random = &random;
        start();
        QList<Action> history;
        QElapsedTimer timer;
        timer.start();
        for (int i = 0; i < actions; ++i) {
            Action a = pick(random);
            perform(a);
            history << a;
            if (const QString b = broken(); !b.isEmpty()) {
                const QList<Action> shrunk = shrink(history);
                QStringList lines{QStringLiteral("seed %1, action %2: %3; shrunk to %4 actions:").arg(seed).arg(i).arg(b).arg(shrunk.size())};
                for (const Action &s : shrunk)
                    lines << "  " + s.describe();
                return lines.join('\n');
            }
            if (ended) {
                start();
                history.clear(); // a failure replays from the last fresh start
                dialogs.random = &random;
            }
            if (history.size() > 400)
                history.remove(0, 1);
        }
        std::printf("seed %u: %d actions, %.0f per second\n", seed, actions, actions / std::max(timer.nsecsElapsed() / 1e9, 1e-9));
        std::fflush(stdout);
        return {};
    }

private slots:
    void initTestCase()
    {
        // The offscreen platform's notice on every raise() would drown the report.
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &context, const QString &text) {
            if (!text.contains("does not support"))
                qt_message_output(type, context, text);
        });
        dialogs.saveFolder = folder.path();
        setDialogService(&dialogs);
        windows().quit = [this] { ended = true; };
    }
    void cleanupTestCase()
    {
        windows().destroyAll();
        setDialogService(nullptr);
    }

    void randomActions_data()
    {
        QTest::addColumn<unsigned>("seed");
        QTest::addColumn<int>("actions");
#if defined(__SANITIZE_ADDRESS__)
        const int total = 20000; // the sanitizers slow every action
#else
        const int total = 100000;
#endif
        const int seeds = 5;
        const int perSeed = qEnvironmentVariableIntValue("ZELTAPLOT_ACTIONS") ? qEnvironmentVariableIntValue("ZELTAPLOT_ACTIONS") : total / seeds;
        const unsigned first = qEnvironmentVariableIsSet("ZELTAPLOT_SEED") ? qEnvironmentVariableIntValue("ZELTAPLOT_SEED") : 1;
        for (unsigned s = first; s < first + seeds; ++s)
            QTest::newRow(qPrintable(QStringLiteral("seed %1").arg(s))) << s << perSeed;
    }
    void randomActions()
    {
        QFETCH(unsigned, seed);
        QFETCH(int, actions);
        const QString failure = run(seed, actions);
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
    }
};

QTEST_MAIN(TstRandomActions)
#include "tst_randomactions.moc"
