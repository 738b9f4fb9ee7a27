// Times the grid, Set Grid, two terms, one Sketch Curve and one preset curve, each beside the
// cheapest way to do the same drawing or arithmetic, measured in the same run; then, under X, the
// whole program from outside beside bare Qt programs (wholeprogram.cpp). The export of a grid with
// ten curves is timed in exportbench.cpp.
//   zeltabench [--program PATH]   PATH: another build of zeltaplot to measure from outside
#include "timing.h"
#include "wholeprogram.h"

#include "equation/sketch.h"
#include "equation/terms.h"
#include "plot/geometry.h"
#include "platform/fonts.h"
#include "plot/grid.h"
#include "platform/dialogs.h"
#include "platform/numbers.h"
#include "platform/vectorstate.h"
#include "plot/imagesurface.h"
#include "presets/presets.h"
#include "windows/curve/frmcurve.h"
#include "windows/main/frmmain.h"
#include "windows/windows.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <vector>

using namespace zelta;

namespace {

constexpr int Repetitions = 300;
volatile double sink = 0;


// Answers every factor prompt with 10 and shows nothing.
class TenReplies : public DialogService {
public:
    void message(const QString &) override {}
    QString input(const QString &) override { return QStringLiteral("10"); }
    QString saveBitmapName() override { return QString(); }
};


// Fills a rectangle of device pixels, as a span per row.
void fill(QImage &image, int left, int top, int width, int height, QRgb colour)
{
    for (int row = top; row < top + height; ++row) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(row));
        std::fill(line + left, line + left + width, colour);
    }
}

// The grid at scale 1: the same lines as spans, the same labels unsmoothed through one painter.
void gridFloor(QImage &image, const QFont &font)
{
    const auto px = [](int twips) { return twips / 15; };
    const int w = image.width(), h = image.height();
    for (int r = 0; r <= SurfaceHeight; r += SmallBox)
        fill(image, 0, std::min(px(r), h - 1), w, 1, qRgb(230, 230, 230));
    for (int c = 0; c <= SurfaceWidth; c += SmallBox)
        fill(image, std::min(px(c), w - 1), 0, 1, h, qRgb(230, 230, 230));
    QPainter p(&image);
    QFont unsmoothed = font;
    unsmoothed.setStyleStrategy(QFont::NoAntialias);
    p.setFont(unsmoothed);
    p.setPen(QColor(0, 0, 192));
    const int ascent = p.fontMetrics().ascent(), line = p.fontMetrics().height();
    double down = 0, up = 0, right = 0, left = 0;
    const auto rowMark = [&](int r, double label) {
        fill(image, 0, std::min(px(r), h - 1), w, 1, qRgb(190, 190, 190));
        fill(image, px(4550), std::min(px(r), h - 1), 7, 1, qRgb(0, 0, 0));
        p.drawText(px(4650), px(r) + ascent, printedNumber(label));
    };
    const auto columnMark = [&](int c, double label) {
        fill(image, std::min(px(c), w - 1), 0, 1, h, qRgb(190, 190, 190));
        fill(image, std::min(px(c), w - 1), px(3350), 1, 7, qRgb(0, 0, 0));
        p.drawText(px(c), px(3450) + ascent + line, printedNumber(label));
    };
    for (int r = 3400; r <= SurfaceHeight; r += BigBox, down -= 1)
        rowMark(r, down);
    for (int r = 3400; r >= 0; r -= BigBox, up += 1)
        rowMark(r, up);
    p.drawText(px(4650), px(25) + ascent, QStringLiteral("y"));
    for (int c = 4600; c <= SurfaceWidth; c += BigBox, right += 1)
        columnMark(c, right);
    p.drawText(px(9000), px(3425) + ascent, QStringLiteral("x"));
    for (int c = 4600; c >= 0; c -= BigBox, left -= 1)
        columnMark(c, left);
    fill(image, 0, px(3400), w, 1, qRgb(100, 100, 100));
    fill(image, px(4600), 0, 1, h, qRgb(100, 100, 100));
    p.setPen(Qt::black);
    p.drawLine(600, 223, 606, 226);
    p.drawLine(606, 226, 600, 230);
    p.drawLine(303, 6, 306, 0);
    p.drawLine(306, 0, 310, 6);
}

// A label as the surface prints it: unsmoothed, in the curve's colour.
void labelFloor(QImage &image, const QFont &font, int left, const QString &text)
{
    QFont unsmoothed = font;
    unsmoothed.setStyleStrategy(QFont::NoAntialias);
    QPainter p(&image);
    p.setFont(unsmoothed);
    p.setPen(QColor(16, 32, 48));
    p.drawText(left, p.fontMetrics().ascent(), text);
}

// The picture put on screen once, as a new curve is: copied whole into a window's pixels.
void showFloor(QImage &screen, const QImage &image) { QPainter(&screen).drawImage(0, 0, image); }

// Where a user clicks in the main window for one sketch.
MainWindowSpots spotsOf(FrmMain *main)
{
    // Shown, so the menu bar has its place above the controls.
    main->show();
    const auto centre = [main](QWidget *w) { return w->mapTo(main, w->rect().center()); };
    return {centre(main->CmdGrid), centre(main->TxtCoeff), centre(main->CmdContin), centre(main->CmdXSquare),
            centre(main->cmdSketch)};
}

} // namespace

int main(int argc, char *argv[])
{
#ifdef ZELTABENCH_PROBE
    // The program measured from outside; the lines in this process run offscreen.
    QString program = QStringLiteral(ZELTABENCH_PROGRAM);
    if (argc == 3 && QByteArray(argv[1]) == "--program")
        program = QString::fromLocal8Bit(argv[2]);
#endif
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    qputenv("QT_SCALE_FACTOR", QByteArrayLiteral("1"));
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
        const QFont font = windowFont();
        const double floor = medianMicroseconds(
            [&] { image = QImage(613, 453, QImage::Format_RGB32); image.fill(Qt::white); },
            [&] { gridFloor(image, font); });
        report("Grid", grid, floor);

        const double setGrid = medianMicroseconds([&] { main->state.GridDrawn = false; },
                                                  [&] { main->CmdGrid_Click(); });
        report("Set Grid", setGrid, floor);
    }

    // One power term over the widest domain: -9..9 on the one-unit scale, 9001 columns.
    main->plot.FirstColumn = 100;
    main->plot.LastColumn = 9100;
    main->state.TermCoefficients[0] = 2;
    // Each press on the same short equation: a text grown by every repetition would be timed instead.
    const auto fresh = [&] {
        main->state.TermIndex = 0;
        main->TxtEquation->setText(QStringLiteral(" (2) "));
    };
    {
        const double term = medianMicroseconds(fresh, [&] { main->CmdXCube_Click(); });
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
        const double term = medianMicroseconds(fresh, [&] { main->cmdTanAX_Click(); });
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
        // The same sums in the same order, the points straight into the image, the label by one
        // painter, the picture on screen once.
        QImage image(613, 453, QImage::Format_RGB32), screen = image;
        std::vector<double> sums(EquationState::Columns);
        const QFont labelFont = windows().frmCurve()->PicCurve->printFont();
        const double floor = medianMicroseconds([] {}, [&] {
            for (int t = 0; t < main->state.TermIndex; ++t) {
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
            labelFloor(image, labelFont, 400, QStringLiteral("y= (0.01) x^2 + (0.02) x^3"));
            showFloor(screen, image);
        });
        report("Sketch", sketch, floor);
    }

    // y=tan x from the General Curves menu on a drawn grid, label included.
    {
        const double preset = medianMicroseconds([&] { main->state.CurveCount = 0; }, [&] { main->mnuCurve06_Click(); });
        QImage image(613, 453, QImage::Format_RGB32), screen = image;
        const QFont labelFont = windows().frmCurve()->PicCurve->printFont();
        const double floor = medianMicroseconds([] {}, [&] {
            for (int c = 1; c <= 9200; ++c) {
                const double y = 3400 - 500 * std::tan(static_cast<double>(c - 4600) / 500);
                if (y >= 0 && y < 6795)
                    reinterpret_cast<QRgb *>(image.scanLine(static_cast<int>(y / 15)))[c / 15] = 0xff102030u;
            }
            labelFloor(image, labelFont, 560, QStringLiteral("y=tan x"));
            showFloor(screen, image);
        });
        report("Preset y=tan x", preset, floor);
    }
    curve->hide();
    exportLines();
    soundLines();
    const MainWindowSpots spots = spotsOf(main);
    windows().destroyAll();
#ifdef ZELTABENCH_PROBE
    return wholeProgramLines(program, spots) ? 0 : 1;
#else
    Q_UNUSED(spots);
    std::printf("(the whole-program lines need the X headers: libx11-dev libxdamage-dev libxtst-dev)\n");
    return 0;
#endif
}
