// libFuzzer target: the MIDI loading path, the game's players and the mixer rendering them.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "audio/midi.h"
#include "audio/mixer.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<unsigned char> bytes(data, data + size);
    std::string error;
    if (!verminadia::audio::checkMidi(bytes, error)) return 0;
    // A file that passes is also played for a moment, stopped, rewound and played again.
    verminadia::audio::Mixer mixer(1);
    mixer.setMidi(0, std::move(bytes));
    std::vector<float> l(4096), r(4096);
    mixer.play(0);
    mixer.render(l.data(), r.data(), 4096);
    mixer.stop(0);
    mixer.play(0);
    mixer.render(l.data(), r.data(), 4096);
    mixer.seekToStart(0);
    mixer.play(0);
    mixer.render(l.data(), r.data(), 4096);
    return 0;
}
