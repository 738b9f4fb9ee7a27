// Where the picture goes on paper at a chosen big-box size: its zoom over the true size, the
// page's orientation, and whether it fits at all.
#pragma once

#include "plot/printoptions.h"

#include <QSizeF>
#include <QString>

namespace zelta {

// The picture's width and height in millimetres at its true size (9200 x 6800 twips).
QSizeF trueSizeMm();
// The paper size over the true size of a fixed scale (1 for true size).
double scaleZoom(PictureOptions::Scale scale);

struct PaperPlan {
    bool fits = false;
    double zoom = 1;
    bool turn = false; // the page turned a quarter, to landscape from upright
    // When it does not fit: the largest fixed scale that does, or FitToPage when none does.
    PictureOptions::Scale largest = PictureOptions::FitToPage;
};
// The plan on an area of paper in millimetres as the page stands. A fixed scale turns the page
// only when the picture fits no other way; fit to page turns it when the picture grows so.
PaperPlan planOnPaper(PictureOptions::Scale scale, QSizeF area);

// What the user is told when the picture does not fit.
QString refusal(PictureOptions::Scale scale, const PaperPlan &plan, QSizeF area, const QString &paper);
// The scale and the paper, as the dialog says them.
QString scaleCaption(PictureOptions::Scale scale);

} // namespace zelta
