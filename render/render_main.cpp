// Renders one tune of the sound table, solo, through the game's own mixer (FluidSynth, its gains,
// the tune's level, the limiter) into a 16-bit WAV, from its first note until the synthesiser says
// its tail has faded, as the tune ends when it plays alone. The build encodes the result.
//   verminadia-render SOUNDFONT TUNE.mid LEVEL_DB OUT.wav
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include <sndfile.h>

#include "audio/clip.h"
#include "audio/mixer.h"
#include "audio/sound_files.h"
#include "render/midi.h"
#include "render/midi_mixer.h"

using namespace verminadia::audio;

namespace {

constexpr int kPeriod = 512;
constexpr long kLongest = 10L * 60 * kRate;  // a tune that never ends is a fault, not a file

int fail(const std::string& what) {
    std::fprintf(stderr, "verminadia-render: %s\n", what.c_str());
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 5) return fail("usage: verminadia-render SOUNDFONT TUNE.mid LEVEL_DB OUT.wav");
    const std::string soundFont = argv[1], tune = argv[2], out = argv[4];
    char* end = nullptr;
    const double level = std::strtod(argv[3], &end);
    if (end == argv[3] || *end != '\0' || level > 0) return fail(std::string(argv[3]) + " is no level in dB at most 0");

    std::string error;
    std::vector<unsigned char> bytes;
    MidiMixer mixer(1);
    if (!readFile(tune, bytes, error) || !checkMidi(bytes, error) || !mixer.setMidi(0, std::move(bytes), error) ||
        !mixer.loadSoundFont(soundFont, error))
        return fail(tune + ": " + error);
    mixer.setLevel(0, level);

    SF_INFO info{};
    info.samplerate = kRate;
    info.channels = 2;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    SNDFILE* file = sf_open(out.c_str(), SFM_WRITE, &info);
    if (file == nullptr) return fail(out + ": " + sf_strerror(nullptr));
    sf_command(file, SFC_SET_CLIPPING, nullptr, SF_TRUE);

    mixer.play(0);
    std::vector<float> left(kPeriod), right(kPeriod), frames(std::size_t{2} * kPeriod);
    long written = 0;
    bool sounding = true;
    while (sounding && written < kLongest) {
        sounding = mixer.render(left.data(), right.data(), kPeriod);
        for (int i = 0; i < kPeriod; ++i) {
            frames[2 * static_cast<std::size_t>(i)] = left[static_cast<std::size_t>(i)];
            frames[2 * static_cast<std::size_t>(i) + 1] = right[static_cast<std::size_t>(i)];
        }
        if (sf_writef_float(file, frames.data(), kPeriod) != kPeriod) {
            sf_close(file);
            return fail(out + ": cannot write");
        }
        written += kPeriod;
    }
    sf_close(file);
    if (sounding) return fail(tune + ": still sounding after ten minutes");
    return 0;
}
