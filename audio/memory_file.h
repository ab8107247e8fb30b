#pragma once
// Sound files are read whole into memory and decoded from there by libsndfile.

#include <span>

#include "audio/system_libraries.h"

namespace verminadia::audio {

struct MemoryFile {
    std::span<const unsigned char> bytes;
    sf_count_t pos = 0;
};

// Null when libsndfile knows no such file; `file` must outlive the handle.
SNDFILE* openInMemory(const Sndfile& sf, MemoryFile& file, SF_INFO& info);

}  // namespace verminadia::audio
