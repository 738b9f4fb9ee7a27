// The surface's picture as a file (PNG at one, two or four times the screen's size, SVG, PDF, BMP)
// and on paper, drawn from its record: the vector kinds at the surface's true size.
#pragma once

#include "plot/printoptions.h"
#include "plot/surfacerecord.h"

#include <QString>

#include <array>

class QIODevice;
class QPrinter;

namespace zelta {

struct PictureType {
    enum Kind { Png, Svg, Pdf, Bmp } kind;
    int scale;          // a bitmap's pixels per screen pixel
    const char *filter; // as the save dialog offers it
    const char *suffix;
};

extern const std::array<PictureType, 6> PictureTypes;

// Writes the picture in the type to the device; on failure the reason is in error. The vector
// kinds take the scale; bold lines, dark colours and transparent paper change the bitmaps only
// when chosen, so a bitmap at the default choices is the screen's picture.
bool writePicture(const SurfaceRecord &record, const PictureType &type, QIODevice &device, QString &error,
                  const PictureOptions &options = {});
// The picture as SVG, as Copy offers it beside the bitmap.
QByteArray svgPicture(const SurfaceRecord &record, const PictureOptions &options = {});

// Why the picture cannot go on the printer's paper at the chosen scale; empty when it fits.
QString paperRefusal(const QPrinter &printer, const PictureOptions &options);
// Prints the picture at the chosen scale centred within the page's margins, the page turned
// where the scale asks for it; false when it does not fit (see paperRefusal) or when the
// printer did not start or did not finish the job.
bool printPicture(const SurfaceRecord &record, QPrinter &printer, const PictureOptions &options);
// Prints to the printer's output file as a save does: the earlier file stays unless the new one
// is written whole. On failure the reason is in error.
bool printPictureToFile(const SurfaceRecord &record, QPrinter &printer, const PictureOptions &options, QString &error);

} // namespace zelta
