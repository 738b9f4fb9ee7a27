// The help window: its topics, the names that rise into buttons under the pointer, Close and How to...
#include "scripteddialogs.h"
#include "windows/help/frmhelp.h"
#include "windows/main/frmmain.h"
#include "windows/windows.h"

#include <QtTest>
#include <QtWidgets>

using namespace zelta;

static const QStringList Names{"Aims and Structure", "Grid Settings", "The Equation", "The Graph",
                               "Using the curve as Bitmap", "Display Settings", "Sketching more than one Curve",
                               "General Curves"};

class TstHelp : public QObject {
    Q_OBJECT
    FrmHelp *help = nullptr;

    // The pointer moved to a point of the window, as the window system reports it.
    void pointAt(QPoint at)
    {
        QWidget *under = help->childAt(at);
        QWidget *receiver = under ? under : help;
        QMouseEvent move(QEvent::MouseMove, receiver->mapFrom(help, at), help->mapToGlobal(at), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(receiver, &move);
    }
    QList<bool> raised() const
    {
        QList<bool> up;
        for (QPushButton *b : help->cmdDes)
            up << b->isVisible();
        return up << help->cClose->isVisible();
    }

private slots:
    void init()
    {
        windows().frmMain()->mnuHowTo->trigger();
        help = windows().frmHelp();
        QVERIFY(QTest::qWaitForWindowExposed(help));
    }
    void cleanup() { windows().destroyAll(); }

    void firstShown()
    {
        QCOMPARE(help->windowTitle(), "Help");
        QCOMPARE(help->size(), QSize(474, 259)); // 7110 x 3885 twips
        QCOMPARE(help->lblIntro->text(), " Click on the appropriate: ");
        QCOMPARE(help->currentTopic(), 0);
        QVERIFY(help->lblOnTop[0]->isVisible());
        QCOMPARE(raised(), QList<bool>(9, false));
        for (int i = 0; i < FrmHelp::Topics; ++i) {
            QCOMPARE(help->lblDes[i]->text(), Names[i]);
            QCOMPARE(help->cmdDes[i]->text(), Names[i]);
            QCOMPARE(help->lblDes[i]->geometry().topLeft(), QPoint(16, 40 + 24 * i)); // 240, 600 + 360 i twips
        }
        QVERIFY(help->lClose->isVisible() && help->lClose->text() == "Close");
    }

    void hover_data()
    {
        QTest::addColumn<QString>("over");
        QTest::addColumn<int>("raisedButton"); // -1: none, 8: Close
        QTest::newRow("a topic name") << "lblDes3" << 3;
        QTest::newRow("Close") << "lClose" << 8;
        QTest::newRow("the gap between rows") << "gap" << -1;
        QTest::newRow("the text") << "txtHelp0" << 0;
        QTest::newRow("the title") << "lblOnTop0" << 0;
        QTest::newRow("the intro") << "lblIntro" << 0;
    }
    // Over a name its button rises; over the background all sink; elsewhere nothing changes.
    void hover()
    {
        QFETCH(QString, over);
        QFETCH(int, raisedButton);
        pointAt(help->lblDes[0]->geometry().center());
        QCOMPARE(raised()[0], true);
        const QPoint gap = help->lblDes[2]->geometry().bottomLeft() + QPoint(20, 3); // 105 twips below a row
        pointAt(over == "gap" ? gap : help->findChild<QWidget *>(over)->geometry().center());
        QList<bool> expected(9, false);
        if (raisedButton >= 0)
            expected[raisedButton] = true;
        if (over.startsWith("lblDes") || over == "lClose")
            expected[0] = true; // the first stays up until the pointer crosses the background
        QCOMPARE(raised(), expected);
    }

    void topicChosen()
    {
        pointAt(help->lblDes[5]->geometry().center());
        QTest::mouseClick(help->cmdDes[5], Qt::LeftButton);
        QCOMPARE(help->currentTopic(), 5);
        QVERIFY(help->lblOnTop[5]->isVisible() && help->lblOnTop[0]->isHidden());
        QVERIFY(help->txtHelp[5]->isVisible() && help->txtHelp[0]->isHidden());
        QVERIFY(help->cmdDes[5]->isVisible()); // until the pointer leaves
    }

    // Close hides the window; How to... brings it back as it was left.
    void closeThenHowTo()
    {
        pointAt(help->lblDes[6]->geometry().center());
        QTest::mouseClick(help->cmdDes[6], Qt::LeftButton);
        pointAt(help->lClose->geometry().center());
        QTest::mouseClick(help->cClose, Qt::LeftButton);
        QVERIFY(help->isHidden() && windows().helpLoaded());
        windows().frmMain()->mnuHowTo->trigger();
        QCOMPARE(windows().frmHelp(), help);
        QVERIFY(help->isVisible());
        QCOMPARE(help->currentTopic(), 6);
        QCOMPARE(help->lblOnTop[6]->text(), "Sketching more than one Curve on the same grid");
    }

    void closedByItsFrame()
    {
        help->cmdDes_Click(4);
        QPointer<FrmHelp> closed = help;
        help->close();
        QTRY_VERIFY(closed.isNull());
        QVERIFY(!windows().helpLoaded());
        windows().frmMain()->mnuHowTo->trigger();
        QCOMPARE(windows().frmHelp()->currentTopic(), 0);
    }

    void topicText_data()
    {
        QTest::addColumn<int>("topic");
        QTest::addColumn<QString>("says");
        QTest::newRow("aims") << 0 << "Tavrin Zeltaplot v2.0";
        QTest::newRow("grid") << 1 << "Set Grid";
        QTest::newRow("equation: 26 terms") << 2 << "up to 26 terms; a 27th is refused";
        QTest::newRow("graph") << 3 << "-4.5 to 4.5 shows y from -3 to 3";
        QTest::newRow("bitmap") << 4 << "Copy to Clipboard";
        QTest::newRow("display") << 5 << "800 by 600";
        QTest::newRow("more curves") << 6 << "Reset Zeltaplot";
        QTest::newRow("general") << 7 << "General Curves menu";
    }
    // Every text is there, cannot be changed, and scrolls to its end.
    void topicText()
    {
        QFETCH(int, topic);
        QFETCH(QString, says);
        QTextBrowser *text = help->txtHelp[topic];
        QVERIFY2(text->toPlainText().simplified().contains(says), qPrintable(text->toPlainText()));
        QVERIFY(text->isReadOnly());
        help->cmdDes_Click(topic);
        // The scroll range reaches the end of the text: what is below the box can be brought into it.
        const QScrollBar *bar = text->verticalScrollBar();
        QVERIFY(bar->maximum() + bar->pageStep() >= int(text->document()->size().height()) - 1);
    }
};

QTEST_MAIN(TstHelp)
#include "tst_help.moc"
