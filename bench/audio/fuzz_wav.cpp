// libFuzzer target: the WAV loading path and the mixer playing what it decoded.
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "audio/clip.h"
#include "audio/mixer.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    verminadia::audio::Clip clip;
    std::string error;
    if (!verminadia::audio::decodeWav(std::span(data, size), clip, error)) return 0;
    verminadia::audio::Mixer mixer(1);
    mixer.setClip(0, std::move(clip));
    std::vector<float> l(2048), r(2048);
    mixer.play(0);
    mixer.render(l.data(), r.data(), 2048);
    mixer.seekToStart(0);
    mixer.play(0);
    mixer.render(l.data(), r.data(), 2048);
    return 0;
}
