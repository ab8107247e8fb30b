#pragma once
// The stream to the sound server: libpulse's threaded main loop, whose thread asks the client for
// each period as the server wants it. Opened and closed as often as the stream rests and wakes.

#include <array>
#include <cstddef>
#include <string>

#include "audio/stream/output.h"

struct pa_threaded_mainloop;
struct pa_context;
struct pa_stream;

namespace verminadia::audio {

struct Pulse;

class OutputStream final : public Output {
public:
    OutputStream() = default;
    ~OutputStream() override;
    OutputStream(const OutputStream&) = delete;
    OutputStream& operator=(const OutputStream&) = delete;

    // Connects to PulseAudio (or PipeWire's PulseAudio server). False with the reason when none
    // answers, or libpulse is not there.
    bool open(Client& client, std::string& error) override;
    void close() override;
    double bufferSeconds() const override;

    static constexpr int kPeriodSize = 512;  // 11.6 ms per period: half the wake-ups of a smaller one
    static constexpr int kPeriods = 2;       // 23 ms ahead: well under a frame of the game's clicks

private:
    static void contextChanged(pa_context* context, void* self);
    static void streamChanged(pa_stream* stream, void* self);
    static void wanted(pa_stream* stream, std::size_t bytes, void* self);
    void broken();

    Client* client_ = nullptr;
    const Pulse* pa_ = nullptr;  // libpulse, once the first open has found it
    pa_threaded_mainloop* loop_ = nullptr;
    pa_context* context_ = nullptr;
    pa_stream* stream_ = nullptr;
    bool running_ = false;  // under the loop's lock: open, so that a break is the server's
    bool failed_ = false;   // under the loop's lock: said once
    // The loop thread's own: a period for the client, and interleaved for the server.
    std::array<float, kPeriodSize> left_{}, right_{};
    std::array<float, std::size_t{2} * kPeriodSize> frames_{};
};

}  // namespace verminadia::audio
