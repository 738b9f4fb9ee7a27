// The surface's picture as a file (PNG at one, two or four times the screen's size, SVG, PDF, BMP)
// and on paper, drawn from its record: the vector kinds at the surface's true size.
#pragma once

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

// Writes the picture in the type to the device; on failure the reason is in error.
bool writePicture(const SurfaceRecord &record, const PictureType &type, QIODevice &device, QString &error);

// Prints the picture at its true size centred within the page's margins, or as large as fits
// there; false when the printer did not start or did not finish the job.
bool printPicture(const SurfaceRecord &record, QPrinter &printer, bool fitToPage);
// Prints to the printer's output file as a save does: the earlier file stays unless the new one
// is written whole. On failure the reason is in error.
bool printPictureToFile(const SurfaceRecord &record, QPrinter &printer, bool fitToPage, QString &error);

} // namespace zelta
