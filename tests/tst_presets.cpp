// The General Curves menu: each preset's points and label, and what choosing one does to the windows.
#include "drive.h"
#include "equation/sketch.h"
#include "equation/terms.h"
#include "plot/imagesurface.h"
#include "presets/presets.h"
#include "recordingsurface.h"
#include "scripteddialogs.h"
#include "windows/curve/frmcurve.h"
#include "windows/windows.h"

#include <QtTest>
#include <QtWidgets>

using namespace zelta;

struct PresetRow {
    int item;
    int first, last, points; // columns drawn
    int column;
    float row; // at that column, worked out by hand at 500 twips to the unit
    QString label;
};
Q_DECLARE_METATYPE(PresetRow)

// The points and the label a preset leaves on a recording surface.
struct Drawn {
    QList<QPointF> points;
    SurfaceOp label;
};
static Drawn drawn(int item)
{
    RecordingSurface s;
    EquationState state;
    RandomSequence random;
    drawPreset(s, state, 500, Presets[std::size_t(item)], defaultWindowFont(), random);
    Drawn d;
    for (const SurfaceOp &op : s.ops)
        if (op.kind == SurfaceOp::Point)
            d.points << QPointF(op.x1, op.y1);
        else if (op.kind == SurfaceOp::Text)
            d.label = op;
    return d;
}
static double widthOf(const QString &text) { return QFontMetricsF(defaultWindowFont()).horizontalAdvance(text) * 15; }

class TstPresets : public QObject {
    Q_OBJECT
    ScriptedDialogs dialogs;

private slots:
    void cleanup() { windows().destroyAll(); }

    void recorded_data()
    {
        QTest::addColumn<PresetRow>("r");
        QTest::newRow("y=x") << PresetRow{0, 1, 9200, 9200, 5100, 2900, "y=x"};
        QTest::newRow("y=x^2") << PresetRow{1, 1, 9200, 9200, 4100, 2900, "y=x^2 "};
        QTest::newRow("y=x^3") << PresetRow{2, 1, 9200, 9200, 4100, 3900, "y=x^3 "};
        QTest::newRow("y=1/x") << PresetRow{3, 1, 9200, 9199, 4601, -246600, "y=1/x "};
        QTest::newRow("y=1/(x^2)") << PresetRow{4, 1, 9200, 9199, 4100, 2900, "y=1/(x^2)"};
        QTest::newRow("y=sin x") << PresetRow{5, 1, 9200, 9200, 4600, 3400, "y=sin x"};
        QTest::newRow("y=cos x") << PresetRow{6, 1, 9200, 9200, 4600, 2900, "y=cos x"};
        QTest::newRow("y=tan x") << PresetRow{7, 1, 9200, 9200, 4600, 3400, "y=tan x"};
        QTest::newRow("y=log x") << PresetRow{8, 4601, 9200, 4600, 5100, 3400, "y=log x"};
    }
    void recorded()
    {
        QFETCH(PresetRow, r);
        const Drawn d = drawn(r.item);
        QCOMPARE(d.points.size(), r.points);
        QCOMPARE(d.points.first().x(), r.first);
        QCOMPARE(d.points.last().x(), r.last);
        // Every column of the range in order, but for x = 0 where 1/x has no value.
        for (int i = 1; i < d.points.size(); ++i)
            QCOMPARE(d.points[i].x() - d.points[i - 1].x(), d.points[i - 1].x() == 4599 && r.points == 9199 ? 2 : 1);
        const auto at = std::find_if(d.points.begin(), d.points.end(), [&](QPointF p) { return p.x() == r.column; });
        QVERIFY(at != d.points.end());
        QCOMPARE(float(at->y()), r.row);
    }

    void labelled_data() { recorded_data(); }
    // The label ends one blank short of column 9000, measured in the main window's font.
    void labelled()
    {
        QFETCH(PresetRow, r);
        const SurfaceOp label = drawn(r.item).label;
        QCOMPARE(label.text, r.label);
        QCOMPARE(label.x1, float(9000 - widthOf(r.label.trimmed() + ' ')));
        QCOMPARE(label.y1, 0.0f);
    }

    // Presets and sketches share the label lines and the colour sequence.
    void labelsStackWithSketchedCurves()
    {
        RecordingSurface s;
        EquationState state;
        RandomSequence random;
        QVERIFY(addTermValues(state, {1, 500, 9, 100, 9100}, [](double c, double x) { return c * x; }));
        drawPreset(s, state, 500, Presets[0], defaultWindowFont(), random);
        sketchCurve(s, state, {1, 500, 9, 100, 9100}, "x", defaultWindowFont(), random);
        drawPreset(s, state, 500, Presets[5], defaultWindowFont(), random);
        QList<SurfaceOp> labels;
        std::copy_if(s.ops.begin(), s.ops.end(), std::back_inserter(labels),
                     [](const SurfaceOp &op) { return op.kind == SurfaceOp::Text; });
        QCOMPARE(labels.size(), 3);
        QCOMPARE((QStringList{labels[0].text, labels[1].text, labels[2].text}), (QStringList{"y=x", "y=x", "y=sin x"}));
        QCOMPARE((QList<float>{labels[0].y1, labels[1].y1, labels[2].y1}), (QList<float>{0, 200, 400}));
        QVERIFY(labels[0].colour != labels[1].colour && labels[1].colour != labels[2].colour);
        QCOMPARE(int(state.CurveCount), 3);
    }

    // Before any Set Grid: the equation panel, the grid at the chosen scale, the curve in its colour.
    void menuItemBeforeSetGrid()
    {
        FrmMain *frm = windows().frmMain();
        frm->show();
        drive::click(frm->OptTwo);
        frm->mnuCur01->trigger();
        QVERIFY(frm->FrameEquation->isVisible() && frm->FrameSettings->isHidden());
        QVERIFY(windows().frmCurve()->isVisible());
        QVERIFY(frm->state.GridDrawn && !frm->state.GridSet);
        QVERIFY(std::ranges::none_of(frm->termButtons(), &QPushButton::isEnabled));
        QVERIFY(!frm->CmdContin->isEnabled() && !frm->cmdSketch->isEnabled());
        const QImage img = windows().frmCurve()->PicCurve->Image();
        // y = x at x = 2 is column 5100, row 2900 at 250 twips to the unit; the label 2 of the grid under it.
        QCOMPARE(img.pixel(5100 / 15, 2900 / 15), windows().frmCurve()->PicCurve->ForeColor() | 0xff000000u);
        QCOMPARE(img.pixel(4600 / 15, 6000 / 15), qRgb(100, 100, 100)); // the Y axis
    }

    // A second preset does not redraw the grid over the first curve.
    void secondItemKeepsTheGrid()
    {
        FrmMain *frm = windows().frmMain();
        frm->show();
        frm->mnuCur01->trigger();
        const QRgb first = windows().frmCurve()->PicCurve->ForeColor() | 0xff000000u;
        frm->mnuCurve05->trigger();
        // Column 5100, row 2900 lies on two big-box lines; y = x crosses it, y = cos x does not.
        QCOMPARE(windows().frmCurve()->PicCurve->Image().pixel(5100 / 15, 2900 / 15), first);
        QCOMPARE(int(frm->state.CurveCount), 2);
    }

    // The typed domain and the equation are the user's; a preset leaves them alone.
    void itemIgnoresTheDomainAndTheEquation()
    {
        FrmMain *frm = windows().frmMain();
        frm->show();
        drive::setGrid(frm, "OptOne", "0", "2");
        drive::addTerm(frm, "3", "CmdXFive");
        frm->mnuCurve02->trigger();
        // y = x^2 at x = -1: column 4100, row 2900, left of the typed domain.
        QCOMPARE(windows().frmCurve()->PicCurve->Image().pixel(4100 / 15, 2900 / 15),
                 windows().frmCurve()->PicCurve->ForeColor() | 0xff000000u);
        QCOMPARE(frm->TxtEquation->text(), " (3) x");
        QCOMPARE(int(frm->state.TermIndex), 1);
        QCOMPARE(QList<int>({frm->plot.FirstColumn, frm->plot.LastColumn}), QList<int>({4600, 5600}));
        QVERIFY(frm->CmdPlus->isEnabled() && frm->cmdSketch->isEnabled());
    }
};

QTEST_MAIN(TstPresets)
#include "tst_presets.moc"
