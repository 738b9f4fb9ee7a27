// The picture replayed from the surface's record: on screen and in PNG, SVG and PDF files, at the
// true size of the surface, poles kept apart, and the memory a record takes.
#include "equation/sketch.h"
#include "equation/terms.h"
#include "pictureprobe.h"
#include "plot/canvas.h"
#include "plot/grid.h"
#include "plot/imagesurface.h"
#include "plot/picturefiles.h"
#include "presets/presets.h"

#include <QPainter>
#include <QSvgRenderer>
#include <QtTest>

using namespace zelta;

namespace {

enum Type { Png1, Png2, Png4, Svg, Pdf }; // the rows of the Export dialog's list

// The states the surface is checked in, drawn by the program's own routines.
void draw(ImageSurface &s, const QString &state)
{
    EquationState equation;
    RandomSequence random;
    const int unit = state.contains("half") ? 1000 : state.contains("four") ? 125 : 500;
    if (state != "empty")
        drawGrid(s, OriginRow, OriginColumn, 500.0 / unit);
    if (state.contains("presets"))
        for (const Preset &p : Presets)
            drawPreset(s, equation, static_cast<std::int16_t>(unit), p, s.printFont(), random);
    for (int i = 0; state.contains("forty") && i < 40; ++i)
        drawPreset(s, equation, 500, Presets[static_cast<std::size_t>(i % 9)], s.printFont(), random);
    if (state.contains("sketch")) {
        PlotSettings plot;
        plot.UnitTwips = static_cast<std::int16_t>(unit);
        plot.FirstColumn = 1;
        plot.LastColumn = 2999;
        equation.TermCoefficients[0] = 3;
        addTermValues(equation, plot, [](double c, double x) { return c * std::sin(x); });
        equation.TermCoefficients[1] = -1;
        addTermValues(equation, plot, [](double c, double x) { return c * x * x; });
        sketchCurve(s, equation, plot, "(3) sin x - (1) x^2", s.printFont(), random);
    }
    if (state.contains("then cleared")) { // Reset or New, and the next grid
        s.Cls();
        drawGrid(s, OriginRow, OriginColumn, 4);
    }
}

QByteArray exported(const SurfaceRecord &record, Type type)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QString error;
    if (!writePicture(record, PictureTypes[type], buffer, error))
        qWarning() << error;
    return bytes;
}

} // namespace

class TstExport : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

private slots:
    void replayIsTheScreen_data()
    {
        QTest::addColumn<QString>("state");
        for (const char *state : {"empty", "grid half", "grid one", "grid four", "grid one presets",
                                  "grid four presets sketch", "grid one forty curves",
                                  "grid one presets then cleared"})
            QTest::newRow(state) << state;
    }
    // Replayed through a painter, the record is the screen's picture, pixel for pixel.
    void replayIsTheScreen()
    {
        QFETCH(QString, state);
        ImageSurface surface;
        draw(surface, state);
        QCOMPARE(surface.replayedImage(), surface.Image());
        QCOMPARE(QImage::fromData(exported(surface.record(), Png1), "PNG").convertToFormat(QImage::Format_RGB32),
                 surface.Image());
    }

    void largerPng_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("dotsPerMeter");
        QTest::addColumn<int>("axisColumn"); // the Y axis at twip column 4600
        QTest::addColumn<QPoint>("arrowTip"); // the X axis's arrow head ends at twips 9100, 3400
        QTest::newRow("twice") << int(Png2) << QSize(1226, 906) << 7559 << 613 << QPoint(1213, 453);
        QTest::newRow("four times") << int(Png4) << QSize(2453, 1813) << 15118 << 1226 << QPoint(2426, 906);
    }
    // Two and four pixels for each of the screen's, and a resolution that gives the true size.
    void largerPng()
    {
        QFETCH(int, type);
        QFETCH(QSize, size);
        QFETCH(int, dotsPerMeter);
        QFETCH(int, axisColumn);
        QFETCH(QPoint, arrowTip);
        ImageSurface surface;
        draw(surface, "grid one");
        const QImage png = QImage::fromData(exported(surface.record(), Type(type)), "PNG");
        QCOMPARE(png.size(), size);
        QCOMPARE(png.dotsPerMeterX(), dotsPerMeter);
        const int scale = type == Png2 ? 2 : 4, row = 12 * scale; // row 12 of the screen is clear of lines
        QCOMPARE(png.pixel(axisColumn - 1, row), qRgb(255, 255, 255));
        for (int x = axisColumn; x < axisColumn + scale; ++x)
            QCOMPARE(png.pixel(x, row), qRgb(100, 100, 100));
        QCOMPARE(png.pixel(axisColumn + scale, row), qRgb(255, 255, 255));
        QCOMPARE(png.pixel(arrowTip), qRgb(0, 0, 0));
    }

    void svgAt96Dpi_data()
    {
        QTest::addColumn<QString>("state");
        QTest::newRow("presets") << "grid one presets";
        QTest::newRow("sketch on four") << "grid four sketch";
    }
    // The SVG shown at 96 dpi is the screen's picture wherever there is no text.
    void svgAt96Dpi()
    {
        QFETCH(QString, state);
        ImageSurface surface;
        draw(surface, state);
        QSvgRenderer svg(exported(surface.record(), Svg));
        QVERIFY(svg.isValid());
        QImage shown(613, 453, QImage::Format_RGB32);
        shown.fill(Qt::white);
        QPainter painter(&shown);
        svg.render(&painter, QRectF(0, 0, 9200 / 15.0, 6800 / 15.0));
        painter.end();
        // Text is drawn by the renderer's own rules; mask it generously.
        struct Texts {
            QList<QRect> boxes;
            void line(float, float, float, float, QRgb) {}
            void points(float, const float *, std::size_t, QRgb) {}
            void text(const SurfaceRecord::Text &t)
            {
                const QFontMetrics metrics(t.font);
                boxes << QRect(int(t.x / 15) - 3, int(t.y / 15) - 3, metrics.horizontalAdvance(t.text) * 3 / 2 + 6,
                               metrics.height() + 6);
            }
        } texts;
        surface.record().replay(texts);
        QImage screen = surface.Image();
        int compared = 0;
        for (int y = 0; y < 453; ++y)
            for (int x = 0; x < 613; ++x) {
                if (std::any_of(texts.boxes.begin(), texts.boxes.end(), [&](const QRect &r) { return r.contains(x, y); }))
                    continue;
                ++compared;
                QVERIFY2(shown.pixel(x, y) == screen.pixel(x, y), qPrintable(QString("at %1,%2").arg(x).arg(y)));
            }
        QVERIFY(compared > 613 * 453 * 9 / 10);
    }

    // The PDF's page is the surface at its true size: 460 x 340 points, a big square 8.82 mm.
    void pdfAtTrueSize()
    {
        ImageSurface surface;
        draw(surface, "grid one");
        QFile file(m_dir.filePath("true.pdf"));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(exported(surface.record(), Pdf)) > 0);
        file.close();
        QProcess info;
        info.start("pdfinfo", {file.fileName()});
        QVERIFY(info.waitForFinished(30000));
        const QByteArray properties = info.readAllStandardOutput();
        QVERIFY(properties.contains("Page size:       460 x 340 pts"));
        QVERIFY(properties.contains("Creator:         Zeltaplot\n"));
        // The labels' faces travel with the file (the window's default face has only bitmaps).
        QProcess fonts;
        fonts.start("pdffonts", {file.fileName()});
        QVERIFY(fonts.waitForFinished(30000));
        const QStringList faces = QString::fromLatin1(fonts.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts).mid(2);
        QCOMPARE(faces.size(), 1);
        for (const QString &face : faces)
            QVERIFY2(face.section(u' ', -5, -5, QString::SectionSkipEmpty) == "yes", qPrintable(face));
        // At 720 dpi the page is 4600 x 3400 pixels: half a twip each.
        const QImage page = pdfPage(file.fileName(), 720);
        QCOMPARE(page.size(), QSize(4600, 3400));
        // Row 2065 (twip 4130) and column 2465 (twip 4930) pass between small boxes' lines and labels.
        for (bool alongRow : {true, false}) {
            const QList<double> lines = linesAcross(page, alongRow ? 2065 : 2465, alongRow, 200);
            QCOMPARE(lines.size(), alongRow ? 19 : 13);
            for (qsizetype i = 1; i < lines.size(); ++i)
                QVERIFY2(std::abs((lines[i] - lines[i - 1]) / 720 * 25.4 - 8.82) < 0.02,
                         qPrintable(QString("square %1 is %2 px").arg(i).arg(lines[i] - lines[i - 1])));
        }
    }

    void polesNotCrossed_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("preset");
        QTest::addColumn<QList<int>>("poles"); // twip columns
        const QList<int> tan{3815, 5385, 6956, 8527, 2244, 673};
        QTest::newRow("1/x svg") << int(Svg) << 3 << QList<int>{4600};
        QTest::newRow("1/x pdf") << int(Pdf) << 3 << QList<int>{4600};
        QTest::newRow("tan x svg") << int(Svg) << 7 << tan;
        QTest::newRow("tan x pdf") << int(Pdf) << 7 << tan;
    }
    // The branches on either side of a pole come close to it, and nothing is drawn across it.
    void polesNotCrossed()
    {
        QFETCH(int, type);
        QFETCH(int, preset);
        QFETCH(QList<int>, poles);
        ImageSurface surface; // only the curve: every dark pixel is the curve's
        surface.setForeColor(qRgb(0, 0, 0));
        plotPreset(surface, Presets[static_cast<std::size_t>(preset)], 500);
        const QByteArray bytes = exported(surface.record(), Type(type));
        QImage picture(920, 680, QImage::Format_RGB32); // 144 dpi: ten twips a pixel
        if (type == Svg) {
            picture.fill(Qt::white);
            QPainter painter(&picture);
            QSvgRenderer(bytes).render(&painter, QRectF(0, 0, 920, 680));
        } else {
            QFile file(m_dir.filePath("poles.pdf"));
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) > 0);
            file.close();
            picture = pdfPage(file.fileName(), 144);
        }
        const auto darkIn = [&](int from, int to) {
            int dark = 0;
            for (int x = from / 10; x < to / 10; ++x)
                for (int y = 0; y < picture.height(); ++y)
                    dark += qGray(picture.pixel(x, y)) < 128;
            return dark;
        };
        for (int pole : poles) {
            QCOMPARE(darkIn(pole - 40, pole + 40), 0);
            QVERIFY(darkIn(pole - 200, pole - 40) > 10);
            QVERIFY(darkIn(pole + 40, pole + 200) > 10);
        }
    }

    // Thirty curves on one grid cost a float a column; Cls gives the memory back.
    void recordStaysSmall()
    {
        ImageSurface surface;
        draw(surface, "grid one");
        EquationState equation;
        RandomSequence random;
        for (int i = 0; i < 30; ++i)
            drawPreset(surface, equation, 500, Presets[0], surface.printFont(), random);
        QVERIFY2(surface.record().bytes() < 3u << 20, qPrintable(QString::number(surface.record().bytes())));
        surface.Cls();
        QVERIFY(surface.record().isEmpty());
        QVERIFY2(surface.record().bytes() < 64u << 10, qPrintable(QString::number(surface.record().bytes())));
    }
};

QTEST_MAIN(TstExport)
#include "tst_export.moc"
