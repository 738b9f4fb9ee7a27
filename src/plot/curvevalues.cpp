#include "plot/curvevalues.h"

#include <cmath>
#include <limits>

namespace zelta {

double CurveValues::rowAt(int column) const
{
    const int i = column - firstColumn;
    if (i < 0 || i >= static_cast<int>(rows.size()))
        return std::numeric_limits<double>::quiet_NaN();
    return rows[static_cast<std::size_t>(i)];
}

int CurveValues::firstDefined() const
{
    for (std::size_t i = 0; i < rows.size(); ++i)
        if (!std::isnan(rows[i]))
            return firstColumn + static_cast<int>(i);
    return -1;
}

int CurveValues::lastDefined() const
{
    for (std::size_t i = rows.size(); i-- > 0;)
        if (!std::isnan(rows[i]))
            return firstColumn + static_cast<int>(i);
    return -1;
}

} // namespace zelta
