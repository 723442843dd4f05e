// The vector kernels built for AVX2 (this file alone is compiled with -mavx2);
// chosen at run time when the processor has it. Nothing else may be defined here,
// so that no AVX2 code can stand in for a baseline function at link time.
#define MB_KERNEL_NAMESPACE wide
#include "engine/vector_kernels.h"

namespace mb::detail {

const Kernels& Avx2Kernels() { return wide::kKernels; }

}  // namespace mb::detail
