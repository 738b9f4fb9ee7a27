// The squared paper: the exact drawing sequence, its labels and fonts, and the pixels it leaves.
#include "plot/grid.h"
#include "plot/imagesurface.h"
#include "recordingsurface.h"
#include "scripteddialogs.h"
#include "windows/curve/frmcurve.h"
#include "windows/main/frmmain.h"
#include "windows/windows.h"

#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

using namespace zelta;

namespace {

constexpr QRgb Small = qRgb(230, 230, 230);
constexpr QRgb Big = qRgb(190, 190, 190);
constexpr QRgb Axis = qRgb(100, 100, 100);
constexpr QRgb Black = qRgb(0, 0, 0);
constexpr QRgb White = qRgb(255, 255, 255);

// A label as printed: no leading zero, a blank before a non-negative value, one after.
QString label(double v)
{
    QString s = QString::number(v);
    if (s.startsWith(QLatin1String("0.")))
        s.remove(0, 1);
    else if (s.startsWith(QLatin1String("-0.")))
        s.remove(1, 1);
    return (v < 0 ? QString() : QStringLiteral(" ")) + s + u' ';
}

// The grid's operations written out step by step, to compare with what the routine does.
struct Expected {
    QList<SurfaceOp> ops;
    float x = 0, y = 0;
    QRgb fore;
    QString font;

    void line(float x1, float y1, float x2, float y2, QRgb c)
    {
        ops.append(SurfaceOp{SurfaceOp::Line, x1, y1, x2, y2, c, {}, {}});
        x = x2;
        y = y2;
    }
    void print(const QString &t) { ops.append(SurfaceOp{SurfaceOp::Text, x, y, x, y, fore, t, font}); }
};

QList<SurfaceOp> expectedGrid(double s, QRgb fore, const QString &font)
{
    Expected e{{}, 0, 0, fore, font};
    for (int r = 0; r <= 6800; r += 50)
        e.line(1, r, 9200, r, Small);
    for (int c = 0; c <= 9200; c += 50)
        e.line(c, 1, c, 6800, Small);
    double down = 0, up = 0, right = 0, left = 0;
    for (int r = 3400; r <= 6800; r += 500, down -= s) {
        e.line(0, r, 9200, r, Big);
        e.line(4550, r, 4650, r, Black);
        e.print(label(down));
    }
    for (int r = 3400; r >= 0; r -= 500, up += s) {
        e.line(0, r, 9200, r, Big);
        e.line(4550, r, 4650, r, Black);
        e.print(label(up));
    }
    e.x = 4650, e.y = 25;
    e.print(QStringLiteral("y"));
    for (int c = 4600; c <= 9200; c += 500, right += s) {
        e.line(c, 0, c, 6800, Big);
        e.line(c, 3350, c, 3450, Black);
        e.print(label(right));
    }
    e.x = 9000, e.y = 3425;
    e.print(QStringLiteral("x"));
    for (int c = 4600; c >= 0; c -= 500, left -= s) {
        e.line(c, 0, c, 6800, Big);
        e.line(c, 3350, c, 3450, Black);
        e.print(label(left));
    }
    e.line(0, 3400, 9200, 3400, Axis);
    e.line(4600, 0, 4600, 6800, Axis);
    e.line(9000, 3350, 9100, 3400, Black);
    e.line(e.x, e.y, 9000, 3450, Black);
    e.line(4550, 100, 4600, 0, Black);
    e.line(e.x, e.y, 4650, 100, Black);
    return e.ops;
}

QString describe(const SurfaceOp &op)
{
    const QString where = QStringLiteral("(%1,%2)-(%3,%4) #%5").arg(op.x1).arg(op.y1).arg(op.x2).arg(op.y2).arg(op.colour & 0xffffff, 6, 16, QChar(u'0'));
    switch (op.kind) {
    case SurfaceOp::Line: return QStringLiteral("Line ") + where;
    case SurfaceOp::Point: return QStringLiteral("Point ") + where;
    case SurfaceOp::Clear: return QStringLiteral("Clear");
    case SurfaceOp::Text: return QStringLiteral("Text '%1' %2 font %3").arg(op.text, where, op.font);
    }
    return {};
}

} // namespace

class TstGrid : public QObject {
    Q_OBJECT
private slots:
    void init() { windows().destroyAll(); }
    void cleanup() { windows().destroyAll(); }

    void sequence_data();
    void sequence();
    void smallBoxLines();
    void labels_data();
    void labels();
    void fontAndColourOfLabels();
    void gridRoutineMarksGridDrawn();
    void setGridDrawsOnHiddenSurface();
    void pixels();

private:
    ScriptedDialogs dialogs;
};

void TstGrid::sequence_data()
{
    QTest::addColumn<double>("scale");
    QTest::addColumn<QRgb>("fore");
    QTest::newRow("half") << 0.5 << DesignedForeColor;
    QTest::newRow("one") << 1.0 << DesignedForeColor;
    QTest::newRow("two, curve colour") << 2.0 << qRgb(120, 30, 200);
    QTest::newRow("four") << 4.0 << DesignedForeColor;
}

void TstGrid::sequence()
{
    QFETCH(double, scale);
    QFETCH(QRgb, fore);
    RecordingSurface s;
    s.setForeColor(fore);
    drawGrid(s, 3400, 4600, scale);

    const QList<SurfaceOp> expected = expectedGrid(scale, fore, QStringLiteral("MS Sans Serif"));
    QCOMPARE(s.ops.size(), expected.size());
    for (qsizetype i = 0; i < expected.size(); ++i)
        QCOMPARE(QStringLiteral("%1: ").arg(i) + describe(s.ops[i]), QStringLiteral("%1: ").arg(i) + describe(expected[i]));
    // The end of the Y arrow head.
    QCOMPARE(s.CurrentX(), 4650.0f);
    QCOMPARE(s.CurrentY(), 100.0f);
    QCOMPARE(s.FontName(), QStringLiteral("Arial"));
}

void TstGrid::smallBoxLines()
{
    RecordingSurface s;
    drawGrid(s, 3400, 4600, 1);
    const QList<SurfaceOp> horizontal = s.ops.mid(0, 137);
    const QList<SurfaceOp> vertical = s.ops.mid(137, 185);
    for (const SurfaceOp &op : horizontal) {
        QCOMPARE(op.colour, Small);
        QVERIFY(op.y1 == op.y2 && op.x1 == 1 && op.x2 == 9200);
    }
    for (const SurfaceOp &op : vertical) {
        QCOMPARE(op.colour, Small);
        QVERIFY(op.x1 == op.x2 && op.y1 == 1 && op.y2 == 6800);
    }
    QCOMPARE(describe(horizontal.first()), describe({SurfaceOp::Line, 1, 0, 9200, 0, Small, {}, {}}));
    QCOMPARE(describe(horizontal.last()), describe({SurfaceOp::Line, 1, 6800, 9200, 6800, Small, {}, {}}));
    QCOMPARE(describe(vertical.first()), describe({SurfaceOp::Line, 0, 1, 0, 6800, Small, {}, {}}));
    QCOMPARE(describe(vertical.last()), describe({SurfaceOp::Line, 9200, 1, 9200, 6800, Small, {}, {}}));
    // The next operation is the first big-box line, on the X axis row.
    QCOMPARE(describe(s.ops[322]), describe({SurfaceOp::Line, 0, 3400, 9200, 3400, Big, {}, {}}));
}

void TstGrid::labels_data()
{
    QTest::addColumn<double>("scale");
    QTest::addColumn<QStringList>("below");
    QTest::addColumn<QStringList>("above");
    QTest::addColumn<QStringList>("right");
    QTest::addColumn<QStringList>("left");

    QTest::newRow("half") << 0.5
        << QStringList{" 0 ", "-.5 ", "-1 ", "-1.5 ", "-2 ", "-2.5 ", "-3 "}
        << QStringList{" 0 ", " .5 ", " 1 ", " 1.5 ", " 2 ", " 2.5 ", " 3 "}
        << QStringList{" 0 ", " .5 ", " 1 ", " 1.5 ", " 2 ", " 2.5 ", " 3 ", " 3.5 ", " 4 ", " 4.5 "}
        << QStringList{" 0 ", "-.5 ", "-1 ", "-1.5 ", "-2 ", "-2.5 ", "-3 ", "-3.5 ", "-4 ", "-4.5 "};
    QTest::newRow("four") << 4.0
        << QStringList{" 0 ", "-4 ", "-8 ", "-12 ", "-16 ", "-20 ", "-24 "}
        << QStringList{" 0 ", " 4 ", " 8 ", " 12 ", " 16 ", " 20 ", " 24 "}
        << QStringList{" 0 ", " 4 ", " 8 ", " 12 ", " 16 ", " 20 ", " 24 ", " 28 ", " 32 ", " 36 "}
        << QStringList{" 0 ", "-4 ", "-8 ", "-12 ", "-16 ", "-20 ", "-24 ", "-28 ", "-32 ", "-36 "};
}

void TstGrid::labels()
{
    QFETCH(double, scale);
    QFETCH(QStringList, below);
    QFETCH(QStringList, above);
    QFETCH(QStringList, right);
    QFETCH(QStringList, left);

    RecordingSurface s;
    drawGrid(s, 3400, 4600, scale);
    QList<SurfaceOp> texts = s.ofKind(SurfaceOp::Text);
    QCOMPARE(texts.size(), 7 + 7 + 1 + 10 + 1 + 10);

    // Text, column and row of every label in printing order.
    QStringList got, want;
    for (const SurfaceOp &t : texts)
        got << QStringLiteral("%1@%2,%3").arg(t.text).arg(t.x1).arg(t.y1);
    for (int k = 0; k < 7; ++k)
        want << QStringLiteral("%1@4650,%2").arg(below[k]).arg(3400 + 500 * k);
    for (int k = 0; k < 7; ++k)
        want << QStringLiteral("%1@4650,%2").arg(above[k]).arg(3400 - 500 * k);
    want << QStringLiteral("y@4650,25");
    for (int k = 0; k < 10; ++k)
        want << QStringLiteral("%1@%2,3450").arg(right[k]).arg(4600 + 500 * k);
    want << QStringLiteral("x@9000,3425");
    for (int k = 0; k < 10; ++k)
        want << QStringLiteral("%1@%2,3450").arg(left[k]).arg(4600 - 500 * k);
    QCOMPARE(got, want);
}

void TstGrid::fontAndColourOfLabels()
{
    RecordingSurface s;
    QCOMPARE(s.FontName(), QStringLiteral("MS Sans Serif"));
    drawGrid(s, 3400, 4600, 1);
    for (const SurfaceOp &t : s.ofKind(SurfaceOp::Text)) {
        QCOMPARE(t.font, QStringLiteral("MS Sans Serif"));
        QCOMPARE(t.colour, DesignedForeColor);
    }
    QCOMPARE(s.FontName(), QStringLiteral("Arial"));

    // A curve has changed the colour; the next grid on the same surface draws over it.
    const QRgb curve = qRgb(77, 150, 10);
    s.ops.clear();
    s.setForeColor(curve);
    drawGrid(s, 3400, 4600, 2);
    QVERIFY(s.ofKind(SurfaceOp::Clear).isEmpty());
    const QList<SurfaceOp> texts = s.ofKind(SurfaceOp::Text);
    QCOMPARE(texts.size(), 36);
    for (const SurfaceOp &t : texts) {
        QCOMPARE(t.font, QStringLiteral("Arial"));
        QCOMPARE(t.colour, curve);
    }
    QCOMPARE(s.ForeColor(), curve);
}

void TstGrid::gridRoutineMarksGridDrawn()
{
    FrmMain *frm = windows().frmMain();
    QVERIFY(!frm->state.GridDrawn);
    ImageSurface *pic = windows().frmCurve()->PicCurve;
    QCOMPARE(pic->FontName(), QStringLiteral("MS Sans Serif"));
    QCOMPARE(pic->Image().pixel(306, 226), White);

    frm->Grid();
    QVERIFY(frm->state.GridDrawn);
    QCOMPARE(pic->Image().pixel(100, 226), Axis);
    QCOMPARE(pic->Image().pixel(306, 100), Axis);
    QCOMPARE(pic->FontName(), QStringLiteral("Arial"));
    // Drawn on the hidden window; Grid does not show it.
    QVERIFY(!windows().frmCurve()->isVisible());
}

void TstGrid::setGridDrawsOnHiddenSurface()
{
    FrmMain *frm = windows().frmMain();
    frm->show();
    QVERIFY(QTest::qWaitForWindowExposed(frm));
    QTest::mouseClick(frm->OptHalf, Qt::LeftButton);
    QVERIFY(frm->OptHalf->isChecked());
    QVERIFY(frm->CmdGrid->isEnabled());
    QTest::mouseClick(frm->CmdGrid, Qt::LeftButton);

    QCOMPARE(dialogs.messages, QStringList());
    QVERIFY(frm->state.GridDrawn);
    const QImage img = windows().frmCurve()->PicCurve->Image();
    QCOMPARE(img.pixel(50, 226), Axis);
    QCOMPARE(img.pixel(306, 400), Axis);
    QCOMPARE(img.pixel(50, 260), Big);
    QVERIFY(!windows().frmCurve()->isVisible());
}

void TstGrid::pixels()
{
    ImageSurface surface;
    const QRgb red = qRgb(255, 0, 0);
    surface.PSet(1525, 1525, qRgb(0, 200, 0)); // a curve point inside a small box, drawn first
    surface.setForeColor(red);
    drawGrid(surface, 3400, 4600, 1);
    const QImage img = surface.Image();
    QCOMPARE(img.size(), QSize(613, 453));

    // X axis on row 3400 (pixel 226), clear of the arrow head near column 9000 (pixel 600).
    for (int x = 0; x < 595; ++x)
        QCOMPARE(img.pixel(x, 226), Axis);
    // Y axis on column 4600 (pixel 306), below the arrow head (rows 0..100 twips).
    for (int y = 8; y < 453; ++y)
        QCOMPARE(img.pixel(306, y), Axis);
    // The big-box line on row 3900 (pixel 260), left of the tick and label at column 4550.
    for (int x = 0; x < 300; ++x)
        QCOMPARE(img.pixel(x, 260), Big);
    // The small-box line on row 50 (pixel 3); crossed by big-box columns 100, 600, ..., 4100.
    QList<int> bigColumns;
    for (int c = 100; c < 4600; c += 500)
        bigColumns << c / 15;
    for (int x = 0; x < 300; ++x)
        QCOMPARE(img.pixel(x, 3), bigColumns.contains(x) ? Big : Small);
    // Small-box columns 1000 and 1050 are pixels 66 and 70, rows likewise: the inside is white.
    QCOMPARE(img.pixel(66, 68), Small);
    QCOMPARE(img.pixel(70, 68), Small);
    for (int x = 67; x <= 69; ++x)
        for (int y = 67; y <= 69; ++y)
            QCOMPARE(img.pixel(x, y), White);
    // The grid draws over what is there without clearing it.
    QCOMPARE(img.pixel(101, 101), qRgb(0, 200, 0));

    // The label "-1 " at (4650, 3900) is printed in the ForeColor.
    int redPixels = 0;
    for (int x = 310; x < 340; ++x)
        for (int y = 260; y < 280; ++y)
            if (qRed(img.pixel(x, y)) > 200 && qGreen(img.pixel(x, y)) < 120 && qBlue(img.pixel(x, y)) < 120)
                ++redPixels;
    QVERIFY(redPixels > 0);
}

QTEST_MAIN(TstGrid)
#include "tst_grid.moc"
