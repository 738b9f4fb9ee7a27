// Sketching: the stored terms summed and plotted, the curve colour, the label, and the term limit.
#include "equation/sketch.h"
#include "equation/terms.h"
#include "plot/imagesurface.h"
#include "recordingsurface.h"
#include "scripteddialogs.h"
#include "windows/curve/frmcurve.h"
#include "windows/main/frmmain.h"
#include "windows/windows.h"
#include <QtTest>
#include <QtWidgets>

using namespace zelta;
static void click(std::initializer_list<QWidget *> buttons)
{
    for (QWidget *b : buttons)
        QTest::mouseClick(b, Qt::LeftButton);
}

class TstSketch : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { windows().destroyAll(); }

    void recordedCurveAndLabels()
    {
        EquationState state;
        for (int t = 0; t < 12; ++t)
            QVERIFY(addTermValues(state, {1, 500, 9, 100, 9100}, [](double, double x) { return 2 * x * x; }));
        state.term(11, 5001) = std::nan("");
        state.term(11, 5002) = 1e40;
        state.term(11, 5003) = -0x1p127 / 500; // row 2^127, still a float
        RecordingSurface s;
        state.TermIndex = 1;
        plotStoredCurve(s, state, {1, 500, 9, 100, 9100});
        state.TermIndex = 12;
        plotStoredCurve(s, state, {1, 500, 9, 5000, 5003});
        plotStoredCurve(s, state, {1, 500, 9, 5003, 5000});
        for (int count : {1, 164, 165})
            printCurveLabel(s, std::int16_t(count), QStringLiteral("y=x"), 1234.5);
        const auto at = [&s](int i) { return QPointF(s.ops[i].x1, s.ops[i].y1); };
        QCOMPARE(s.ops.size(), 9001 + 2 + 2);
        QCOMPARE(at(5000), QPointF(5100, 2400));
        QCOMPARE((QList<QPointF>{at(9001), at(9002), at(9003), at(9004)}),
                 (QList<QPointF>{{5000, -4280}, {5003, 0x1p127}, {9000 - 1234.5, 0}, {9000 - 1234.5, 163 * 200}}));
        state.CurveCount = 32766;
        countCurve(state);
        countCurve(state);
        QCOMPARE(state.CurveCount, std::int16_t(32767));
    }

    void sketchFullEquationTwice()
    {
        ScriptedDialogs dialogs;
        FrmMain *frm = windows().frmMain();
        click({frm->CmdGrid});
        QTest::keyClicks(frm->TxtCoeff, QStringLiteral("1"));
        for (int i = 0; i < 26; ++i) // x^2 + x^2 - x^2 ... in every slot: the curve is 2 x^2
            click({i % 2 ? frm->CmdPlus : frm->CmdMinus, frm->CmdContin, frm->CmdXSquare});
        frm->TxtEndX->setText(QString());
        click({frm->cmdSketch});
        QVERIFY(frm->state.CurveCount == 0 && !windows().frmCurve()->isVisible());
        QCOMPARE(dialogs.messages, QStringList{QStringLiteral("Please enter the domain of X.")});
        frm->TxtEndX->setText(QStringLiteral("9"));

        RandomSequence predicted = programRandom(), fresh, another;
        QCOMPARE(nextCurveColour(fresh), nextCurveColour(another));
        const QRgb first = nextCurveColour(predicted), second = nextCurveColour(predicted);
        const auto sketch = [frm] {
            click({frm->cmdSketch});
            return windows().frmCurve()->PicCurve->Image();
        };
        const QImage grid = windows().frmCurve()->PicCurve->Image(), once = sketch(), twice = sketch();
        QCOMPARE(once.pixel(340, 160), first);
        for (int y = 26; y < grid.height(); ++y)
            for (int x = 0; x < grid.width(); ++x)
                QCOMPARE(once.pixel(x, y) == first, twice.pixel(x, y) == second);
        // Right of the curve, each sketch's label changes its own 13-pixel line only.
        const QRect line1(400, 0, 213, 13), line2(400, 13, 213, 13);
        QVERIFY(once.copy(line1) != grid.copy(line1) && twice.copy(line1) == once.copy(line1));
        QVERIFY(twice.copy(line2) != once.copy(line2) && once.copy(line2) == grid.copy(line2));

        click({frm->CmdPlus, frm->CmdContin});
        QCOMPARE(frm->state.TermIndex, std::int16_t(26));
        QCOMPARE(frm->TxtEquation->text(), "x^2" + QString(" + x^2 - x^2").repeated(12) + " + x^2 + ");
        QCOMPARE(dialogs.messages.size(), 2);
    }
};

QTEST_MAIN(TstSketch)
#include "tst_sketch.moc"
