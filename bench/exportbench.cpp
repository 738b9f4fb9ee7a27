// Export PDF and Export SVG of a grid with ten curves, each beside the very painter commands of the
// export, captured once beforehand, drawn straight into the same kind of device.
#include "timing.h"

#include "equation/sketch.h"
#include "plot/canvas.h"
#include "plot/grid.h"
#include "plot/imagesurface.h"
#include "plot/picturefiles.h"
#include "plot/vectorcanvas.h"
#include "presets/presets.h"

#include <QBuffer>
#include <QPaintEngine>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

namespace zelta {

namespace {

// A PDF of the surface's size drawn in twips, as the export makes it.
void pdfPage(QPdfWriter &writer)
{
    writer.setResolution(1440);
    writer.setPageSize(QPageSize(QSizeF(460, 340), QPageSize::Point, QStringLiteral("Zeltaplot"), QPageSize::ExactMatch));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
}
void svgPage(QSvgGenerator &generator, QBuffer &buffer)
{
    generator.setOutputDevice(&buffer);
    generator.setResolution(1440);
    generator.setSize(QSize(SurfaceWidth, SurfaceHeight));
    generator.setViewBox(QRectF(0, 0, SurfaceWidth, SurfaceHeight));
}

// The painter commands an export gives its device, kept to be drawn again without the record.
class Capture : public QPaintDevice, public QPaintEngine {
public:
    struct Command {
        QTransform transform;
        QPen pen;
        QBrush brush;
        QFont font;
        std::vector<QRectF> rects;
        std::vector<QLineF> lines;
        std::vector<QPointF> polyline;
        QPointF at;
        QString text;
    };
    std::vector<Command> commands;
    explicit Capture(const QPaintDevice &like) : QPaintEngine(AllFeatures), m_like(like) {}

    QPaintEngine *paintEngine() const override { return const_cast<Capture *>(this); }
    bool begin(QPaintDevice *) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState &) override {}
    Type type() const override { return User; }
    void drawPixmap(const QRectF &, const QPixmap &, const QRectF &) override {}
    void drawRects(const QRectF *rects, int count) override { add().rects.assign(rects, rects + count); }
    void drawLines(const QLineF *lines, int count) override { add().lines.assign(lines, lines + count); }
    void drawPolygon(const QPointF *points, int count, PolygonDrawMode) override
    {
        add().polyline.assign(points, points + count);
    }
    void drawTextItem(const QPointF &at, const QTextItem &item) override
    {
        Command &c = add();
        c.at = at;
        c.text = item.text();
        c.font = painter()->font();
    }

    // The same commands, straight into a painter.
    void play(QPainter &painter) const
    {
        for (const Command &c : commands) {
            painter.setTransform(c.transform);
            painter.setPen(c.pen);
            painter.setBrush(c.brush);
            if (!c.rects.empty())
                painter.drawRects(c.rects.data(), static_cast<int>(c.rects.size()));
            if (!c.lines.empty())
                painter.drawLines(c.lines.data(), static_cast<int>(c.lines.size()));
            if (!c.polyline.empty())
                painter.drawPolyline(c.polyline.data(), static_cast<int>(c.polyline.size()));
            if (!c.text.isEmpty()) {
                painter.setFont(c.font);
                painter.drawText(c.at, c.text);
            }
        }
    }

protected:
    int metric(PaintDeviceMetric metric) const override
    {
        switch (metric) {
        case PdmWidth: return m_like.width();
        case PdmHeight: return m_like.height();
        case PdmWidthMM: return m_like.widthMM();
        case PdmHeightMM: return m_like.heightMM();
        case PdmDpiX: case PdmPhysicalDpiX: return m_like.logicalDpiX();
        case PdmDpiY: case PdmPhysicalDpiY: return m_like.logicalDpiY();
        case PdmDevicePixelRatio: return 1;
        case PdmDevicePixelRatioScaled: return static_cast<int>(devicePixelRatioFScale());
        default: return 32;
        }
    }

private:
    Command &add()
    {
        commands.push_back(Command{painter()->transform(), painter()->pen(), painter()->brush(), {}, {}, {}, {}, {}, {}});
        return commands.back();
    }
    const QPaintDevice &m_like;
};

} // namespace

void exportLines()
{
    ImageSurface surface;
    drawGrid(surface, OriginRow, OriginColumn, 1);
    EquationState state;
    RandomSequence random;
    for (std::size_t i = 0; i < 10; ++i)
        drawPreset(surface, state, 500, Presets[i % Presets.size()], surface.printFont(), random);
    const SurfaceRecord &record = surface.record();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    const auto fresh = [&] {
        bytes.clear();
        buffer.close();
        buffer.open(QIODevice::WriteOnly);
    };
    constexpr int Files = 41;
    QString error;
    // The heaviest choices: the bold pen and every colour looked up.
    const PictureOptions options{PictureOptions::TrueSize, true, true, false};
    const double bold = boldWidthOnPaper(TwipsPerPixel, 1);

    QBuffer scratch;
    scratch.open(QIODevice::WriteOnly);
    QPdfWriter likePdf(&scratch);
    pdfPage(likePdf);
    Capture pdfCommands(likePdf);
    {
        QPainter painter(&pdfCommands);
        replayVectors(record, painter, TwipsPerPixel, options, bold);
    }
    const double pdf =
        medianMicroseconds(fresh, [&] { writePicture(record, PictureTypes[4], buffer, error, options); }, Files);
    const qint64 pdfBytes = bytes.size();
    const double pdfFloor = medianMicroseconds(fresh, [&] {
        QPdfWriter writer(&buffer);
        pdfPage(writer);
        QPainter painter(&writer);
        pdfCommands.play(painter);
    }, Files);
    report("Export PDF", pdf, pdfFloor);

    QSvgGenerator likeSvg;
    likeSvg.setResolution(1440);
    Capture svgCommands(likeSvg);
    {
        QPainter painter(&svgCommands);
        replayVectors(record, painter, TwipsPerPixel, options, bold);
    }
    const double svg =
        medianMicroseconds(fresh, [&] { writePicture(record, PictureTypes[3], buffer, error, options); }, Files);
    const qint64 svgBytes = bytes.size();
    const double svgFloor = medianMicroseconds(fresh, [&] {
        QSvgGenerator generator;
        svgPage(generator, buffer);
        QPainter painter(&generator);
        svgCommands.play(painter);
    }, Files);
    report("Export SVG", svg, svgFloor);
    std::printf("Export sizes: PDF %lld bytes, SVG %lld bytes\n", static_cast<long long>(pdfBytes),
                static_cast<long long>(svgBytes));
}

} // namespace zelta
