#pragma once
// Decoded waveform sounds, ready for the mixer.

#include <cstddef>
#include <span>
#include <string>
#include <vector>

namespace verminadia::audio {

inline constexpr int kRate = 44100;  // the mixer's and the output stream's rate

// Interleaved stereo frames at kRate.
struct Clip {
    std::vector<float> samples;
    std::size_t frames() const { return samples.size() / 2; }
};

// Decodes a WAV (or any container libsndfile reads) held in memory, converting it to stereo at
// kRate. Returns false and says why in `error` for empty, truncated or foreign data.
bool decodeWav(std::span<const unsigned char> bytes, Clip& out, std::string& error);

// A short sine tone with soft edges: the beep where the desktop has no alert sound.
Clip makeTone(double hz, double seconds);

}  // namespace verminadia::audio
