#include "plot/picturefiles.h"

#include "platform/savefile.h"
#include "plot/canvas.h"
#include "plot/geometry.h"

#include <QBuffer>
#include <QImageWriter>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QSvgGenerator>

#include <algorithm>
#include <cmath>

namespace zelta {

// clang-format off
const std::array<PictureType, 6> PictureTypes{{
    {PictureType::Png, 1, "PNG picture, screen size (*.png)", "png"},
    {PictureType::Png, 2, "PNG picture, twice the screen size (*.png)", "png"},
    {PictureType::Png, 4, "PNG picture, four times the screen size (*.png)", "png"},
    {PictureType::Svg, 1, "SVG drawing (*.svg)", "svg"},
    {PictureType::Pdf, 1, "PDF document (*.pdf)", "pdf"},
    {PictureType::Bmp, 1, "Bitmap, screen size (*.bmp)", "bmp"},
}};
// clang-format on

namespace {

constexpr double TwipsPerInch = 1440;
constexpr double TwipsPerPoint = 20;

QByteArray bitmap(const SurfaceRecord &record, int scale, const char *format, QString &error)
{
    QImage picture = replayedImage(record, scale);
    // Its resolution says how large it is on paper: the surface's true size.
    const int dotsPerMeter = static_cast<int>(std::lround(96.0 * scale / 0.0254));
    picture.setDotsPerMeterX(dotsPerMeter);
    picture.setDotsPerMeterY(dotsPerMeter);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    if (!writer.write(picture))
        error = writer.errorString();
    return bytes;
}

// In twips, each pixel of the 96 dpi screen a square of 15: shown at 96 dpi it is the screen's picture.
QByteArray svg(const SurfaceRecord &record)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setResolution(static_cast<int>(TwipsPerInch));
    generator.setSize(QSize(SurfaceWidth, SurfaceHeight));
    generator.setViewBox(QRectF(0, 0, SurfaceWidth, SurfaceHeight));
    generator.setTitle(QStringLiteral("Zeltaplot"));
    QPainter painter(&generator);
    painter.scale(TwipsPerPixel, TwipsPerPixel);
    replay(record, painter, 1, SlantedLines::AsScreenPixels);
    return bytes;
}

// One page the size of the surface, drawn in twips.
QByteArray pdf(const SurfaceRecord &record)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setCreator(QStringLiteral("Zeltaplot"));
    writer.setTitle(QStringLiteral("Zeltaplot"));
    writer.setResolution(static_cast<int>(TwipsPerInch));
    writer.setPageSize(QPageSize(QSizeF(SurfaceWidth / TwipsPerPoint, SurfaceHeight / TwipsPerPoint),
                                 QPageSize::Point, QStringLiteral("Zeltaplot"), QPageSize::ExactMatch));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    QPainter painter(&writer);
    replay(record, painter, TwipsPerPixel);
    painter.end();
    return bytes;
}

} // namespace

bool writePicture(const SurfaceRecord &record, const PictureType &type, QIODevice &device, QString &error)
{
    QByteArray bytes;
    switch (type.kind) {
    case PictureType::Png:
    case PictureType::Bmp:
        bytes = bitmap(record, type.scale, type.kind == PictureType::Png ? "png" : "bmp", error);
        if (!error.isEmpty())
            return false;
        break;
    case PictureType::Svg:
        bytes = svg(record);
        break;
    case PictureType::Pdf:
        bytes = pdf(record);
        break;
    }
    return writeAll(device, bytes, error);
}

bool printPicture(const SurfaceRecord &record, QPrinter &printer, bool fitToPage)
{
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    // The painter starts at the top-left corner of the area within the margins.
    const QSizeF area = printer.pageLayout().paintRectPixels(printer.resolution()).size();
    const double perTwip = printer.resolution() / TwipsPerInch;
    const QSizeF picture(SurfaceWidth * perTwip, SurfaceHeight * perTwip);
    const double zoom =
        fitToPage ? std::min(area.width() / picture.width(), area.height() / picture.height()) : 1.0;
    painter.setClipRect(QRectF(QPointF(0, 0), area));
    painter.translate((area.width() - picture.width() * zoom) / 2, (area.height() - picture.height() * zoom) / 2);
    painter.scale(perTwip * zoom, perTwip * zoom);
    replay(record, painter, TwipsPerPixel);
    return painter.end();
}

bool printPictureToFile(const SurfaceRecord &record, QPrinter &printer, bool fitToPage, QString &error)
{
    const QString fileName = printer.outputFileName();
    const auto print = [&](const QString &temporary) {
        printer.setOutputFileName(temporary);
        return printPicture(record, printer, fitToPage);
    };
    // Qt's PDF writer goes on past a failed write; a whole file ends with its trailer's mark.
    const auto whole = [](const QByteArray &pdf) { return pdf.trimmed().endsWith("%%EOF"); };
    const bool saved = saveFileByName(fileName, print, whole, &error);
    printer.setOutputFileName(fileName);
    return saved;
}

} // namespace zelta
