// A planted fault for the fuzzers' scripts: an exception no one catches, on any input but the empty one.
#include <cstddef>
#include <cstdint>
#include <stdexcept>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t*, size_t size) {
    if (size > 0) throw std::runtime_error("planted");
    return 0;
}
