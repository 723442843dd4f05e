// The vector kernels for the x86-64 baseline; always built.
#define MB_KERNEL_NAMESPACE baseline
#include "engine/vector_kernels.h"

namespace mb::detail {

const Kernels& BaselineKernels() { return baseline::kKernels; }

}  // namespace mb::detail
