// A planted fault for the fuzzers' scripts: each input's copy is kept only till the next input's
// replaces it, and never freed.
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace {
uint8_t* volatile last = nullptr;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    last = new uint8_t[size + 1];
    std::memcpy(last, data, size);
    return 0;
}
