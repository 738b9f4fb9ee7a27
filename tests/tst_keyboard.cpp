// The keyboard alone: the help window's topics, Enter on a button, and where the focus goes.
#include "drive.h"
#include "windows/main/frmmain.h"
#include "scripteddialogs.h"
#include "windows/curve/frmcurve.h"
#include "windows/help/frmhelp.h"
#include "windows/main/frmmain.h"
#include "windows/windows.h"

#include <QtTest>
#include <QtWidgets>

using namespace zelta;

// Receives the addresses the help text opens.
class Browser : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl &url) { opened << url; }
};

class TstKeyboard : public QObject {
    Q_OBJECT
    ScriptedDialogs dialogs;
    FrmHelp *help = nullptr;

    // A key as the window system delivers it: to the control with the focus.
    static void press(QWidget *window, int key, Qt::KeyboardModifiers modifiers = {})
    {
        QWidget *to = window->focusWidget() ? window->focusWidget() : window;
        QTest::keyClick(to, Qt::Key(key), modifiers);
    }
    // Presses the keys of a row: T Tab, B Shift+Tab, U Up, D Down, L Left, R Right, E Enter, S Space, X Escape.
    static void keys(QWidget *window, const QString &row)
    {
        static const QHash<QChar, int> code{{u'T', Qt::Key_Tab},   {u'B', Qt::Key_Backtab}, {u'U', Qt::Key_Up},
                                            {u'D', Qt::Key_Down},  {u'L', Qt::Key_Left},    {u'R', Qt::Key_Right},
                                            {u'E', Qt::Key_Return}, {u'S', Qt::Key_Space},   {u'X', Qt::Key_Escape}};
        for (const QChar c : row)
            if (c == u'K')
                press(window, Qt::Key_Enter, Qt::KeypadModifier);
            else
                press(window, code.value(c));
    }
    QString raised() const
    {
        QString up;
        for (int i = 0; i < FrmHelp::Topics; ++i)
            if (help->cmdDes[i]->isVisible())
                up += QString::number(i);
        return help->cClose->isVisible() ? up + 'C' : up;
    }
    void openHelp()
    {
        windows().frmMain()->show();
        windows().frmMain()->mnuHowTo->trigger();
        help = windows().frmHelp();
        QVERIFY(QTest::qWaitForWindowActive(help));
    }

private slots:
    void cleanup() { windows().destroyAll(); }

    void helpByKeys_data()
    {
        QTest::addColumn<QString>("keys"); // K is keypad Enter
        QTest::addColumn<QString>("focused"); // empty: the window is closed, kept loaded
        QTest::addColumn<QString>("raised"); // topic digits, C for Close
        QTest::addColumn<int>("topic");
        QTest::newRow("opened") << "" << "txtHelp0" << "" << 0;
        QTest::newRow("Tab past the two links to the first topic") << "TTT" << "cmdDes0" << "0" << 0;
        QTest::newRow("Tab on: the topic left sinks") << "TTTT" << "cmdDes1" << "1" << 0;
        QTest::newRow("Shift+Tab from the first topic to the text") << "TTTB" << "txtHelp0" << "" << 0;
        QTest::newRow("Down and Right as Tab") << "TTTDDR" << "cmdDes3" << "3" << 0;
        QTest::newRow("Up and Left as Shift+Tab") << "TTTDDDUL" << "cmdDes1" << "1" << 0;
        QTest::newRow("the last topic, then Close") << "TTTDDDDDDDD" << "cClose" << "C" << 0;
        QTest::newRow("Tab past Close to the text") << "TTTDDDDDDDDT" << "txtHelp0" << "" << 0;
        QTest::newRow("Space chooses, the topic stays up") << "TTTDDDS" << "cmdDes3" << "3" << 3;
        QTest::newRow("Enter chooses") << "TTTDDDDDE" << "cmdDes5" << "5" << 5;
        QTest::newRow("keypad Enter chooses") << "TTTDDDDDDK" << "cmdDes6" << "6" << 6;
        QTest::newRow("after a choice Tab reaches the new text") << "TTTDDDETTTTTT" << "txtHelp3" << "" << 3;
        QTest::newRow("Escape on a topic closes") << "TTTDDEX" << "" << "" << 2;
        QTest::newRow("Escape in the text closes") << "TTTDDETTTTTTTX" << "" << "" << 2;
        QTest::newRow("Enter on Close") << "TTTDDETTTTTTE" << "" << "" << 2;
        QTest::newRow("Space on Close") << "TTTDDETTTTTTS" << "" << "" << 2;
    }
    // Tab and the arrows reach every topic and Close, the one with the focus raised into its button;
    // Enter and Space choose; Escape closes as Close does, the topic kept.
    void helpByKeys()
    {
        QFETCH(QString, keys);
        QFETCH(QString, focused);
        QFETCH(QString, raised);
        QFETCH(int, topic);
        openHelp();
        TstKeyboard::keys(help, keys);
        QCOMPARE(help->currentTopic(), topic);
        QVERIFY(windows().helpLoaded());
        QCOMPARE(help->isVisible(), !focused.isEmpty());
        if (focused.isEmpty())
            return;
        QVERIFY(QApplication::focusWidget());
        QCOMPARE(QApplication::focusWidget()->objectName(), focused);
        QCOMPARE(this->raised(), raised);
    }

    // Another window used in between: the topic the keyboard was on is still up and focused.
    void topicKeptAcrossAWindowSwitch()
    {
        openHelp();
        keys(help, "TTTD");
        windows().frmMain()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(windows().frmMain()));
        help->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(help));
        QCOMPARE(raised(), "1");
        QCOMPARE(QApplication::focusWidget(), help->cmdDes[1]);
    }

    // The pointer leaving the window lowers the button it raised; the keyboard's stays.
    void pointerLeavesTheWindow()
    {
        openHelp();
        keys(help, "TTTD");
        const QPoint at = help->lblDes[5]->geometry().center();
        QMouseEvent move(QEvent::MouseMove, help->lblDes[5]->rect().center(), help->mapToGlobal(at), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(help->lblDes[5], &move);
        QCOMPARE(raised(), "15");
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(help, &leave);
        QCOMPARE(raised(), "1");
    }

    // A topic clicked while the text has the focus: the new text takes it, and the button clicked
    // sinks with the pointer's next move over the background as before.
    void topicClickedWithTheFocusInTheText()
    {
        openHelp();
        const auto pointAt = [this](QWidget *over, QPoint at) {
            QMouseEvent move(QEvent::MouseMove, at, over->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(over, &move);
        };
        pointAt(help->lblDes[5], help->lblDes[5]->rect().center());
        QTest::mouseClick(help->cmdDes[5], Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), help->txtHelp[5]);
        QCOMPARE(raised(), "5");
        pointAt(help, help->lblDes[5]->geometry().bottomLeft() + QPoint(20, 3));
        QCOMPARE(raised(), "");
    }

    void linkOpensTheBrowser_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QUrl>("address");
        QTest::newRow("e-mail") << "TE" << QUrl("mailto:zeltaplot@example.org");
        QTest::newRow("homepage") << "TTE" << QUrl("https://example.org/zeltaplot");
    }
    // In the first topic's text Tab walks the links and Enter opens one.
    void linkOpensTheBrowser()
    {
        QFETCH(QString, keys);
        QFETCH(QUrl, address);
        Browser browser;
        for (const char *scheme : {"https", "mailto"})
            QDesktopServices::setUrlHandler(scheme, &browser, "open");
        openHelp();
        QCOMPARE(QApplication::focusWidget(), help->txtHelp[0]);
        TstKeyboard::keys(help, keys);
        for (const char *scheme : {"https", "mailto"})
            QDesktopServices::unsetUrlHandler(scheme);
        QCOMPARE(browser.opened, QList<QUrl>{address});
    }

    void continueLeavesTheFocusOnX_data()
    {
        QTest::addColumn<bool>("byKey");
        QTest::newRow("Enter on Continue") << true;
        QTest::newRow("a click on Continue") << false;
    }
    void continueLeavesTheFocusOnX()
    {
        QFETCH(bool, byKey);
        FrmMain *main = windows().frmMain();
        main->show();
        QVERIFY(QTest::qWaitForWindowActive(main));
        DRIVE("click CmdGrid; type TxtCoeff 2");
        if (byKey) {
            press(main, Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), main->CmdContin);
            press(main, Qt::Key_Return);
        } else {
            DRIVE("click CmdContin");
        }
        QCOMPARE(QApplication::focusWidget(), main->CmdXFive);
        press(main, Qt::Key_Space);
        QCOMPARE(main->TxtEquation->text(), " (2) x");
    }
};

QTEST_MAIN(TstKeyboard)
#include "tst_keyboard.moc"
