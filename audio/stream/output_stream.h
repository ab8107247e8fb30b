#pragma once
// The stream to the sound server: FluidSynth's own audio driver, calling the client from its audio
// thread for every period. Opened and closed as often as the stream rests and wakes.

#include <string>

#include "audio/stream/output.h"

namespace verminadia::audio {

class OutputStream final : public Output {
public:
    OutputStream() = default;
    ~OutputStream() override;
    OutputStream(const OutputStream&) = delete;
    OutputStream& operator=(const OutputStream&) = delete;

    // Tries PulseAudio (which also serves PipeWire desktops), then ALSA. False with the reason
    // when neither has a device.
    bool open(Client& client, std::string& error) override;
    void close() override;
    double bufferSeconds() const override;

private:
    static int renderPeriod(void* data, int len, int nfx, float* fx[], int nout, float* out[]);
    static void broken(void* data);

    Client* client_ = nullptr;
    void* settings_ = nullptr;
    void* driver_ = nullptr;
    bool roleNamed_ = false;
    int periodSize_ = 0;
    int periods_ = 0;
};

}  // namespace verminadia::audio
