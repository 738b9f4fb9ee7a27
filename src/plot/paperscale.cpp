#include "plot/paperscale.h"

#include "plot/geometry.h"

#include <algorithm>

namespace zelta {

namespace {
constexpr double MmPerTwip = 25.4 / 1440;
// Rounding in the printer's units must not refuse a picture that fits to the hundredth.
constexpr double Slack = 0.01;

bool fitsIn(QSizeF picture, QSizeF area)
{
    return picture.width() <= area.width() + Slack && picture.height() <= area.height() + Slack;
}
} // namespace

QSizeF trueSizeMm() { return QSizeF(SurfaceWidth * MmPerTwip, SurfaceHeight * MmPerTwip); }

double scaleZoom(PictureOptions::Scale scale)
{
    const double mm = ScaleChoices[static_cast<std::size_t>(scale)].bigBoxMm;
    return mm > 0 ? mm / (BigBox * MmPerTwip) : 1;
}

PaperPlan planOnPaper(PictureOptions::Scale scale, QSizeF area)
{
    const QSizeF picture = trueSizeMm();
    const QSizeF turned = area.transposed();
    PaperPlan plan;
    if (scale == PictureOptions::FitToPage) {
        const auto zoomIn = [&](QSizeF a) { return std::min(a.width() / picture.width(), a.height() / picture.height()); };
        plan.fits = true;
        plan.turn = zoomIn(turned) > zoomIn(area);
        plan.zoom = zoomIn(plan.turn ? turned : area);
        return plan;
    }
    plan.zoom = scaleZoom(scale);
    plan.fits = fitsIn(picture * plan.zoom, area) || fitsIn(picture * plan.zoom, turned);
    plan.turn = !fitsIn(picture * plan.zoom, area) && plan.fits;
    for (const ScaleChoice &choice : ScaleChoices) {
        const double zoom = scaleZoom(choice.scale);
        if (choice.bigBoxMm > 0 && (fitsIn(picture * zoom, area) || fitsIn(picture * zoom, turned)))
            plan.largest = choice.scale;
    }
    return plan;
}

QString scaleCaption(PictureOptions::Scale scale)
{
    return QString::fromLatin1(ScaleChoices[static_cast<std::size_t>(scale)].caption).remove(u'&');
}

QString refusal(PictureOptions::Scale scale, const PaperPlan &plan, QSizeF area, const QString &paper)
{
    const QSizeF picture = trueSizeMm() * plan.zoom;
    const QString largest = plan.largest == PictureOptions::FitToPage
                                ? QStringLiteral("No big box size fits: choose Fit to page.")
                                : QStringLiteral("The largest scale that fits is %1.").arg(scaleCaption(plan.largest).toLower());
    return QStringLiteral("The picture was not printed: at %1 it is %2 x %3 mm, larger than the %4 x %5 mm "
                          "of %6 within the margins. %7")
        .arg(scaleCaption(scale).toLower())
        .arg(picture.width(), 0, 'f', 0)
        .arg(picture.height(), 0, 'f', 0)
        .arg(area.width(), 0, 'f', 0)
        .arg(area.height(), 0, 'f', 0)
        .arg(paper, largest);
}

} // namespace zelta
