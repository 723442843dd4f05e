// libFuzzer target for the project file reader.
#include <cstddef>
#include <cstdint>

#include "reader_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    mb::fuzz::CheckFuzzInput(data, size);
    return 0;
}
