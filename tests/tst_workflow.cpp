// The main window's states through the workflow: load, Set Grid, New Curve and the curve window's reset.
#include "drive.h"
#include "plot/imagesurface.h"
#include "scripteddialogs.h"
#include "windows/curve/frmcurve.h"
#include "windows/windows.h"

#include <QtTest>
#include <QtWidgets>

using namespace zelta;

static const QString Accept =
    QStringLiteral("Enter the settings of the grid or accept the default values and click Set grid.");
static const QString Choose =
    QStringLiteral("Enter the settings of the grid or choose the default values and click Set grid.");

class TstWorkflow : public QObject {
    Q_OBJECT
    FrmMain *frm = nullptr;
    ScriptedDialogs dialogs;

    // The settings panel as after loading, with the given instruction.
    void checkSettingsStage(const QString &instruction)
    {
        QVERIFY(frm->FrameSettings->isVisible() && frm->FrameEquation->isHidden());
        for (QWidget *w : frm->FrameSettings->findChildren<QWidget *>())
            QVERIFY2(w->isEnabled(), qPrintable(w->objectName()));
        for (QPushButton *b : frm->FrameEquation->findChildren<QPushButton *>())
            QVERIFY2(!b->isEnabled(), qPrintable(b->objectName()));
        QCOMPARE((QStringList{frm->TxtStartX->text(), frm->TxtEndX->text(), frm->TxtCoeff->text(),
                              frm->TxtEquation->text()}),
                 (QStringList{"-9", "9", "", ""}));
        QVERIFY(frm->OptOne->isChecked());
        QCOMPARE(frm->lblDes->text(), instruction);
        QVERIFY(std::ranges::all_of(frm->state.TermTable, [](double v) { return v == 0; }));
        QCOMPARE(int(frm->state.TermIndex), 0);
        QCOMPARE(int(frm->state.TermSign), 1);
        QVERIFY(!frm->state.GridDrawn);
    }
    void sketchAfterMinus()
    {
        drive::setGrid(frm, "OptHalf");
        drive::addTerm(frm, "2", "CmdXSquare");
        drive::click(frm->CmdMinus);
        drive::click(frm->CmdContin);
        drive::click(frm->CmdXFive);
        drive::click(frm->cmdSketch);
        QGuiApplication::clipboard()->setText("picture");
    }

private slots:
    void init()
    {
        frm = windows().frmMain();
        frm->show();
    }
    void cleanup() { windows().destroyAll(); }

    void afterLoading()
    {
        checkSettingsStage(Accept);
        QVERIFY(windows().curveLoaded() && !windows().frmCurve()->isVisible());
        QVERIFY(windows().frmCurve()->Cmd->isEnabled());
        QCOMPARE(int(frm->state.CurveCount), 0);
        QVERIFY(!frm->state.GridSet);
    }

    void setGridOpensTheEquation()
    {
        drive::setGrid(frm);
        QVERIFY(frm->FrameEquation->isVisible() && frm->FrameSettings->isHidden());
        QCOMPARE(frm->lblDes->text(), "Now enter the coefficient of the first term.");
        for (QWidget *w : frm->FrameSettings->findChildren<QWidget *>()) // the range hint is never disabled
            QCOMPARE(w->isEnabled(), w == frm->LblInGrid);
        QVERIFY(frm->TxtCoeff->isEnabled() && frm->LblCoefficient->isEnabled());
        QTRY_COMPARE(QApplication::focusWidget(), frm->TxtCoeff);
        QVERIFY(frm->state.GridSet && frm->state.GridDrawn);
        QVERIFY(!windows().frmCurve()->isVisible());
    }

    void newCurveStartsAgain()
    {
        sketchAfterMinus();
        frm->mnuNew->trigger();
        checkSettingsStage(Accept);
        QVERIFY(!windows().frmCurve()->isVisible());
        QTRY_COMPARE(QApplication::focusWidget(), frm->OptOne);
        // The surface is cleared; the curve count and GridSet stay for the next curve.
        QCOMPARE(windows().frmCurve()->PicCurve->Image().pixel(340, 160), qRgb(255, 255, 255));
        QCOMPARE(int(frm->state.CurveCount), 1);
        QVERIFY(frm->state.GridSet);
    }

    // After -, New Curve: the next equation's first term is stored as it is shown, positive.
    void newCurveForgetsTheSign()
    {
        sketchAfterMinus();
        frm->mnuNew->trigger();
        drive::setGrid(frm);
        drive::addTerm(frm, "3", "CmdXFive");
        QCOMPARE(frm->state.term(0, 5100), 3.0);
    }

    void resetButtonStartsAgain()
    {
        sketchAfterMinus();
        drive::click(windows().frmCurve()->Cmd);
        checkSettingsStage(Choose);
        QVERIFY(!windows().frmCurve()->isVisible());
        QVERIFY(QGuiApplication::clipboard()->text().isEmpty());
        QTRY_COMPARE(QApplication::focusWidget(), frm->OptOne);
        QCOMPARE(int(frm->state.CurveCount), 0);
        QVERIFY(!frm->state.GridSet);
        QCOMPARE(int(frm->plot.UnitTwips), 500);
    }

    void closingTheCurveWindowResets()
    {
        sketchAfterMinus();
        QPointer<FrmCurve> curve = windows().frmCurve();
        curve->close();
        QTRY_VERIFY(curve.isNull());
        QVERIFY(QGuiApplication::clipboard()->text().isEmpty());
        // The scale stays; the boxes read the one-unit defaults whatever the scale.
        QVERIFY(frm->OptHalf->isChecked());
        QCOMPARE(frm->TxtStartX->text() + ' ' + frm->TxtEndX->text(), "-9 9");
        QCOMPARE(frm->lblDes->text(), Choose);
        QVERIFY(frm->FrameSettings->isVisible());
        QVERIFY(std::ranges::none_of(frm->termButtons(), &QPushButton::isEnabled));
        QVERIFY(frm->CmdGrid->isEnabled());
    }
};

QTEST_MAIN(TstWorkflow)
#include "tst_workflow.moc"
