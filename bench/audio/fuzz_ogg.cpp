// libFuzzer target: a rendered tune's loading path, and the mixer decoding and playing it.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "audio/mixer.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string error;
    verminadia::audio::Mixer mixer(1);
    if (!mixer.setTrack(0, std::vector<unsigned char>(data, data + size), error)) return 0;
    // A file that passes is also played for a moment, stopped, rewound and played again.
    std::vector<float> l(4096), r(4096);
    mixer.play(0);
    mixer.waitUntilDecoded();
    mixer.render(l.data(), r.data(), 4096);
    mixer.stop(0);
    mixer.play(0);
    mixer.render(l.data(), r.data(), 4096);
    mixer.seekToStart(0);
    mixer.play(0);
    mixer.waitUntilDecoded();
    mixer.render(l.data(), r.data(), 4096);
    return 0;
}
