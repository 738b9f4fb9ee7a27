// Sketching: the stored terms summed and plotted, the curve colour, the label, and the term limit.
#include "equation/sketch.h"
#include "equation/terms.h"
#include "platform/random.h"
#include "plot/imagesurface.h"
#include "recordingsurface.h"
#include "scripteddialogs.h"
#include "windows/curve/frmcurve.h"
#include "windows/main/frmmain.h"
#include "windows/windows.h"

#include <QFontMetricsF>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>
#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>

using namespace zelta;

namespace {
PlotSettings defaultGrid()
{
    PlotSettings p;
    p.FirstColumn = 100;
    p.LastColumn = 9100;
    p.UnitTwips = 500;
    return p;
}
double xAt(int c) { return double(c - 4600) / 500; }

// Text is antialiased, so a label is found as the pixels it changed: their columns
// (right of pixel column 400, away from the curve) in the 13 rows below `top`.
QList<int> changedColumns(const QImage &before, const QImage &after, int top)
{
    QList<int> xs;
    for (int y = top; y < top + 13; ++y)
        for (int x = 400; x < after.width(); ++x)
            if (after.pixel(x, y) != before.pixel(x, y))
                xs.append(x);
    std::sort(xs.begin(), xs.end());
    return xs;
}
// The largest channel difference between `colour` and the changed pixel nearest to it.
int nearestChange(const QImage &before, const QImage &after, int top, QRgb colour)
{
    int best = 256;
    for (int y = top; y < top + 13; ++y)
        for (int x = 400; x < after.width(); ++x) {
            const QRgb p = after.pixel(x, y);
            if (p == before.pixel(x, y))
                continue;
            best = std::min(best, std::max({std::abs(qRed(p) - qRed(colour)), std::abs(qGreen(p) - qGreen(colour)),
                                            std::abs(qBlue(p) - qBlue(colour))}));
        }
    return best;
}
} // namespace

class TstSketch : public QObject {
    Q_OBJECT
    ScriptedDialogs dialogs;
    FrmMain *frm = nullptr;

    void click(QPushButton *b) { QTest::mouseClick(b, Qt::LeftButton); }
    void addTerm(const QString &coefficient, QPushButton *term)
    {
        QTest::keyClicks(frm->TxtCoeff, coefficient);
        click(frm->CmdContin);
        click(term);
    }
    QImage picture() const { return windows().frmCurve()->PicCurve->Image(); }
    // Every column whose row lies on the surface has its pixel in `colour`.
    static int wrongCurvePixels(const QImage &image, QRgb colour, const std::function<double(int)> &sum)
    {
        int wrong = 0;
        for (int c = 100; c <= 9100; ++c) {
            const float row = static_cast<float>(3400 - sum(c) * 500);
            if (row >= 0 && row < 6795 && image.pixel(c / 15, int(row) / 15) != colour)
                ++wrong;
        }
        return wrong;
    }

private slots:
    void init()
    {
        dialogs.messages.clear();
        windows().destroyAll();
        frm = windows().frmMain();
        frm->show();
        QVERIFY(QTest::qWaitForWindowExposed(frm));
        click(frm->CmdGrid);
        QVERIFY(frm->FrameEquation->isVisible());
    }
    void cleanup() { windows().destroyAll(); }

    void plotsTwoXSquared()
    {
        EquationState state;
        const PlotSettings grid = defaultGrid();
        state.TermCoefficients[0] = 2;
        QVERIFY(addTermValues(state, grid, powerOf(2)));
        RecordingSurface surface;
        surface.setForeColor(qRgb(10, 20, 30));
        plotStoredCurve(surface, state, grid);
        QCOMPARE(surface.ops.size(), 9001);
        for (int i = 0; i < surface.ops.size(); ++i) {
            const SurfaceOp &op = surface.ops[i];
            const int c = 100 + i;
            QCOMPARE(op.kind, SurfaceOp::Point);
            QCOMPARE(op.x1, float(c));
            QCOMPARE(op.y1, static_cast<float>(3400 - 2 * std::pow(xAt(c), 2) * 500));
            QCOMPARE(op.colour, qRgb(10, 20, 30));
        }
        QCOMPARE(surface.ops[4500].y1, 3400.0f);
        QCOMPARE(surface.ops[5000].y1, 2400.0f);
        QVERIFY(std::all_of(state.CurveValues.begin(), state.CurveValues.end(), [](double v) { return v == 0; }));
    }

    void sumsEveryStoredTerm()
    {
        EquationState state;
        const PlotSettings grid = defaultGrid();
        // Eleven times x, then a twelfth term 5 x^2 that must show in the curve.
        for (int t = 0; t < 11; ++t) {
            state.TermCoefficients[std::size_t(t)] = 1;
            QVERIFY(addTermValues(state, grid, linearTerm));
        }
        state.TermCoefficients[11] = 5;
        QVERIFY(addTermValues(state, grid, powerOf(2)));
        RecordingSurface surface;
        plotStoredCurve(surface, state, grid);
        QCOMPARE(surface.ops.size(), 9001);
        for (const SurfaceOp &op : surface.ops) {
            const int c = int(op.x1);
            double sum = 0;
            for (int t = 0; t < 12; ++t)
                sum = state.term(t, c) + sum;
            QCOMPARE(op.y1, static_cast<float>(3400 - sum * 500));
        }
        QCOMPARE(surface.ops[5000].y1, float(3400 - 16 * 500));
    }

    void skipsUnplaceableRows()
    {
        EquationState state;
        PlotSettings grid = defaultGrid();
        grid.FirstColumn = 4990;
        grid.LastColumn = 5010;
        state.TermIndex = 1;
        for (int c = 4990; c <= 5010; ++c)
            state.term(0, c) = 0.5;
        state.term(0, 5000) = std::numeric_limits<double>::quiet_NaN();
        state.term(0, 5001) = 1e40;
        state.term(0, 5002) = -1e40;
        state.term(0, 5003) = std::numeric_limits<double>::infinity();
        state.term(0, 5004) = -6e35; // row 3e38, still a float
        RecordingSurface surface;
        plotStoredCurve(surface, state, grid);
        QList<int> columns;
        for (const SurfaceOp &op : surface.ops) {
            columns.append(int(op.x1));
            QCOMPARE(op.y1, op.x1 == 5004.0f ? static_cast<float>(3400 + 6e35 * 500) : 3150.0f);
        }
        QList<int> expected;
        for (int c = 4990; c <= 5010; ++c)
            if (c < 5000 || c > 5003)
                expected.append(c);
        QCOMPARE(columns, expected);
        QCOMPARE(state.CurveValues[5000], 0.0);
    }

    void backwardsDomainPlotsNothing()
    {
        EquationState state;
        PlotSettings grid = defaultGrid();
        state.TermIndex = 1;
        grid.FirstColumn = 5000;
        grid.LastColumn = 4000;
        RecordingSurface surface;
        plotStoredCurve(surface, state, grid);
        QVERIFY(surface.ops.isEmpty());
    }

    void labelLine_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<bool>("printed");
        QTest::newRow("first") << 1 << true;
        QTest::newRow("second") << 2 << true;
        QTest::newRow("35th") << 35 << true;
        QTest::newRow("164th") << 164 << true;
        QTest::newRow("165th") << 165 << false;
        QTest::newRow("last count") << 32767 << false;
    }
    void labelLine()
    {
        QFETCH(int, count);
        QFETCH(bool, printed);
        RecordingSurface surface;
        surface.setForeColor(qRgb(1, 2, 3));
        printCurveLabel(surface, std::int16_t(count), QStringLiteral(" (2) x^2"), 1234.5);
        if (!printed) {
            QVERIFY(surface.ops.isEmpty());
            return;
        }
        QCOMPARE(surface.ops.size(), 1);
        const SurfaceOp &op = surface.ops[0];
        QCOMPARE(op.kind, SurfaceOp::Text);
        QCOMPARE(op.text, QStringLiteral("y= (2) x^2"));
        QCOMPARE(op.x1, float(9000 - 1234.5));
        QCOMPARE(op.y1, float((count - 1) * 200));
        QCOMPARE(op.colour, qRgb(1, 2, 3));
    }

    void curveCountStops()
    {
        EquationState state;
        countCurve(state);
        QCOMPARE(state.CurveCount, std::int16_t(1));
        state.CurveCount = 32766;
        countCurve(state);
        QCOMPARE(state.CurveCount, std::int16_t(32767));
        countCurve(state);
        QCOMPARE(state.CurveCount, std::int16_t(32767));
    }

    void colourRule()
    {
        RandomSequence a, b, numbers;
        QCOMPARE(nextCurveColour(a), nextCurveColour(b));
        RandomSequence colours;
        QRgb previous = 0xffffffffu;
        for (int i = 0; i < 1000; ++i) {
            const double r1 = numbers.next(), r2 = numbers.next(), r3 = numbers.next();
            const QRgb c = nextCurveColour(colours);
            QCOMPARE(c, qRgb(int(std::nearbyint(r1 * 155)), int(std::nearbyint(r2 * 205)), int(std::nearbyint(r3 * 255))));
            QVERIFY(qRed(c) <= 155 && qGreen(c) <= 205 && qBlue(c) <= 255);
            QVERIFY(c != previous);
            previous = c;
        }
    }

    void sketchTwice()
    {
        addTerm(QStringLiteral("2"), frm->CmdXSquare);
        RandomSequence predicted = programRandom();
        const QRgb first = nextCurveColour(predicted);
        const QRgb second = nextCurveColour(predicted);
        QVERIFY(first != second);
        const auto sum = [](int c) { return 2 * std::pow(xAt(c), 2); };

        const QImage grid = picture();
        click(frm->cmdSketch);
        FrmCurve *curve = windows().frmCurve();
        QVERIFY(curve->isVisible());
        QCOMPARE(frm->state.CurveCount, std::int16_t(1));
        QCOMPARE(curve->PicCurve->ForeColor(), first);
        QImage image = picture();
        QCOMPARE(image.size(), QSize(613, 453));
        QCOMPARE(image.pixel(340, 160), first); // x = 1
        QCOMPARE(image.pixel(273, 160), first); // x = -1
        QCOMPARE(image.pixel(306, 226), first); // the vertex on the axis
        QCOMPARE(wrongCurvePixels(image, first, sum), 0);

        // The label "y= (2) x^2" ends one blank short of column 9000 (pixel 600).
        const QFontMetricsF metrics(frm->font());
        const double start = std::floor((9000 - metrics.horizontalAdvance(QStringLiteral("y= (2) x^2 ")) * 15) / 15);
        const double end = start + metrics.horizontalAdvance(QStringLiteral("y= (2) x^2"));
        QList<int> xs = changedColumns(grid, image, 0);
        QVERIFY(!xs.isEmpty());
        QVERIFY(nearestChange(grid, image, 0, first) < 64);
        QVERIFY2(xs.first() >= start - 1 && xs.last() <= end + 1 && xs.last() < 600,
                 qPrintable(QStringLiteral("%1..%2 for %3..%4").arg(xs.first()).arg(xs.last()).arg(start).arg(end)));

        // The main window stays as it was.
        QVERIFY(frm->CmdPlus->isEnabled() && frm->CmdMinus->isEnabled() && frm->cmdSketch->isEnabled());
        QCOMPARE(frm->TxtEquation->text(), QStringLiteral(" (2) x^2"));

        click(frm->cmdSketch);
        QCOMPARE(frm->state.CurveCount, std::int16_t(2));
        QCOMPARE(curve->PicCurve->ForeColor(), second);
        const QImage once = image;
        image = picture();
        QCOMPARE(wrongCurvePixels(image, second, sum), 0);
        // The first label stays; the second is one line lower, in the second colour.
        QCOMPARE(image.copy(400, 0, 213, 13), once.copy(400, 0, 213, 13));
        xs = changedColumns(once, image, 200 / 15);
        QVERIFY(!xs.isEmpty() && xs.last() < 600);
        QVERIFY(nearestChange(once, image, 200 / 15, second) < 64);
        QCOMPARE(dialogs.messages, QStringList());
    }

    void sketchKeepsPlaceablePart()
    {
        // 10^40 x^2 leaves the single-precision range away from the origin.
        addTerm(QStringLiteral("1") + QString(40, u'0'), frm->CmdXSquare);
        RandomSequence predicted = programRandom();
        const QRgb colour = nextCurveColour(predicted);
        const QImage grid = picture();
        click(frm->cmdSketch);
        QCOMPARE(frm->state.CurveCount, std::int16_t(1));
        const QImage image = picture();
        QCOMPARE(image.pixel(306, 226), colour);
        QVERIFY(nearestChange(grid, image, 0, colour) < 64);
        QCOMPARE(dialogs.messages, QStringList());
    }

    void twentySixTerms()
    {
        addTerm(QStringLiteral("1"), frm->CmdXFive);
        QString text = QStringLiteral("x");
        for (int i = 1; i < 26; ++i) {
            click(frm->CmdPlus);
            click(frm->CmdContin);
            click(frm->CmdXFive);
            text += QStringLiteral(" + x");
        }
        QCOMPARE(frm->state.TermIndex, std::int16_t(26));
        QCOMPARE(frm->TxtEquation->text(), text);

        RandomSequence predicted = programRandom();
        const QRgb colour = nextCurveColour(predicted);
        click(frm->cmdSketch);
        const auto sum = [](int c) {
            double s = 0;
            for (int t = 0; t < 26; ++t)
                s = xAt(c) + s;
            return s;
        };
        QCOMPARE(picture().pixel(310, 140), colour); // x = 0.1, y = 2.6
        QCOMPARE(wrongCurvePixels(picture(), colour, sum), 0);

        // The 27th term has no slot.
        click(frm->CmdPlus);
        text += QStringLiteral(" + ");
        const auto coefficients = frm->state.TermCoefficients;
        click(frm->CmdContin);
        QCOMPARE(dialogs.messages.size(), 1);
        QVERIFY(!dialogs.messages[0].isEmpty());
        QCOMPARE(frm->state.TermIndex, std::int16_t(26));
        QCOMPARE(frm->TxtEquation->text(), text);
        QVERIFY(frm->state.TermCoefficients == coefficients);
        QCOMPARE(frm->lblDes->text(), QStringLiteral("Enter the next coefficient "));
        for (QPushButton *b : frm->termButtons())
            QVERIFY(!b->isEnabled());
    }

    void emptyDomainRefused_data()
    {
        QTest::addColumn<QString>("box");
        QTest::newRow("start") << "TxtStartX";
        QTest::newRow("end") << "TxtEndX";
    }
    void emptyDomainRefused()
    {
        QFETCH(QString, box);
        addTerm(QStringLiteral("2"), frm->CmdXSquare);
        frm->findChild<QLineEdit *>(box)->setText(QString());
        const QImage before = picture();
        click(frm->cmdSketch);
        QCOMPARE(dialogs.messages, QStringList{QStringLiteral("Please enter the domain of X.")});
        QCOMPARE(frm->state.CurveCount, std::int16_t(0));
        QVERIFY(!windows().frmCurve()->isVisible());
        QCOMPARE(picture(), before);
    }
};

QTEST_MAIN(TstSketch)
#include "tst_sketch.moc"
