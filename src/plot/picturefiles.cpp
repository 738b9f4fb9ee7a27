#include "plot/picturefiles.h"

#include "platform/savefile.h"
#include "plot/canvas.h"
#include "plot/geometry.h"
#include "plot/paperscale.h"
#include "plot/vectorcanvas.h"

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

// With a choice made, a picture of its own: an empty one for transparent paper, lines drawn
// unsmoothed as the screen's are, so they stay opaque.
QImage bitmapPicture(const SurfaceRecord &record, int scale, PictureOptions options)
{
    options.scale = PictureOptions::TrueSize;
    if (options == PictureOptions{})
        return replayedImage(record, scale);
    QImage picture(DeviceScale(scale).pixels(), QImage::Format_ARGB32);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    replayVectors(record, painter, scale, options, 3.0 * scale);
    return picture;
}

QByteArray bitmap(const SurfaceRecord &record, int scale, const char *format, const PictureOptions &options,
                  QString &error)
{
    QImage picture = bitmapPicture(record, scale, options);
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

// A4 within margins of 10 mm, where a file fitted to the page goes.
constexpr QSizeF FitArea(190, 277);

// Drawn in twips, sized on paper by the scale.
QByteArray svg(const SurfaceRecord &record, const PictureOptions &options)
{
    const double zoom = planOnPaper(options.scale, FitArea).zoom;
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    // Tenths of a twip, so the size on paper is right to the hundredth of a millimetre.
    generator.setResolution(static_cast<int>(TwipsPerInch * 10));
    generator.setSize(QSize(static_cast<int>(std::lround(SurfaceWidth * 10 * zoom)),
                            static_cast<int>(std::lround(SurfaceHeight * 10 * zoom))));
    generator.setViewBox(QRectF(0, 0, SurfaceWidth, SurfaceHeight));
    generator.setTitle(QStringLiteral("Zeltaplot"));
    QPainter painter(&generator);
    replayVectors(record, painter, TwipsPerPixel, options, boldWidthOnPaper(TwipsPerPixel, zoom));
    return bytes;
}

// One page the size of the picture at its scale, drawn in twips; fitted, a page of A4.
QByteArray pdf(const SurfaceRecord &record, const PictureOptions &options)
{
    const PaperPlan plan = planOnPaper(options.scale, FitArea);
    const bool fit = options.scale == PictureOptions::FitToPage;
    const QSizeF page = fit ? (plan.turn ? FitArea.transposed() : FitArea) + QSizeF(20, 20)
                            : trueSizeMm() * plan.zoom;
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setCreator(QStringLiteral("Zeltaplot"));
    writer.setTitle(QStringLiteral("Zeltaplot"));
    writer.setResolution(static_cast<int>(TwipsPerInch));
    writer.setPageSize(QPageSize(page, QPageSize::Millimeter, QStringLiteral("Zeltaplot"), QPageSize::ExactMatch));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    QPainter painter(&writer);
    const QSizeF picture = trueSizeMm() * plan.zoom;
    const double perMm = TwipsPerInch / 25.4;
    painter.translate((page.width() - picture.width()) / 2 * perMm, (page.height() - picture.height()) / 2 * perMm);
    painter.scale(plan.zoom, plan.zoom);
    replayVectors(record, painter, TwipsPerPixel, options, boldWidthOnPaper(TwipsPerPixel, plan.zoom));
    painter.end();
    return bytes;
}

} // namespace

QByteArray svgPicture(const SurfaceRecord &record, const PictureOptions &options) { return svg(record, options); }

bool writePicture(const SurfaceRecord &record, const PictureType &type, QIODevice &device, QString &error,
                  const PictureOptions &options)
{
    QByteArray bytes;
    switch (type.kind) {
    case PictureType::Png:
    case PictureType::Bmp:
        bytes = bitmap(record, type.scale, type.kind == PictureType::Png ? "png" : "bmp",
                       type.kind == PictureType::Png ? options : PictureOptions{}, error);
        if (!error.isEmpty())
            return false;
        break;
    case PictureType::Svg:
        bytes = svg(record, options);
        break;
    case PictureType::Pdf:
        bytes = pdf(record, {options.scale, options.bold, options.dark, false});
        break;
    }
    return writeAll(device, bytes, error);
}

namespace {
// The area within the margins in millimetres, as the page stands now.
QSizeF areaMm(const QPrinter &printer) { return printer.pageLayout().paintRect(QPageLayout::Millimeter).size(); }
} // namespace

QString paperRefusal(const QPrinter &printer, const PictureOptions &options)
{
    const PaperPlan plan = planOnPaper(options.scale, areaMm(printer));
    if (plan.fits)
        return QString();
    return refusal(options.scale, plan, areaMm(printer), printer.pageLayout().pageSize().name());
}

bool printPicture(const SurfaceRecord &record, QPrinter &printer, const PictureOptions &options)
{
    const PaperPlan plan = planOnPaper(options.scale, areaMm(printer));
    if (!plan.fits)
        return false;
    if (plan.turn)
        printer.setPageOrientation(printer.pageLayout().orientation() == QPageLayout::Portrait ? QPageLayout::Landscape
                                                                                               : QPageLayout::Portrait);
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    // The painter starts at the top-left corner of the area within the margins.
    const QSizeF area = printer.pageLayout().paintRectPixels(printer.resolution()).size();
    const double perTwip = printer.resolution() / TwipsPerInch * plan.zoom;
    const QSizeF picture(SurfaceWidth * perTwip, SurfaceHeight * perTwip);
    painter.translate((area.width() - picture.width()) / 2, (area.height() - picture.height()) / 2);
    painter.scale(perTwip, perTwip);
    replayVectors(record, painter, TwipsPerPixel, options, boldWidthOnPaper(TwipsPerPixel, plan.zoom));
    return painter.end();
}

bool printPictureToFile(const SurfaceRecord &record, QPrinter &printer, const PictureOptions &options, QString &error)
{
    const QString fileName = printer.outputFileName();
    const auto print = [&](const QString &temporary) {
        printer.setOutputFileName(temporary);
        return printPicture(record, printer, options);
    };
    // Qt's PDF writer goes on past a failed write; a whole file ends with its trailer's mark.
    const auto whole = [](const QByteArray &pdf) { return pdf.trimmed().endsWith("%%EOF"); };
    const bool saved = saveFileByName(fileName, print, whole, &error);
    printer.setOutputFileName(fileName);
    return saved;
}

} // namespace zelta
