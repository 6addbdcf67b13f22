// vzeroupper is an AVX instruction: it runs only after the processor was asked whether it has AVX,
// and its function alone is compiled for AVX, so that the module still runs on processors without.
#include "base/VectorState.h"

#if defined(__x86_64__) || defined(__i386__)

#include <immintrin.h>

namespace {

__attribute__((target("avx"))) void ZeroUpperHalves() { _mm256_zeroupper(); }

bool HasAvx() {
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx") != 0;
}

}  // namespace

void ClearUpperVectorState() {
    static const bool hasAvx = HasAvx();
    if (hasAvx) ZeroUpperHalves();
}

#else

void ClearUpperVectorState() {}

#endif
