// Each curve drawn since the surface was last cleared, as values rather than pixels: what the
// keyboard trace reads out and the sound plays.
#pragma once

#include <QRgb>
#include <QString>

#include <vector>

namespace zelta {

struct CurveValues {
    QString label;
    QRgb colour = 0;
    int firstColumn = 0;
    // The row plotted at each column from firstColumn on, in twips before rounding to single
    // precision, so values read back whole; NaN where nothing was drawn.
    std::vector<double> rows;

    int lastColumn() const { return firstColumn + static_cast<int>(rows.size()) - 1; }
    // The row at a column, NaN outside the curve's columns.
    double rowAt(int column) const;
    // The first and last columns with a value; -1 when the curve has none.
    int firstDefined() const;
    int lastDefined() const;
};

} // namespace zelta
