// The squared paper: its exact drawing sequence, labels and fonts, and the pixels it leaves.
#include "platform/numbers.h"
#include "plot/grid.h"
#include "plot/imagesurface.h"
#include "recordingsurface.h"
#include "windows/curve/frmcurve.h"
#include "windows/main/frmmain.h"
#include "windows/windows.h"

#include <QtTest>

using namespace zelta;

constexpr QRgb Small = qRgb(230, 230, 230), Big = qRgb(190, 190, 190), Axis = qRgb(100, 100, 100);
constexpr QRgb Black = qRgb(0, 0, 0), Curve = qRgb(120, 30, 200); // Curve: the ForeColor a curve left

// Every operation as a line of text, so that two sequences compare with a readable difference.
static QString op(int kind, float x1, float y1, float x2, float y2, QRgb c, QString t = {}, QString font = {})
{
    return QString::asprintf("%d '%s' %g,%g %g,%g #%x ", kind, qPrintable(t), x1, y1, x2, y2, c) + font;
}
static QString line(float x1, float y1, float x2, float y2, QRgb c) { return op(SurfaceOp::Line, x1, y1, x2, y2, c); }
static QString text(float x, float y, QString t) { return op(SurfaceOp::Text, x, y, x, y, Curve, t, "MS Sans Serif"); }

// The routine's steps with the axes on row 3400 and column 4600; a label is the plot value where it stands.
static QStringList expectedGrid(double s)
{
    const auto label = [&](float x, float y, int twips) { return text(x, y, printedNumber(twips / 500 * s)); };
    QStringList ops;
    for (int r = 0; r <= 6800; r += 50)
        ops << line(1, r, 9200, r, Small);
    for (int c = 0; c <= 9200; c += 50)
        ops << line(c, 1, c, 6800, Small);
    for (int step : {500, -500}) // rows below, then above, the X axis
        for (int r = 3400; r >= 0 && r <= 6800; r += step)
            ops << line(0, r, 9200, r, Big) << line(4550, r, 4650, r, Black) << label(4650, r, 3400 - r);
    ops << text(4650, 25, "y");
    for (int c = 4600; c <= 9200; c += 500)
        ops << line(c, 0, c, 6800, Big) << line(c, 3350, c, 3450, Black) << label(c, 3450, c - 4600);
    ops << text(9000, 3425, "x");
    for (int c = 4600; c >= 0; c -= 500)
        ops << line(c, 0, c, 6800, Big) << line(c, 3350, c, 3450, Black) << label(c, 3450, c - 4600);
    ops << line(0, 3400, 9200, 3400, Axis) << line(4600, 0, 4600, 6800, Axis);
    ops << line(9000, 3350, 9100, 3400, Black) << line(9100, 3400, 9000, 3450, Black); // arrow heads, tip in the middle
    ops << line(4550, 100, 4600, 0, Black) << line(4600, 0, 4650, 100, Black);
    return ops;
}

class TstGrid : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { windows().destroyAll(); }
    void recorded_data()
    {
        QTest::addColumn<double>("scale");
        QTest::addColumn<QStringList>("labels"); // a few, worked out by hand
        QTest::newRow("half") << 0.5 << QStringList{"' 4.5 ' 9100,3450 ", "'-.5 ' 4100,3450 ", "'-3 ' 4650,6400 "};
        QTest::newRow("four") << 4.0 << QStringList{"' 36 ' 9100,3450 ", "'-24 ' 4650,6400 ", "' 24 ' 4650,400 "};
    }
    void recorded()
    {
        QFETCH(double, scale);
        QFETCH(QStringList, labels);
        RecordingSurface s;
        s.setForeColor(Curve);
        drawGrid(s, 3400, 4600, scale);
        QStringList ops;
        for (const SurfaceOp &o : s.ops)
            ops << op(o.kind, o.x1, o.y1, o.x2, o.y2, o.colour, o.text, o.font);
        QCOMPARE(ops, expectedGrid(scale));
        for (const QString &label : labels)
            QVERIFY2(!ops.filter(label).isEmpty(), qPrintable(label));
        QCOMPARE(QPointF(s.CurrentX(), s.CurrentY()), QPointF(4650, 100));
        QCOMPARE(s.FontName(), QStringLiteral("Arial"));
    }
    // The labels of a first grid are printed in the surface's designed colour.
    void labelsInTheDesignedForeColor()
    {
        ImageSurface s;
        QCOMPARE(QColor(s.ForeColor()), QColor(0, 0, 192));
        drawGrid(s, 3400, 4600, 1);
        const QImage label = s.Image().copy(QRect(5100 / 15, 3450 / 15, 25, 15)); // " 1 " right of the origin
        const QList<QRgb> colours = label.convertToFormat(QImage::Format_Indexed8).colorTable();
        QVERIFY(colours.contains(qRgb(0, 0, 192)));
    }

    // Every pixel of printed text is the ForeColor itself: no smoothing tints.
    void textIsUnsmoothed()
    {
        ImageSurface s;
        s.setForeColor(qRgb(200, 180, 255));
        s.setFontName("Arial");
        s.setCurrentX(100);
        s.setCurrentY(100);
        s.Print("y=sin x + (2.5) tan10x");
        QList<QRgb> colours = s.Image().convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither).colorTable();
        std::sort(colours.begin(), colours.end());
        QCOMPARE(colours, (QList<QRgb>{qRgb(200, 180, 255), qRgb(255, 255, 255)}));
    }

    void picture()
    {
        windows().frmMain()->Grid();
        QVERIFY(windows().frmMain()->state.GridDrawn);
        const QImage img = windows().frmCurve()->PicCurve->Image();
        for (int i = 8; i < 453; ++i) { // along row 3400 and column 4600, clear of the arrow heads
            QCOMPARE(img.pixel(i, 226), Axis);
            QCOMPARE(img.pixel(306, i), Axis);
        }
        QCOMPARE(img.pixel(100, 260), Big); // row 3900, over the small-box column 1500
        QCOMPARE(img.pixel(101, 3), Small); // row 50
        QCOMPARE(img.pixel(68, 68), qRgb(255, 255, 255)); // inside the small box at 1000..1050
    }
};

QTEST_MAIN(TstGrid)
#include "tst_grid.moc"
