// Makes the window icon, a red curve over a grey grid in 16 colours, at 16 and 32 pixels:
//   zeltamakeicons <assets folder>
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

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <assets folder>\n", argv[0]);
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    for (int size : {16, 32})
        if (!icon(size).save(QStringLiteral("%1/zeltaplot%2.png").arg(folder).arg(size)))
            return 1;
    return 0;
}
