// Drives the real windows with a long random sequence of what a user can do, from fixed seeds, and
// checks after every action that the program is in a state it defines. A failure prints the seed
// and a shortest action list that still breaks the invariant, to be kept as a case of its own.
#include "platform/numbers.h"
#include "randomactions.h"
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

class TstRandomActions : public QObject {
    Q_OBJECT
    RandomDialogs dialogs;
    QTemporaryDir folder;
    bool ended = false;

    QList<QWidget *> shownWindows() const
    {
        QList<QWidget *> shown;
        Windows &w = windows();
        if (w.splashLoaded() && w.frmSplash()->isVisible())
            shown << w.frmSplash();
        if (w.mainLoaded() && w.frmMain()->isVisible())
            shown << w.frmMain();
        if (w.curveLoaded() && w.frmCurve()->isVisible())
            shown << w.frmCurve();
        if (w.helpLoaded() && w.frmHelp()->isVisible())
            shown << w.frmHelp();
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
            all << Action{Action::Point, window->objectName(), {},
                          QPoint(random() % window->width(), random() % window->height()), {}};
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

    // The key goes to the focused control of the window, or to the window itself.
    static void pressKey(QWidget *window, const QString &key)
    {
        QWidget *to = QApplication::focusWidget() && QApplication::focusWidget()->window() == window
                          ? QApplication::focusWidget() : window;
        key == "Backtab" ? QTest::keyClick(to, Qt::Key_Tab, Qt::ShiftModifier)
                         : QTest::keyClick(to, Qt::Key(QKeySequence::fromString(key)[0].key()));
    }
    static void movePointer(QWidget *window, QPoint at)
    {
        QWidget *under = window->childAt(at);
        QWidget *to = under ? under : window;
        QMouseEvent move(QEvent::MouseMove, to->mapFrom(window, at), window->mapToGlobal(at), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(to, &move);
    }

    // Does the action, if what it needs is still there (a shrunk list may have lost its cause).
    void perform(Action &action)
    {
        dialogs.action = &action;
        dialogs.used = 0;
        QWidget *target = action.kind == Action::Menu ? nullptr : find(action.target);
        switch (action.kind) {
        case Action::Click:
            if (target && target->isEnabled())
                QTest::mouseClick(target, Qt::LeftButton, {},
                                  qobject_cast<QRadioButton *>(target) ? QPoint(6, 8) : target->rect().center());
            break;
        case Action::Type:
            // Into the box the user clicks first, at the end of its text.
            if (target && target->isEnabled()) {
                QTest::mouseClick(target, Qt::LeftButton);
                QTest::keyClick(target, Qt::Key_End);
                QTest::keyClicks(target, action.text);
            }
            break;
        case Action::Key:
            if (target)
                pressKey(target, action.text);
            break;
        case Action::Menu:
            if (windows().mainLoaded())
                if (auto *item = windows().frmMain()->findChild<QAction *>(action.target))
                    item->trigger();
            break;
        case Action::Close:
            if (target)
                target->close();
            break;
        case Action::Point:
            if (target)
                movePointer(target, action.at);
            break;
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // What is wrong with the program now, or nothing.
    QString broken(const QString &equationBefore)
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
        for (const QString &b : {brokenState(*w.frmMain()), brokenButtons(*w.frmMain()),
                                 brokenEquation(w.frmMain()->TxtEquation->text(), equationBefore)})
            if (!b.isEmpty())
                return b;
        return w.curveLoaded() ? brokenPicture(w.frmCurve()->PicCurve->Image(), w.frmMain()->state.GridDrawn) : QString();
    }
    static QString brokenState(const FrmMain &m)
    {
        const EquationState &s = m.state;
        if (m.FrameSettings->isHidden() == m.FrameEquation->isHidden())
            return "not exactly one panel";
        if (s.TermIndex < 0 || s.TermIndex > 26 || s.CurveCount < 0 || std::abs(s.TermSign) != 1)
            return QStringLiteral("counters TermIndex %1 TermSign %2 CurveCount %3").arg(s.TermIndex).arg(s.TermSign).arg(s.CurveCount);
        if (s.GridSet && (m.plot.FirstColumn < 100 || m.plot.FirstColumn > 9100 || m.plot.LastColumn < 100 ||
                          m.plot.LastColumn > 9100))
            return "domain columns outside 100..9100";
        for (int slot = s.TermIndex; slot < EquationState::Slots; ++slot)
            for (int c = 0; c < EquationState::Columns; ++c)
                if (s.term(slot, c) != 0)
                    return QStringLiteral("slot %1 written beyond the terms").arg(slot);
        return {};
    }
    // The enabled states of the workflow's steps.
    static QString brokenButtons(const FrmMain &m)
    {
        const bool terms = m.CmdXSquare->isEnabled();
        for (QPushButton *b : m.termButtons())
            if (b->isEnabled() != terms)
                return "the term buttons disagree";
        if (m.CmdPlus->isEnabled() != m.CmdMinus->isEnabled())
            return "+ and - disagree";
        if (terms && (m.CmdContin->isEnabled() || m.TxtCoeff->isEnabled() || m.cmdSketch->isEnabled() ||
                      m.CmdPlus->isEnabled() || m.state.full()))
            return "term buttons open with another step";
        if (m.CmdPlus->isEnabled() && (!m.cmdSketch->isEnabled() || m.state.TermIndex == 0 || m.CmdContin->isEnabled()))
            return "signs open with the wrong buttons";
        if (m.FrameSettings->isVisible() && (terms || m.CmdPlus->isEnabled() || m.cmdSketch->isEnabled()))
            return "equation buttons open under the grid settings";
        if (m.CmdGrid->isEnabled() && (!isNumeric(m.TxtStartX->text()) || !isNumeric(m.TxtEndX->text())))
            return "Set Grid open without two numbers";
        return {};
    }
    static QString brokenEquation(const QString &now, const QString &before)
    {
        static const QRegularExpression append(
            R"(^( \(.*\) | \+ | - |x\^2|x\^3|x|\(1/x\)|x\^[-0-9.,e]+|1|sin x|cos x|tan x|log x|\([0-9.,e]+\^x\)|(sin|cos|tan)[0-9.,e]+x)?$)",
            QRegularExpression::DotMatchesEverythingOption);
        if (!now.isEmpty() && !(now.startsWith(before) && append.match(now.mid(before.size())).hasMatch()))
            return "the equation changed other than by an append: \"" + now.right(60) + '"';
        return {};
    }
    static QString brokenPicture(const QImage &picture, bool gridDrawn)
    {
        if (picture.size() != QSize(613, 453))
            return "the picture changed its size";
        // Every third row is enough to see a grid, and a stray point on white paper.
        bool small = false, big = false, white = true;
        for (int y = 0; y < picture.height(); y += 3) {
            const auto *line = reinterpret_cast<const QRgb *>(picture.constScanLine(y));
            for (int x = 0; x < picture.width(); ++x) {
                small = small || line[x] == qRgb(230, 230, 230);
                big = big || line[x] == qRgb(190, 190, 190);
                white = white && line[x] == qRgb(255, 255, 255);
            }
        }
        if (gridDrawn ? !(small && big) : !white)
            return gridDrawn ? "a grid is drawn but not on the picture" : "no grid, yet the picture is not white";
        return {};
    }

    // Replays the list from a fresh start; the first broken invariant, or nothing.
    QString replay(QList<Action> list)
    {
        dialogs.random = nullptr;
        start();
        for (Action &a : list) {
            const QString before = windows().mainLoaded() ? windows().frmMain()->TxtEquation->text() : QString();
            perform(a);
            if (const QString b = broken(before); !b.isEmpty())
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
            const QString before = windows().mainLoaded() ? windows().frmMain()->TxtEquation->text() : QString();
            perform(a);
            history << a;
            if (const QString b = broken(before); !b.isEmpty()) {
                const QList<Action> shrunk = shrink(history);
                QStringList lines{QStringLiteral("seed %1, action %2: %3; shrunk to %4 actions:").arg(seed).arg(i).arg(b).arg(shrunk.size())};
                for (const Action &s : shrunk)
                    lines << "  " + s.describe();
                return lines.join('\n');
            }
            if (ended) {
                start();
                dialogs.random = &random;
            }
            // Only the actions since the last fresh start are needed to replay a failure.
            if (history.size() > 400)
                history.remove(0, 1);
        }
        const double seconds = std::max(timer.nsecsElapsed() / 1e9, 1e-9);
        std::printf("seed %u: %d actions, %.0f per second\n", seed, actions, actions / seconds);
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
