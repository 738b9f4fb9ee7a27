// Times the grid, Set Grid, two terms, one Sketch Curve and one preset curve, each beside the
// cheapest way to do the same drawing or arithmetic, measured in the same run.
#include "equation/sketch.h"
#include "equation/terms.h"
#include "plot/geometry.h"
#include "plot/grid.h"
#include "platform/dialogs.h"
#include "plot/imagesurface.h"
#include "presets/presets.h"
#include "windows/curve/frmcurve.h"
#include "windows/main/frmmain.h"
#include "windows/windows.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <vector>

using namespace zelta;

namespace {

constexpr int Repetitions = 300;
volatile double sink = 0;

double medianMicroseconds(const std::function<void()> &prepare, const std::function<void()> &work)
{
    std::vector<double> times;
    for (int i = 0; i < Repetitions; ++i) {
        prepare();
        QElapsedTimer timer;
        timer.start();
        work();
        times.push_back(static_cast<double>(timer.nsecsElapsed()) / 1000.0);
    }
    std::nth_element(times.begin(), times.begin() + Repetitions / 2, times.end());
    return times[Repetitions / 2];
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
    curve->hide();
    windows().destroyAll();
    return 0;
}
