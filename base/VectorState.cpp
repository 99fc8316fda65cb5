#include "base/VectorState.h"

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>

namespace {

// Compiled for AVX alone, and only called where the processor has it.
__attribute__((target("avx"))) void ZeroUpper() { _mm256_zeroupper(); }

// The check reads the processor once; it also tells whether the system saves
// the AVX registers, without which vzeroupper would fault.
bool HasAvx() {
    static const bool avx = __builtin_cpu_supports("avx");
    return avx;
}

}  // namespace

void ClearUpperVectorState() {
    if (HasAvx()) ZeroUpper();
}

#else

void ClearUpperVectorState() {}

#endif
