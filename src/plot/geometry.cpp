#include "plot/geometry.h"

#include "platform/numbers.h"

namespace zelta {

std::optional<std::int16_t> columnOf(double x, std::int16_t unitTwips)
{
    return toInt16(x * unitTwips + OriginColumn);
}

} // namespace zelta
