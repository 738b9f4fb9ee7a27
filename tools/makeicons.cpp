// Makes the window icon, a red curve over a grey grid in 16 colours, at 16 and 32 pixels, and the
// desktop's larger icons, the same subject in full colour at 48, 128 and 256 pixels and as SVG:
//   zeltamakeicons <assets folder> <data/icons folder>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <cstdio>

namespace {

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
    // The 16 colours of the standard palette.
    QList<QRgb> palette = {qRgb(0, 0, 0),       qRgb(128, 0, 0),     qRgb(0, 128, 0),   qRgb(128, 128, 0),
                           qRgb(0, 0, 128),     qRgb(128, 0, 128),   qRgb(0, 128, 128), qRgb(192, 192, 192),
                           qRgb(128, 128, 128), qRgb(255, 0, 0),     qRgb(0, 255, 0),   qRgb(255, 255, 0),
                           qRgb(0, 0, 255),     qRgb(255, 0, 255),   qRgb(0, 255, 255), qRgb(255, 255, 255)};
    return art.convertToFormat(QImage::Format_Indexed8, palette, Qt::ThresholdDither);
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
        if (!icon(size).save(QStringLiteral("%1/zeltaplot%2.png").arg(folder).arg(size)))
            return 1;
    return writeDesktopIcons(QString::fromLocal8Bit(argv[2])) ? 0 : 1;
}
