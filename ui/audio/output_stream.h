#pragma once
// The one stream to the sound server: FluidSynth's own audio driver, calling the mixer from its
// audio thread for every period.

#include <functional>
#include <string>

#include "ui/audio/mixer.h"

namespace verminadia::audio {

class OutputStream {
public:
    explicit OutputStream(Mixer& mixer) : mixer_(mixer) {}
    ~OutputStream();
    OutputStream(const OutputStream&) = delete;
    OutputStream& operator=(const OutputStream&) = delete;

    // Tries PulseAudio (which also serves PipeWire desktops), then ALSA. False with the reason
    // when neither has a device: the game then runs silently.
    bool open(std::string& error);
    // What the stream buffers ahead: the longest wait from a play to its sound at the speakers.
    double bufferSeconds() const;
    // Sees every period after the mixer wrote it, on the audio thread; for measurements.
    // Set before open().
    using Tap = std::function<void(const float* left, const float* right, int frames)>;
    void setTap(Tap tap) { tap_ = std::move(tap); }

private:
    static int renderPeriod(void* data, int len, int nfx, float* fx[], int nout, float* out[]);

    Mixer& mixer_;
    Tap tap_;
    void* settings_ = nullptr;
    void* driver_ = nullptr;
    int periodSize_ = 0;
    int periods_ = 0;
};

}  // namespace verminadia::audio
