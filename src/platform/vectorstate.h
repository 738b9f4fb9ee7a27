// Clears the upper halves of the vector registers. Qt's AVX2 fills leave them dirty, and on some
// processors the math library's SSE code (sin, tan, pow, log) then runs about ten times slower
// until they are cleared: numeric loops that may follow drawing call this first.
#pragma once

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#endif

namespace zelta {

#if defined(__x86_64__) || defined(__i386__)

namespace detail {
// Compiled for AVX on its own, and only called where the processor has it.
[[gnu::target("avx"), gnu::noinline]] inline void zeroUpper() { _mm256_zeroupper(); }

inline bool hasAvx()
{
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx");
}
} // namespace detail

inline void clearVectorState()
{
    static const bool avx = detail::hasAvx();
    if (avx)
        detail::zeroUpper();
}

#else

inline void clearVectorState() {}

#endif

} // namespace zelta
