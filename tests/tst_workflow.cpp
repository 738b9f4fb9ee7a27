// The main window as a whole: captions, size, layout and tab order, then its states through the workflow.
#include "scripteddialogs.h"
#include "windows/curve/frmcurve.h"
#include "windows/main/frmmain.h"
#include "windows/windows.h"
#include <QtTest>
#include <QtWidgets>

class TestWorkflow : public QObject {
    Q_OBJECT
    ScriptedDialogs m_dialogs; // a message box must not block the run
private slots:
    void mainWindow()
    {
        zelta::FrmMain *frm = zelta::windows().frmMain();
        frm->show();
        QStringList captions{frm->windowTitle()};
        for (QAction *a : frm->menuBar()->actions() + frm->mnuGeneral->actions())
            captions << a->text();
        QCOMPARE(captions, QStringList({"Zeltaplot", "&File", "&General Curves", "&Help", "&y=x", "&y=x^2", "&y=x^3",
                                        "&y=1/x", "&y=1/(x^2)", "&y=sin x", "&y=cos x", "&y=tan x", "&y=log x"}));
        QCOMPARE(frm->centralWidget()->size(), QSize(401, 248)); // 6015 x 3720 twips
        QCOMPARE(frm->minimumSize(), frm->maximumSize());
        QCOMPARE(QList({frm->OptHalf->geometry(), frm->CmdGrid->geometry(), frm->CmdXFour->geometry()}),
                 QList({QRect(8, 139, 281, 17), QRect(16, 176, 353, 25), QRect(200, 72, 57, 25)})); // twips / 15
        frm->TxtStartX->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), frm->TxtStartX);
        for (QWidget *next : QWidgetList{frm->TxtEndX, frm->CmdGrid, frm->OptOne, frm->TxtStartX}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); // the option group is one stop
            QCOMPARE(QApplication::focusWidget(), next);
        }

        // The window after a step; with the settings panel also its defaults, no y axis yet, then a half-unit grid.
        const auto check = [frm](bool settings, bool coeff, const QString &prompt, int curves, bool gridSet) {
            QCOMPARE(QList({frm->FrameSettings->isVisible(), frm->FrameEquation->isHidden()}),
                     QList<bool>(2, settings));
            for (QWidget *w : frm->FrameSettings->findChildren<QWidget *>()) // the range hint is never disabled
                QCOMPARE(w->isEnabled(), settings || w == frm->LblInGrid);
            for (QPushButton *b : frm->FrameEquation->findChildren<QPushButton *>())
                QVERIFY(!b->isEnabled());
            QCOMPARE(frm->TxtCoeff->isEnabled(), coeff);
            QCOMPARE(frm->lblDes->text(), prompt);
            QVERIFY(std::ranges::all_of(frm->state.TermTable, [](double v) { return v == 0; }));
            QCOMPARE(QList<int>({frm->state.CurveCount, frm->state.GridSet}), QList<int>({curves, gridSet}));
            if (!settings)
                return;
            QCOMPARE(QStringList({frm->TxtStartX->text(), frm->TxtEndX->text(), frm->TxtCoeff->text(),
                                  frm->TxtEquation->text()}), QStringList({"-9", "9", "", ""}));
            QVERIFY(frm->OptOne->isChecked());
            QCOMPARE(zelta::windows().frmCurve()->grab().toImage().pixel(4600 / 15, 5000 / 15), qRgb(255, 255, 255));
            QTest::mouseClick(frm->OptHalf, Qt::LeftButton, {}, QPoint(6, 8));
            QTest::mouseClick(frm->CmdGrid, Qt::LeftButton);
            QCOMPARE(zelta::windows().frmCurve()->grab().toImage().pixel(4600 / 15, 5000 / 15), qRgb(100, 100, 100));
        };
        const QString accept = "Enter the settings of the grid or accept the default values and click Set grid.";
        const QString choose = "Enter the settings of the grid or choose the default values and click Set grid.";
        check(true, true, accept, 0, false);
        check(false, true, "Now enter the coefficient of the first term.", 0, true);
        for (bool viaReset : {false, true}) { // a term and a curve; New Curve keeps CurveCount and GridSet
            QTest::keyClicks(frm->TxtCoeff, "2");
            for (QPushButton *b : {frm->CmdContin, frm->CmdXSquare, frm->cmdSketch})
                QTest::mouseClick(b, Qt::LeftButton);
            viaReset ? QTest::mouseClick(zelta::windows().frmCurve()->Cmd, Qt::LeftButton) : frm->mnuNew->trigger();
            check(true, viaReset, viaReset ? choose : accept, viaReset ? 0 : 1, !viaReset);
        }
    }
};

QTEST_MAIN(TestWorkflow)
#include "tst_workflow.moc"
