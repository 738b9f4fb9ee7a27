// The keyboard alone: the order Tab walks, the help window's topics, Enter on a button, where the
// focus goes, and keys of habit.
#include "drive.h"
#include "plot/imagesurface.h"
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
        windows().frmMain()->mnuHowTo->trigger();
        help = windows().frmHelp();
        QVERIFY(QTest::qWaitForWindowActive(help));
    }

private slots:
    void init() { windows().frmMain()->show(); }
    void cleanup() { windows().destroyAll(); }

    void helpByKeys_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("focused"); // empty: the window is closed, kept loaded
        QTest::addColumn<QString>("raised"); // topic digits, C for Close
        QTest::addColumn<int>("topic");
        QTest::newRow("opened") << "" << "txtHelp0" << "" << 0;
        QTest::newRow("Tab past the two links to the first topic") << "TTT" << "cmdDes0" << "0" << 0;
        QTest::newRow("Tab on: the topic left sinks") << "TTTT" << "cmdDes1" << "1" << 0;
        QTest::newRow("Down and Right as Tab") << "TTTDDR" << "cmdDes3" << "3" << 0;
        QTest::newRow("the last topic, then Close") << "TTTDDDDDDDD" << "cClose" << "C" << 0;
        QTest::newRow("Space chooses, the topic stays up") << "TTTDDDS" << "cmdDes3" << "3" << 3;
        QTest::newRow("Enter chooses") << "TTTDDDDDE" << "cmdDes5" << "5" << 5;
        QTest::newRow("after a choice Tab reaches the new text") << "TTTDDDETTTTTT" << "txtHelp3" << "" << 3;
        QTest::newRow("Escape on a topic closes") << "TTTDDEX" << "" << "" << 2;
        QTest::newRow("Enter on Close") << "TTTDDETTTTTTE" << "" << "" << 2;
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

    void linkOpensTheBrowser_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QUrl>("address");
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

    void tabOrder_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QStringList>("focus");
        const QString grid = "click CmdGrid; type TxtCoeff 2; click CmdContin;";
        QTest::newRow("settings") << "" << "TxtStartX" << "Tab" << QStringList{"TxtEndX", "CmdGrid", "OptOne", "TxtStartX"};
        QTest::newRow("settings back") << "" << "TxtStartX" << "Shift+Tab" << QStringList{"OptOne", "CmdGrid", "TxtEndX", "TxtStartX"};
        QTest::newRow("another scale") << "click OptTwo" << "TxtStartX" << "Tab" << QStringList{"TxtEndX", "CmdGrid", "OptTwo", "TxtStartX"};
        QTest::newRow("choosing a term") << grid << "TxtEquation" << "Tab"
                                         << QStringList{"CmdXSquare", "CmdXCube", "CmdXFour", "CmdXFive", "CmdXY", "Cmdsin", "Cmdcos",
                                                        "Cmdtan", "Cmdlog", "CmdAX", "cmdCosAX", "cmdSinAX", "cmdTanAX", "TxtEquation"};
        QTest::newRow("choosing back") << grid << "TxtEquation" << "Shift+Tab" << QStringList{"cmdTanAX", "cmdSinAX"};
        QTest::newRow("after a term") << grid + "click CmdXSquare" << "TxtEquation" << "Tab"
                                      << QStringList{"CmdPlus", "CmdMinus", "cmdSketch", "TxtEquation"};
        QTest::newRow("after a sign") << grid + "click CmdXSquare; click CmdPlus" << "TxtEquation" << "Tab"
                                      << QStringList{"TxtCoeff", "CmdContin", "TxtEquation"};
        QTest::newRow("curve window") << grid + "click CmdXSquare; click cmdSketch" << "PicCurve" << "Tab"
                                      << QStringList{"Cmd", "CmdSave", "CmdCopy", "PicCurve"};
    }
    // Where each press of the key takes the focus.
    void tabOrder()
    {
        QFETCH(QString, script);
        QFETCH(QString, from);
        QFETCH(QString, key);
        QFETCH(QStringList, focus);
        DRIVE(script);
        auto *start = qobject_cast<QWidget *>(drive::find(from));
        start->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(start->window()));
        start->setFocus();
        QStringList walked;
        for (qsizetype i = 0; i < focus.size(); ++i) {
            QVERIFY(QApplication::focusWidget());
            DRIVE("key " + QApplication::focusWidget()->objectName() + ' ' + key);
            walked << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(walked, focus);
    }

    void equationBoxRefusesEdits_data()
    {
        QTest::addColumn<QString>("keys");
        for (const char *k : {"A", "Backspace", "Del", "Ctrl+V", "Ctrl+X", "Ctrl+Z"})
            QTest::newRow(k) << k;
    }
    // Only the program writes the equation, the curve's label.
    void equationBoxRefusesEdits()
    {
        QFETCH(QString, keys);
        QGuiApplication::clipboard()->setText("9");
        DRIVE("click CmdGrid; type TxtCoeff 2; click CmdContin; click CmdXSquare");
        windows().frmMain()->TxtEquation->setSelection(1, 3);
        DRIVE("key TxtEquation " + keys);
        QCOMPARE(windows().frmMain()->TxtEquation->text(), " (2) x^2");
    }
    void keyOfHabit_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("item");
        QTest::newRow("F1 asks for help") << "frmMain" << "F1" << "mnuHowTo";
        QTest::newRow("F1 in the curve window") << "frmCurve" << "F1" << "mnuHowTo";
        QTest::newRow("Ctrl+Q ends") << "frmMain" << "Ctrl+Q" << "mnuExit";
    }
    // Keys kept off the menus so their captions stay as designed.
    void keyOfHabit()
    {
        QFETCH(QString, window);
        QFETCH(QString, key);
        QFETCH(QString, item);
        int quits = 0;
        windows().quit = [&quits] { ++quits; };
        DRIVE("menu mnuCur01");
        auto *w = qobject_cast<QWidget *>(drive::find(window));
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w));
        QSignalSpy chosen(qobject_cast<QAction *>(drive::find(item)), &QAction::triggered);
        DRIVE("key " + window + ' ' + key);
        QCOMPARE(chosen.size(), 1);
    }

    // Ctrl+C and Ctrl+S in the curve window copy and save the picture.
    void curveWindowKeys()
    {
        DRIVE("menu mnuCur01");
        FrmCurve *curve = windows().frmCurve();
        QVERIFY(QTest::qWaitForWindowActive(curve));
        QGuiApplication::clipboard()->clear();
        DRIVE("key frmCurve Ctrl+C");
        QCOMPARE(QGuiApplication::clipboard()->image(), curve->PicCurve->Image());
        QTemporaryDir dir;
        dialogs.saveNames << dir.filePath("keys.bmp");
        DRIVE("key frmCurve Ctrl+S");
        QCOMPARE(QImage(dir.filePath("keys.bmp")), curve->PicCurve->Image());
    }
};

QTEST_MAIN(TstKeyboard)
#include "tst_keyboard.moc"
