// Times the grid, Set Grid, two terms, one Sketch Curve, one preset curve and the PDF and SVG
// export of a grid with ten curves, each beside the cheapest way to do the same drawing or
// arithmetic, measured in the same run.
#include "equation/sketch.h"
#include "equation/terms.h"
#include "plot/geometry.h"
#include "plot/grid.h"
#include "platform/dialogs.h"
#include "plot/canvas.h"
#include "plot/imagesurface.h"
#include "plot/picturefiles.h"
#include "presets/presets.h"
#include "windows/curve/frmcurve.h"
#include "windows/main/frmmain.h"
#include "windows/windows.h"

#include <QApplication>
#include <QBuffer>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPainter>
#include <QPdfWriter>
#include <QPaintEngine>
#include <QSvgGenerator>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <vector>

using namespace zelta;

namespace {

constexpr int Repetitions = 300;
volatile double sink = 0;

// Qt's AVX2 fill leaves the upper halves of the vector registers dirty, and libm then runs about
// ten times slower until they are cleared (design.md). A local helper until the shared one lands.
#if defined(__x86_64__) || defined(__i386__)
__attribute__((target("avx"))) void vzeroupper() { __builtin_ia32_vzeroupper(); }
void clearVectorState()
{
    static const bool avx = __builtin_cpu_supports("avx");
    if (avx)
        vzeroupper();
}
#else
void clearVectorState() {}
#endif

double medianMicroseconds(const std::function<void()> &prepare, const std::function<void()> &work,
                          int repetitions = Repetitions)
{
    std::vector<double> times;
    for (int i = 0; i < repetitions; ++i) {
        prepare();
        clearVectorState();
        QElapsedTimer timer;
        timer.start();
        work();
        times.push_back(static_cast<double>(timer.nsecsElapsed()) / 1000.0);
    }
    std::nth_element(times.begin(), times.begin() + repetitions / 2, times.end());
    return times[static_cast<std::size_t>(repetitions / 2)];
}

// Answers every factor prompt with 10 and shows nothing.
class TenReplies : public DialogService {
public:
    void message(const QString &) override {}
    QString input(const QString &) override { return QStringLiteral("10"); }
    QString saveBitmapName() override { return QString(); }
};

void report(const char *operation, double median, double floor)
{
    std::printf("%s: %.1f us   (floor %.1f us, ratio %.2f)\n", operation, median, floor, median / floor);
}

// The grid's lines as one-pixel rectangles and its labels as text, through one painter.
void gridFloor(QImage &image)
{
    QPainter p(&image);
    const auto px = [](int twips) { return twips / 15; };
    for (int r = 0; r <= SurfaceHeight; r += SmallBox)
        p.fillRect(0, px(r), image.width(), 1, QColor(230, 230, 230));
    for (int c = 0; c <= SurfaceWidth; c += SmallBox)
        p.fillRect(px(c), 0, 1, image.height(), QColor(230, 230, 230));
    p.setFont(defaultWindowFont());
    p.setPen(QColor(0, 0, 192));
    for (int r = 0; r <= SurfaceHeight; r += BigBox) {
        p.fillRect(0, px(r), image.width(), 1, QColor(190, 190, 190));
        p.fillRect(px(4550), px(r), 7, 1, Qt::black);
        p.drawText(px(4650), px(r) + 10, QStringLiteral(" 1 "));
    }
    for (int c = 0; c <= SurfaceWidth; c += BigBox) {
        p.fillRect(px(c), 0, 1, image.height(), QColor(190, 190, 190));
        p.fillRect(px(c), px(3350), 1, 7, Qt::black);
        p.drawText(px(c), px(3450) + 10, QStringLiteral(" 1 "));
    }
    p.fillRect(0, px(3400), image.width(), 1, QColor(100, 100, 100));
    p.fillRect(px(4600), 0, 1, image.height(), QColor(100, 100, 100));
    p.drawLine(600, 223, 606, 226);
    p.drawLine(606, 226, 600, 230);
    p.drawLine(303, 6, 306, 0);
    p.drawLine(306, 0, 310, 6);
}

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
        commands.push_back(Command{painter()->transform(), painter()->pen(), painter()->brush(), {}, {}, {}, {}, {}});
        return commands.back();
    }
    const QPaintDevice &m_like;
};

// Export of a grid with ten curves; the floor draws the very commands of the export, captured
// once beforehand, straight into the same device.
void exports()
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

    QBuffer scratch;
    scratch.open(QIODevice::WriteOnly);
    QPdfWriter likePdf(&scratch);
    pdfPage(likePdf);
    Capture pdfCommands(likePdf);
    {
        QPainter painter(&pdfCommands);
        replay(record, painter, 15);
    }
    const double pdf = medianMicroseconds(fresh, [&] { writePicture(record, PictureTypes[4], buffer, error); }, Files);
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
        painter.fillRect(QRectF(0, 0, SurfaceWidth, SurfaceHeight), Qt::white);
        painter.scale(15, 15);
        replay(record, painter, 1, SlantedLines::AsScreenPixels);
    }
    const double svg = medianMicroseconds(fresh, [&] { writePicture(record, PictureTypes[3], buffer, error); }, Files);
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

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    QApplication app(argc, argv);
    // The offscreen platform's notices would drown the figures.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    FrmMain *main = windows().frmMain();
    FrmCurve *curve = windows().frmCurve();

    {
        ImageSurface *surface = nullptr;
        const double grid = medianMicroseconds([&] { delete surface; surface = new ImageSurface; },
                                               [&] { drawGrid(*surface, OriginRow, OriginColumn, 1); });
        delete surface;
        QImage image;
        const double floor = medianMicroseconds(
            [&] { image = QImage(613, 453, QImage::Format_RGB32); image.fill(Qt::white); },
            [&] { gridFloor(image); });
        report("Grid", grid, floor);

        const double setGrid = medianMicroseconds([&] { main->state.GridDrawn = false; },
                                                  [&] { main->CmdGrid_Click(); });
        report("Set Grid", setGrid, floor);
    }

    // One power term over the widest domain: -9..9 on the one-unit scale, 9001 columns.
    main->plot.FirstColumn = 100;
    main->plot.LastColumn = 9100;
    main->state.TermCoefficients[0] = 2;
    {
        const double term = medianMicroseconds([&] { main->state.TermIndex = 0; }, [&] { main->CmdXCube_Click(); });
        std::vector<double> row(EquationState::Columns);
        const double floor = medianMicroseconds([] {}, [&] {
            for (int c = 100; c <= 9100; ++c) {
                const double x = static_cast<double>(c - 4600) / 500;
                row[static_cast<std::size_t>(c)] = (2 * std::pow(x, 3)) * 1;
            }
            sink = row[5000];
        });
        report("Term x^3", term, floor);
    }

    // The scaled tan term, its factor answered at once.
    {
        TenReplies replies;
        setDialogService(&replies);
        const double term = medianMicroseconds([&] { main->state.TermIndex = 0; }, [&] { main->cmdTanAX_Click(); });
        setDialogService(nullptr);
        std::vector<double> row(EquationState::Columns);
        const double floor = medianMicroseconds([] {}, [&] {
            for (int c = 100; c <= 9100; ++c) {
                const double x = static_cast<double>(c - 4600) / 500;
                row[static_cast<std::size_t>(c)] = (2 * std::tan(10 * x)) * 1;
            }
            sink = row[5000];
        });
        report("Term tan ax", term, floor);
    }

    // One Sketch Curve of an equation of 26 terms.
    {
        main->state.clearTerms();
        main->state.TermIndex = 0;
        for (int t = 0; t < EquationState::Slots; ++t) {
            main->state.TermCoefficients[static_cast<std::size_t>(t)] = 0.01 * t;
            addTermValues(main->state, main->plot, [t](double c, double x) { return c * std::pow(x, t % 4); });
        }
        main->TxtEquation->setText(QStringLiteral("y (0.01) x^2 + (0.02) x^3"));
        const double sketch = medianMicroseconds([&] { main->state.CurveCount = 0; }, [&] { main->cmdSketch_Click(); });
        // The same sums in the same order, the points straight into the image, the label by one painter.
        QImage image(613, 453, QImage::Format_RGB32);
        std::vector<double> sums(EquationState::Columns);
        const QFont labelFont = windows().frmCurve()->PicCurve->printFont();
        const double floor = medianMicroseconds([] {}, [&] {
            for (int t = 0; t < EquationState::Slots; ++t) {
                const double *row = main->state.row(t);
                for (int c = 100; c <= 9100; ++c)
                    sums[static_cast<std::size_t>(c)] = row[c] + sums[static_cast<std::size_t>(c)];
            }
            for (int c = 100; c <= 9100; ++c) {
                const double y = 3400 - sums[static_cast<std::size_t>(c)] * 500;
                sums[static_cast<std::size_t>(c)] = 0;
                if (y >= 0 && y < 6795)
                    reinterpret_cast<QRgb *>(image.scanLine(static_cast<int>(y / 15)))[c / 15] = 0xff102030u;
            }
            QPainter p(&image);
            p.setFont(labelFont);
            p.drawText(400, 10, QStringLiteral("y= (0.01) x^2 + (0.02) x^3"));
        });
        report("Sketch", sketch, floor);
    }

    // y=tan x from the General Curves menu on a drawn grid, label included.
    {
        const double preset = medianMicroseconds([&] { main->state.CurveCount = 0; }, [&] { main->mnuCurve06_Click(); });
        QImage image(613, 453, QImage::Format_RGB32);
        const QFont labelFont = windows().frmCurve()->PicCurve->printFont();
        const double floor = medianMicroseconds([] {}, [&] {
            for (int c = 1; c <= 9200; ++c) {
                const double y = 3400 - 500 * std::tan(static_cast<double>(c - 4600) / 500);
                if (y >= 0 && y < 6795)
                    reinterpret_cast<QRgb *>(image.scanLine(static_cast<int>(y / 15)))[c / 15] = 0xff102030u;
            }
            QPainter p(&image);
            p.setFont(labelFont);
            p.drawText(560, 10, QStringLiteral("y=tan x"));
        });
        report("Preset y=tan x", preset, floor);
    }
    exports();
    curve->hide();
    windows().destroyAll();
    return 0;
}
