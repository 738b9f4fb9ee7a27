#include "platform/random.h"

namespace zelta {

RandomSequence &programRandom()
{
    static RandomSequence sequence;
    return sequence;
}

} // namespace zelta
