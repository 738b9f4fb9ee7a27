// Sketch Curve: the stored terms summed and plotted, the curve's colour, its label line.
#include "drive.h"
#include "equation/sketch.h"
#include "equation/terms.h"
#include "plot/imagesurface.h"
#include "recordingsurface.h"
#include "scripteddialogs.h"
#include "windows/curve/frmcurve.h"
#include "windows/windows.h"

#include <QtTest>
#include <QtWidgets>

using namespace zelta;

static const PlotSettings Default{1, 500, 9, 100, 9100};

static QList<QPointF> points(const RecordingSurface &s)
{
    QList<QPointF> out;
    for (const SurfaceOp &op : s.ops)
        if (op.kind == SurfaceOp::Point)
            out << QPointF(op.x1, op.y1);
    return out;
}

class TstSketch : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { windows().destroyAll(); }

    // Twelve terms of x^2: a twelfth term is drawn as well as shown.
    void everyStoredTermIsSummed()
    {
        EquationState state;
        for (int t = 0; t < 12; ++t)
            QVERIFY(addTermValues(state, Default, [](double, double x) { return x * x; }));
        RecordingSurface s;
        plotStoredCurve(s, state, Default);
        const QList<QPointF> p = points(s);
        QCOMPARE(p.size(), 9001);
        QCOMPARE(p.first(), QPointF(100, 3400 - 12 * 81 * 500));
        QCOMPARE(p[4700 - 100], QPointF(4700, 3400 - 12 * 0.04 * 500));
        QVERIFY(std::ranges::all_of(state.CurveValues, [](double v) { return v == 0; })); // ready for the next
    }

    void pointOffTheSurface_data()
    {
        QTest::addColumn<double>("sum");
        QTest::addColumn<bool>("drawn");
        QTest::addColumn<float>("row");
        QTest::newRow("on the surface") << 1.0 << true << 2900.0f;
        QTest::newRow("far above, still a float") << -0x1p127 / 500 << true << 0x1p127f;
        QTest::newRow("beyond single precision") << 1e40 << false << 0.0f;
        QTest::newRow("beyond the double range") << qInf() << false << 0.0f;
        QTest::newRow("not a number") << qQNaN() << false << 0.0f;
    }
    void pointOffTheSurface()
    {
        QFETCH(double, sum);
        QFETCH(bool, drawn);
        QFETCH(float, row);
        EquationState state;
        state.TermIndex = 1;
        state.term(0, 5000) = sum;
        state.term(0, 5001) = 0;
        RecordingSurface s;
        plotStoredCurve(s, state, {1, 500, 9, 5000, 5001});
        // The rest of the curve is drawn whatever happens to one column.
        QCOMPARE(points(s).last(), QPointF(5001, 3400));
        QCOMPARE(points(s).size(), drawn ? 2 : 1);
        if (drawn)
            QCOMPARE(float(points(s).first().y()), row);
    }

    void reversedDomainDrawsNothingButTheLabel()
    {
        EquationState state;
        RecordingSurface s;
        RandomSequence random;
        sketchCurve(s, state, {1, 500, 9, 4601, 3600}, "log x", defaultWindowFont(), random);
        QCOMPARE(s.ops.size(), 1);
        QCOMPARE(s.ops[0].text, "y=log x");
        // Measured with one blank more than it prints.
        QCOMPARE(s.ops[0].x1, float(9000 - 15 * QFontMetricsF(defaultWindowFont()).horizontalAdvance("y=log x ")));
        QCOMPARE(int(state.CurveCount), 1);
    }

    void labelLine_data()
    {
        QTest::addColumn<int>("curveCount");
        QTest::addColumn<bool>("labelled");
        QTest::addColumn<float>("row");
        QTest::newRow("first") << 1 << true << 0.0f;
        QTest::newRow("second") << 2 << true << 200.0f;
        QTest::newRow("35th, below the surface") << 35 << true << 6800.0f;
        QTest::newRow("164th, the last row in 16 bits") << 164 << true << 32600.0f;
        QTest::newRow("165th, beyond 16 bits") << 165 << false << 0.0f;
    }
    void labelLine()
    {
        QFETCH(int, curveCount);
        QFETCH(bool, labelled);
        QFETCH(float, row);
        RecordingSurface s;
        printCurveLabel(s, std::int16_t(curveCount), "y=x", "y=x ", defaultWindowFont());
        QCOMPARE(s.ops.size(), labelled ? 1 : 0);
        if (!labelled)
            return;
        QCOMPARE(s.ops[0].y1, row);
        // The measuring text, blank included, ends at column 9000.
        QCOMPARE(s.ops[0].x1, float(9000 - 15 * QFontMetricsF(defaultWindowFont()).horizontalAdvance("y=x ")));
    }

    void curveCountStopsAt32767()
    {
        EquationState state;
        state.CurveCount = 32766;
        countCurve(state);
        countCurve(state);
        QCOMPARE(int(state.CurveCount), 32767);
    }

    // Worked out from the first nine numbers of the program's sequence, r x 155, r x 205, r x 255.
    void coloursOfARun()
    {
        RandomSequence run;
        QCOMPARE(QColor(nextCurveColour(run)), QColor(126, 28, 231));
        QCOMPARE(QColor(nextCurveColour(run)), QColor(129, 26, 247));
        QCOMPARE(QColor(nextCurveColour(run)), QColor(142, 45, 161));
    }

    void emptyDomainIsRefused()
    {
        ScriptedDialogs dialogs;
        FrmMain *frm = windows().frmMain();
        frm->show();
        drive::setGrid(frm);
        drive::addTerm(frm, "2", "CmdXSquare");
        frm->TxtEndX->setText(QString());
        drive::click(frm->cmdSketch);
        QCOMPARE(dialogs.messages, QStringList{"Please enter the domain of X."});
        QVERIFY(!windows().frmCurve()->isVisible());
        QCOMPARE(int(frm->state.CurveCount), 0);
    }

    // The same equation twice: one curve drawn over the other in the next colour, two label lines.
    void secondSketchInTheNextColour()
    {
        FrmMain *frm = windows().frmMain();
        frm->show();
        drive::setGrid(frm);
        drive::addTerm(frm, "2", "CmdXSquare");
        RandomSequence predicted = programRandom();
        const QRgb first = nextCurveColour(predicted), second = nextCurveColour(predicted);
        const auto sketch = [frm] {
            drive::click(frm->cmdSketch);
            return windows().frmCurve()->PicCurve->Image();
        };
        const QImage grid = windows().frmCurve()->PicCurve->Image(), once = sketch(), twice = sketch();
        // 2x^2 is 2 at x = 1: column 5100, row 2400.
        QCOMPARE(once.pixel(340, 160), first);
        QCOMPARE(twice.pixel(340, 160), second);
        for (int y = 26; y < grid.height(); ++y)
            for (int x = 0; x < grid.width(); ++x)
                QCOMPARE(once.pixel(x, y) == first, twice.pixel(x, y) == second);
        // Right of the curve, each sketch's label changes its own line of 200 twips only.
        const QRect line1(400, 0, 213, 13), line2(400, 14, 213, 12);
        QVERIFY(once.copy(line1) != grid.copy(line1) && twice.copy(line1) == once.copy(line1));
        QVERIFY(twice.copy(line2) != once.copy(line2) && once.copy(line2) == grid.copy(line2));
    }
};

QTEST_MAIN(TstSketch)
#include "tst_sketch.moc"
