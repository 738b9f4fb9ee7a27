// Drives the real windows with a long random sequence of what a user can do, from fixed seeds.
// After every action the main window must agree with a small model of the equation, worked out
// from the actions alone, and keep the program's invariants. A failure prints the seed and a
// shortest list of actions that still breaks it, as a scenario row to paste into scenarios.txt.
#include "platform/numbers.h"
#include "zeltatest.h"

#include <random>

// A step of the scenario language, and the answers to the boxes it opened ("reply x", "save y").
struct Action {
    QString step;
    QStringList replies;
    bool done = false; // in the last replay: a shrunk list may have lost what a step needs
    QString verb() const { return step.section(u' ', 0, 0); }
    QString target() const { return step.section(u' ', 1, 1); }
    QString text() const { return step.section(u' ', 2); }
};

// Answers every box from the action's replies; a random one is made up and kept when none is left.
struct RandomDialogs : DialogService {
    std::mt19937 *random = nullptr; // nullptr: replaying
    Action *action = nullptr;
    int used = 0;
    void message(const QString &) override {}
    // After a few refusals a user gives a value every prompt accepts.
    QString input(const QString &) override { return next("reply ", {"2", "abc", "", "12", "0.5", "10", "-1", "2.5", "1e1", "20", "0", " 3 "}, "2"); }
    QString saveBitmapName() override { return next("save ", {"", "a.bmp", "b", ".", "/nonexistent/c.bmp"}, ""); }
    QString next(const QString &verb, const QStringList &some, const QString &last)
    {
        if (used == action->replies.size())
            action->replies << verb + (random && used < 4 ? some[(*random)() % some.size()] : last);
        return action->replies[used++].mid(verb.size());
    }
};

// What the main window should hold, from the actions alone.
struct Model {
    QString equation, coefficientText;
    double coefficient = 0;
    int terms = 0, sign = 1, curves = 0;
    bool gridSet = false, termsOn = false, signsOn = false, continueOn = false, sketchOn = false;

    // Back to the grid settings: New Curve keeps the grid flag and the curve count, a reset does not.
    void settings(bool reset)
    {
        *this = reset ? Model() : Model{{}, {}, 0, 0, 1, curves, gridSet};
    }
    // The coefficient box's check on every key, nested where it empties the box.
    void typeCoefficient(const QString &typed, bool domainEmpty)
    {
        for (QChar c : typed) {
            coefficientText += c;
            if (!signsOn)
                continueOn = !domainEmpty && gridSet;
            if (!signsOn && coefficientText != u"-" && !readNumber(coefficientText))
                coefficientText.clear(), continueOn = false;
        }
    }
    void continueClicked()
    {
        const auto c = readNumber(coefficientText);
        if (!c || terms == 26)
            return;
        coefficient = *c;
        equation += coefficientText == u"1" ? QString() : " (" + coefficientText + ") ";
        termsOn = true;
        continueOn = sketchOn = false;
    }
    void termClicked(const QString &button, const QStringList &replies, bool negativeX)
    {
        struct Term { const char *button, *text, *suffix; double min, max; }; // no range: no factor asked
        static const Term terms_[] = {{"CmdXSquare", "x^2", "", 1, 0}, {"CmdXCube", "x^3", "", 1, 0}, {"CmdXFive", "x", "", 1, 0},
                                      {"CmdXFour", "(1/x)", "", 1, 0}, {"Cmdsin", "sin x", "", 1, 0}, {"Cmdcos", "cos x", "", 1, 0},
                                      {"Cmdtan", "tan x", "", 1, 0}, {"Cmdlog", "log x", "", 1, 0}, {"CmdXY", "x^", "", 0, 10},
                                      {"CmdAX", "(", "^x)", 1, 20}, {"cmdSinAX", "sin", "x", 1, 10},
                                      {"cmdCosAX", "cos", "x", 1, 10}, {"cmdTanAX", "tan", "x", 1, 10}};
        const Term &t = *std::find_if(std::begin(terms_), std::end(terms_), [&](const Term &t) { return button == t.button; });
        equation += t.text;
        for (const QString &reply : t.min <= t.max ? replies : QStringList()) {
            const auto a = readNumber(reply.mid(6)); // after "reply"
            // A fractional power of a negative x is no number: asked again.
            if (!a || *a < t.min || *a > t.max || (button == "CmdXY" && negativeX && *a != std::floor(*a)))
                continue;
            if (button == "CmdXY" && *a == 0) // "x^" gives way to "1" after the coefficient 1, to nothing after others
                equation.replace(equation.size() - 2, 2, coefficient == 1 ? "1" : "");
            else
                equation += generalNumber(*a) + t.suffix;
            break;
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
    static QString summary(const QString &equation, const QString &coefficient, int terms, int sign, int curves,
                           std::initializer_list<bool> enabled)
    {
        QString buttons;
        for (bool on : enabled)
            buttons += on ? u'1' : u'0';
        return QStringLiteral("equation \"%1\", coefficient \"%2\", %3 terms, sign %4, %5 curves, terms/+-/Continue/Sketch %6")
            .arg(equation.right(60), coefficient.right(20)).arg(terms).arg(sign).arg(curves).arg(buttons);
    }
    // Where the program differs from the model, or nothing.
    QString differs(const FrmMain &m) const
    {
        const QString want = summary(equation, coefficientText, terms, sign, curves, {termsOn, signsOn, continueOn, sketchOn});
        const QString have = summary(m.TxtEquation->text(), m.TxtCoeff->text(), m.state.TermIndex, m.state.TermSign, m.state.CurveCount,
                                     {m.CmdXSquare->isEnabled(), m.CmdPlus->isEnabled(), m.CmdContin->isEnabled(), m.cmdSketch->isEnabled()});
        return want == have ? QString() : "the program has " + have + ";\n  the model says " + want;
    }
};

class TstRandomActions : public QObject {
    Q_OBJECT
    RandomDialogs dialogs;
    QTemporaryDir folder;
    Model model;
    bool ended = false;
    QString stepFailed;

    static QList<QWidget *> shownWindows()
    {
        QList<QWidget *> shown = drive::loadedWindows();
        shown.removeIf([](QWidget *w) { return !w->isVisible(); });
        return shown;
    }
    void start()
    {
        windows().destroyAll();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        ended = false;
        model = Model();
        QVERIFY(drive::run(QStringLiteral("start")).isEmpty());
    }

    // One of the things a user can do now, by kind first, so that a long menu does not crowd out the buttons.
    static Action pick(std::mt19937 &random)
    {
        QList<QStringList> all(6); // click, append, key, menu, close, point
        for (QWidget *window : shownWindows()) {
            const QString name = window->objectName();
            for (QWidget *w : window->findChildren<QWidget *>())
                if ((qobject_cast<QAbstractButton *>(w) || qobject_cast<QLineEdit *>(w)) && w->isVisible() && w->isEnabled())
                    all[0] << "click " + w->objectName();
            for (QLineEdit *box : window->findChildren<QLineEdit *>())
                if (box->isVisible() && box->isEnabled())
                    all[1] << "append " + box->objectName() + u' ' + randomText(random);
            static const char *keys[] = {"Tab", "Shift+Tab", "Return", "Escape", "A", "Shift", "Left", "5"};
            QWidget *focus = QApplication::focusWidget(); // the key goes to the window's focused control, if it has one
            all[2] << QStringLiteral("key %1 %2").arg(focus && focus->window() == window ? focus->objectName() : name,
                                                     keys[random() % (window == windows().frmSplash() ? 8 : 2)]);
            if (random() % 8 == 0) // by the window manager, the splash too
                all[4] << "close " + name;
            all[5] << QStringLiteral("point %1 %2 %3").arg(name).arg(random() % window->width() * 15).arg(random() % window->height() * 15);
            if (window == windows().frmMain())
                for (QMenu *menu : windows().frmMain()->menuBar()->findChildren<QMenu *>())
                    for (QAction *item : menu->actions())
                        if (!item->objectName().isEmpty() && (item->objectName() != "mnuExit" || random() % 20 == 0))
                            all[3] << "menu " + item->objectName();
        }
        static const int weights[] = {45, 25, 8, 8, 2, 12};
        for (;;) {
            int roll = int(random() % 100), kind = 0;
            while (roll >= weights[kind])
                roll -= weights[kind++];
            if (!all[kind].isEmpty())
                return {all[kind][random() % all[kind].size()], {}};
        }
    }
    // A random text of digits, signs, separators, letters, blanks and now and then a long run.
    static QString randomText(std::mt19937 &random)
    {
        static const char *numbers[] = {"1", "2", "-3", "0.5", "10", "7"};
        static const char *pieces[] = {"0", "1", "2", "5", "9", "-", "+", ".", ",", "e", "E", "x", "a", " ", "3.5", "-4"};
        if (random() % 2)
            return numbers[random() % std::size(numbers)];
        QString text;
        for (int n = 1 + random() % 5; n > 0; --n)
            text += pieces[random() % std::size(pieces)];
        return random() % 40 ? text : text + QString(200 + random() % 400, QChar(u"09 -."[random() % 5]));
    }

    // Does the action, if what it needs is still there, and works out what the model expects of it.
    void perform(Action &action)
    {
        dialogs.action = &action;
        dialogs.used = 0;
        stepFailed.clear();
        FrmMain *main = windows().mainLoaded() ? windows().frmMain() : nullptr;
        QAction *item = main ? main->findChild<QAction *>(action.target()) : nullptr;
        auto *target = qobject_cast<QWidget *>(drive::find(action.target()));
        action.done = action.verb() == u"menu" ? item && main->isVisible() : target && target->isVisible() && target->isEnabled();
        if (!action.done)
            return;
        const bool domainEmpty = main && (main->TxtStartX->text().isEmpty() || main->TxtEndX->text().isEmpty());
        const bool negativeX = main && main->plot.FirstColumn < 4600 && main->plot.FirstColumn <= main->plot.LastColumn;
        const auto inRange = [main](QLineEdit *box) { return std::abs(readNumber(box->text()).value_or(1e9)) <= main->plot.XLimit; };
        const bool rangeOk = main && inRange(main->TxtStartX) && inRange(main->TxtEndX);
        stepFailed = drive::run(action.step);
        // What an event loop would do between two actions; a queue left to grow slows every post.
        QCoreApplication::sendPostedEvents();
        const QString t = action.target();
        const bool click = action.verb() == u"click";
        if (ended || !main)
            return;
        if (action.verb() == u"append" && t == "TxtCoeff")
            model.typeCoefficient(action.text(), domainEmpty);
        else if (click && t == "CmdGrid")
            model.gridSet = model.gridSet || rangeOk;
        else if (click && t == "CmdContin")
            model.continueClicked();
        else if (click && (t == "CmdPlus" || t == "CmdMinus"))
            model.signClicked(t == "CmdPlus" ? 1 : -1);
        else if (click && std::ranges::count(main->termButtons(), target))
            model.termClicked(t, action.replies, negativeX);
        else if ((click && t == "cmdSketch" && !domainEmpty) || (item && main->mnuGeneral->actions().contains(item)))
            model.curves = std::min(model.curves + 1, 32767);
        else if (item && t == "mnuNew")
            model.settings(false);
        else if ((click && t == "Cmd") || (action.verb() == u"close" && t == "frmCurve"))
            model.settings(true);
    }

    // What is wrong with the program now, or nothing.
    QString broken()
    {
        Windows &w = windows();
        if (!stepFailed.isEmpty())
            return stepFailed;
        if (ended)
            return {};
        if (shownWindows().isEmpty())
            return "the program runs with no window to be seen";
        if (QApplication::topLevelWidgets().size() > 24)
            return QStringLiteral("%1 top-level widgets").arg(QApplication::topLevelWidgets().size());
        if (!w.mainLoaded())
            return {};
        const FrmMain &m = *w.frmMain();
        const EquationState &s = m.state;
        if (const QString differs = model.differs(m); !differs.isEmpty())
            return differs;
        if (m.FrameSettings->isHidden() == m.FrameEquation->isHidden())
            return "not exactly one panel";
        if (s.GridSet && (std::min(m.plot.FirstColumn, m.plot.LastColumn) < 100 || std::max(m.plot.FirstColumn, m.plot.LastColumn) > 9100))
            return "domain columns outside 100..9100";
        if (std::ranges::count_if(m.termButtons(), [](QPushButton *b) { return b->isEnabled(); }) % 13 || m.CmdPlus->isEnabled() != m.CmdMinus->isEnabled())
            return "the term buttons, or + and -, disagree";
        if (m.CmdGrid->isEnabled() && (!isNumeric(m.TxtStartX->text()) || !isNumeric(m.TxtEndX->text())))
            return "Set Grid open without two numbers";
        // Slots past the terms hold nothing: every term writes its own slot only. The next slot is
        // read whole, the rest at every 97th value, enough to see a row written.
        const std::size_t used = std::size_t(std::clamp<int>(s.TermIndex, 0, 26)) * EquationState::Columns;
        for (std::size_t i = used; i < s.TermTable.size(); i += i < used + EquationState::Columns ? 1 : 97)
            if (s.TermTable[i] != 0)
                return "a slot written beyond the terms";
        return {};
    }
    // Runs the list from a fresh start: the first broken invariant, or nothing.
    QString replay(QList<Action> &list, std::mt19937 *random = nullptr)
    {
        dialogs.random = random;
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

private slots:
    void initTestCase()
    {
        // The offscreen platform's notice on every raise() would drown the report.
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &context, const QString &text) {
            if (!text.contains("does not support"))
                qt_message_output(type, context, text);
        });
        QVERIFY(QDir::setCurrent(folder.path()));
        setDialogService(&dialogs);
        windows().quit = [this] { ended = true; };
    }
    void cleanupTestCase() { windows().destroyAll(); }

    void randomActions_data()
    {
        QTest::addColumn<unsigned>("seed");
#if defined(__SANITIZE_ADDRESS__)
        const int total = 20000; // the sanitizers slow every action
#else
        const int total = 100000;
#endif
        const unsigned first = qEnvironmentVariableIsSet("ZELTAPLOT_SEED") ? qEnvironmentVariableIntValue("ZELTAPLOT_SEED") : 1;
        for (unsigned s = first; s < first + 5; ++s)
            QTest::addRow("seed %u", s) << s;
        setProperty("actions", qEnvironmentVariableIntValue("ZELTAPLOT_ACTIONS") ? qEnvironmentVariableIntValue("ZELTAPLOT_ACTIONS") : total / 5);
    }
    void randomActions()
    {
        QFETCH(unsigned, seed);
        std::mt19937 random(seed);
        QList<Action> history; // since the last fresh start
        QList<Action> none;
        replay(none, &random);
        for (int i = 0, actions = property("actions").toInt(); i < actions; ++i) {
            history << pick(random);
            perform(history.last());
            if (const QString b = broken(); !b.isEmpty()) {
                // Removes ever smaller pieces of the list while it still fails.
                for (qsizetype chunk = history.size() / 2; chunk >= 1; chunk /= 2)
                    for (qsizetype at = 0; at + chunk <= history.size();) {
                        QList<Action> shorter = history;
                        shorter.remove(at, chunk);
                        replay(shorter).isEmpty() ? void(at += chunk) : void(history = shorter);
                    }
                const QString shrunk = replay(history);
                QStringList row;
                for (const Action &a : history)
                    if (a.done)
                        row << a.replies << a.step;
                QFAIL(qPrintable(QStringLiteral("seed %1, action %2: %3\nshrunk to a row for scenarios.txt, where %4:\nseed %1 | start; %5")
                                     .arg(seed).arg(i).arg(b, shrunk, row.join(QStringLiteral("; ")))));
            }
            if (ended)
                history.clear(), start();
        }
    }
};

QTEST_MAIN(TstRandomActions)
#include "tst_randomactions.moc"
