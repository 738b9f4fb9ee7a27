// Makes the program's pictures, the same bytes every run:
// - the window icon, a red curve over a grey grid, and the help window's icon, a question mark on a
//   blue page, each in 16 colours at 16 and 32 pixels;
// - the splash window's sky with clouds in 256 colours of its own, cut to the 492 x 283 pixels the
//   window shows of it, and its logo, sine, cosine and tangent on blue squared paper, a JPEG of 154 x 180;
// - the desktop's larger icons in full colour at 48, 128 and 256 pixels and as SVG.
//   zeltamakeassets <assets folder> <data/icons folder>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>
#include <array>
#include <climits>
#include <cmath>
#include <cstdio>
#include <map>
#include <random>
#include <vector>

namespace {

// The 16 colours of the standard palette.
const QList<QRgb> Standard16 = {qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
                                qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
                                qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
                                qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255)};

QImage icon(int size)
{
    QImage art(size, size, QImage::Format_RGB32);
    art.fill(Qt::white);
    QPainter p(&art);
    const int step = size / 4;
    p.setPen(QColor(192, 192, 192));
    for (int i = 0; i <= size; i += step / 2) {
        p.drawLine(i, 0, i, size - 1);
        p.drawLine(0, i, size - 1, i);
    }
    p.setPen(QColor(128, 128, 128));
    p.drawLine(size / 2, 0, size / 2, size - 1);
    p.drawLine(0, size / 2, size - 1, size / 2);
    p.setPen(QPen(QColor(255, 0, 0), size >= 32 ? 2 : 1));
    QPainterPath curve;
    for (int x = 0; x < size; ++x) {
        const double u = (x - size / 2.0) / (size / 2.0);
        const double y = size / 2.0 - u * u * u * (size / 2.0 - 1) - u * size / 8.0;
        x == 0 ? curve.moveTo(x, y) : curve.lineTo(x, y);
    }
    p.drawPath(curve);
    p.end();
    return art.convertToFormat(QImage::Format_Indexed8, Standard16, Qt::ThresholdDither);
}

// A question mark of strokes, not of a font, so every machine draws the same pixels.
QImage helpIcon(int size)
{
    QImage art(size, size, QImage::Format_RGB32);
    art.fill(Qt::white);
    QPainter p(&art);
    p.scale(size / 32.0, size / 32.0);
    p.setPen(QPen(QColor(0, 0, 128), 1));
    p.setBrush(QColor(0, 0, 255));
    p.drawRect(QRectF(4.5, 1.5, 23, 29));
    p.setPen(QPen(Qt::white, size >= 32 ? 4 : 5, Qt::SolidLine, Qt::FlatCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(10, 6, 12, 10), 180 * 16, -270 * 16);
    p.drawLine(QPointF(16, 16), QPointF(16, 20));
    p.fillRect(QRectF(14, 23, 4, 4), Qt::white);
    p.end();
    return art.convertToFormat(QImage::Format_Indexed8, Standard16, Qt::ThresholdDither);
}

// Uniform in [0, 1) from the engine's bits, the same on every library.
double uniform(std::mt19937 &engine) { return (engine() >> 8) / 16777216.0; }

// One colour of the picture and how many pixels have it.
struct Tally {
    QRgb colour;
    long pixels;
};

int channel(QRgb c, int k) { return k == 0 ? qRed(c) : k == 1 ? qGreen(c) : qBlue(c); }

// A palette of at most 256 colours fitted to the picture by median cut: the box of colours that
// spans most is halved at its median until there are enough boxes; each gives its mean colour.
QList<QRgb> fittedPalette(const QImage &picture)
{
    std::map<QRgb, long> counts;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            ++counts[picture.pixel(x, y) | 0xff000000u];
    std::vector<Tally> tallies;
    for (const auto &[colour, pixels] : counts)
        tallies.push_back({colour, pixels});
    using Box = std::pair<std::size_t, std::size_t>; // a range of tallies
    const auto spread = [&tallies](const Box &b, int k) {
        int lo = 255, hi = 0;
        for (std::size_t i = b.first; i < b.second; ++i) {
            lo = std::min(lo, channel(tallies[i].colour, k));
            hi = std::max(hi, channel(tallies[i].colour, k));
        }
        return hi - lo;
    };
    std::vector<Box> boxes{{0, tallies.size()}};
    while (boxes.size() < 256) {
        std::size_t widest = 0;
        int widestSpread = 0, widestChannel = 0;
        for (std::size_t b = 0; b < boxes.size(); ++b)
            for (int k = 0; k < 3; ++k)
                if (const int s = spread(boxes[b], k); s > widestSpread) {
                    widest = b;
                    widestSpread = s;
                    widestChannel = k;
                }
        if (widestSpread == 0)
            break;
        const auto [first, last] = boxes[widest];
        const int k = widestChannel;
        std::sort(tallies.begin() + first, tallies.begin() + last, [k](const Tally &a, const Tally &b) {
            return channel(a.colour, k) != channel(b.colour, k) ? channel(a.colour, k) < channel(b.colour, k)
                                                                : a.colour < b.colour;
        });
        long total = 0, half = 0;
        for (std::size_t i = first; i < last; ++i)
            total += tallies[i].pixels;
        std::size_t cut = first;
        while (cut < last - 1 && (half += tallies[cut].pixels) * 2 < total)
            ++cut;
        cut = std::clamp(cut + 1, first + 1, last - 1);
        boxes[widest] = {first, cut};
        boxes.push_back({cut, last});
    }
    QList<QRgb> palette;
    for (const auto &[first, last] : boxes) {
        std::array<long, 3> sum{};
        long pixels = 0;
        for (std::size_t i = first; i < last; ++i) {
            for (int k = 0; k < 3; ++k)
                sum[static_cast<std::size_t>(k)] += channel(tallies[i].colour, k) * tallies[i].pixels;
            pixels += tallies[i].pixels;
        }
        const auto mean = [&](int k) { return static_cast<int>((sum[static_cast<std::size_t>(k)] + pixels / 2) / pixels); };
        palette << qRgb(mean(0), mean(1), mean(2));
    }
    return palette;
}

// Every pixel in its nearest palette colour, without dithering: no speckle in the smooth sky.
QImage toPalette(const QImage &picture, const QList<QRgb> &palette)
{
    QImage indexed(picture.size(), QImage::Format_Indexed8);
    indexed.setColorTable(palette);
    std::map<QRgb, uchar> nearest;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb c = picture.pixel(x, y);
            auto found = nearest.find(c);
            if (found == nearest.end()) {
                int best = 0, bestDistance = INT_MAX;
                for (int i = 0; i < palette.size(); ++i) {
                    int d = 0;
                    for (int k = 0; k < 3; ++k)
                        d += (channel(c, k) - channel(palette[i], k)) * (channel(c, k) - channel(palette[i], k));
                    if (d < bestDistance) {
                        best = i;
                        bestDistance = d;
                    }
                }
                found = nearest.emplace(c, static_cast<uchar>(best)).first;
            }
            indexed.scanLine(y)[x] = found->second;
        }
    return indexed;
}

QImage splashSky()
{
    // Drawn whole, so the part the window shows looks as it always did.
    QImage sky(640, 480, QImage::Format_RGB32);
    QPainter p(&sky);
    QLinearGradient blue(0, 0, 0, 480);
    blue.setColorAt(0, QColor(96, 150, 222));
    blue.setColorAt(1, QColor(196, 224, 250));
    p.fillRect(sky.rect(), blue);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    std::mt19937 engine(20);
    for (int cloud = 0; cloud < 9; ++cloud) {
        const QPointF centre(uniform(engine) * 640, 30 + uniform(engine) * 420);
        const double width = 60 + uniform(engine) * 90;
        for (int puff = 0; puff < 7; ++puff) {
            const QPointF at = centre + QPointF((uniform(engine) - 0.5) * width, (uniform(engine) - 0.5) * width / 3);
            const double r = width / 4 + uniform(engine) * width / 4;
            QRadialGradient soft(at, r);
            soft.setColorAt(0, QColor(255, 255, 255, 210));
            soft.setColorAt(0.6, QColor(255, 255, 255, 120));
            soft.setColorAt(1, QColor(255, 255, 255, 0));
            p.setBrush(soft);
            p.drawEllipse(at, r, r * 0.6);
        }
    }
    p.end();
    // The window shows the top-left 492 x 283 pixels (7380 x 4245 twips).
    const QImage shown = sky.copy(0, 0, 492, 283);
    return toPalette(shown, fittedPalette(shown));
}

QImage logo()
{
    QImage art(154, 180, QImage::Format_RGB32);
    art.fill(QColor(28, 64, 150));
    QPainter p(&art);
    // Squared paper: small boxes of 7 pixels, big boxes of 35, the axes through the middle.
    for (int i = 0; i <= 180; i += 7) {
        p.setPen((i - 77) % 35 == 0 ? QColor(110, 150, 225) : QColor(60, 98, 185));
        p.drawLine(i, 0, i, 179);
        p.drawLine(0, i + 13, 153, i + 13);
    }
    p.setPen(QPen(QColor(235, 240, 255), 1));
    p.drawLine(0, 90, 153, 90);
    p.drawLine(77, 0, 77, 179);
    p.setRenderHint(QPainter::Antialiasing);
    const auto plot = [&p](double (*f)(double), QColor colour) {
        QPainterPath path;
        bool drawing = false;
        for (int px = 0; px <= 153 * 4; ++px) {
            const double x = (px / 4.0 - 77) / 35 * 1.6, y = f(x);
            const bool onPaper = std::abs(y) < 3;
            const QPointF at(px / 4.0, 90 - y * 35);
            if (onPaper)
                drawing ? path.lineTo(at) : path.moveTo(at);
            drawing = onPaper;
        }
        p.setPen(QPen(colour, 2.2, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(path);
    };
    plot([](double x) { return std::tan(x); }, QColor(255, 120, 60));
    plot([](double x) { return std::cos(x); }, QColor(120, 235, 120));
    plot([](double x) { return std::sin(x); }, QColor(255, 230, 70));
    return art;
}

// The curve of every icon, u from -1 to 1 across, y from -1 (bottom) to 1 (top).
double curveAt(double u) { return u * u * u * 0.9 + u * 0.25; }

QImage desktopIcon(int size)
{
    QImage art(size, size, QImage::Format_ARGB32);
    art.fill(Qt::transparent);
    QPainter p(&art);
    p.setRenderHint(QPainter::Antialiasing);
    const double s = size / 64.0; // drawn on a 64-unit square
    p.scale(s, s);
    p.setPen(QPen(QColor(170, 170, 170), 1.5));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(3, 3, 58, 58), 6, 6);
    p.setPen(QPen(QColor(210, 210, 210), 0.75));
    for (int i = 11; i < 58; i += 8) {
        p.drawLine(QPointF(i, 5), QPointF(i, 59));
        p.drawLine(QPointF(5, i), QPointF(59, i));
    }
    p.setPen(QPen(QColor(100, 100, 100), 1.5));
    p.drawLine(QPointF(5, 32), QPointF(59, 32));
    p.drawLine(QPointF(32, 5), QPointF(32, 59));
    QPainterPath curve;
    for (int i = 0; i <= 100; ++i) {
        const double u = i / 50.0 - 1;
        const QPointF at(32 + u * 25, 32 - curveAt(u) * 24);
        i == 0 ? curve.moveTo(at) : curve.lineTo(at);
    }
    p.setPen(QPen(QColor(220, 0, 0), 3.5, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(curve);
    return art;
}

QByteArray desktopSvg()
{
    QByteArray svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"64\" height=\"64\" viewBox=\"0 0 64 64\">\n"
                     "  <rect x=\"3\" y=\"3\" width=\"58\" height=\"58\" rx=\"6\" fill=\"#fff\" stroke=\"#aaa\" "
                     "stroke-width=\"1.5\"/>\n  <path stroke=\"#d2d2d2\" stroke-width=\"0.75\" d=\"";
    for (int i = 11; i < 58; i += 8)
        svg += QStringLiteral("M%1 5V59M5 %1H59").arg(i).toLatin1();
    svg += "\"/>\n  <path stroke=\"#646464\" stroke-width=\"1.5\" d=\"M5 32H59M32 5V59\"/>\n"
           "  <path fill=\"none\" stroke=\"#dc0000\" stroke-width=\"3.5\" stroke-linecap=\"round\" d=\"";
    for (int i = 0; i <= 100; ++i) {
        const double u = i / 50.0 - 1;
        svg += QStringLiteral("%1%2 %3").arg(i == 0 ? "M" : "L").arg(32 + u * 25, 0, 'f', 2).arg(32 - curveAt(u) * 24, 0, 'f', 2).toLatin1();
    }
    return svg + "\"/>\n</svg>\n";
}

bool writeDesktopIcons(const QString &folder)
{
    for (int size : {48, 128, 256}) {
        const QString dir = QStringLiteral("%1/hicolor/%2x%2/apps").arg(folder).arg(size);
        if (!QDir().mkpath(dir) || !desktopIcon(size).save(dir + QStringLiteral("/org.example.zeltaplot.png")))
            return false;
    }
    const QString dir = folder + QStringLiteral("/hicolor/scalable/apps");
    QFile svg(dir + QStringLiteral("/org.example.zeltaplot.svg"));
    return QDir().mkpath(dir) && svg.open(QIODevice::WriteOnly) && svg.write(desktopSvg()) > 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <assets folder> <data/icons folder>\n", argv[0]);
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    for (int size : {16, 32})
        if (!icon(size).save(QStringLiteral("%1/zeltaplot%2.png").arg(folder).arg(size))
            || !helpIcon(size).save(QStringLiteral("%1/help%2.png").arg(folder).arg(size)))
            return 1;
    if (!splashSky().save(folder + QStringLiteral("/splash.png")) || !logo().save(folder + QStringLiteral("/logo.jpg"), "JPEG", 90))
        return 1;
    return writeDesktopIcons(QString::fromLocal8Bit(argv[2])) ? 0 : 1;
}
