#pragma once
// The stream to the sound server: libpulse's simple API, written from an output thread of our own
// that asks the client for each period. Opened and closed as often as the stream rests and wakes.

#include <atomic>
#include <string>
#include <thread>

#include "audio/stream/output.h"

struct pa_simple;

namespace verminadia::audio {

class OutputStream final : public Output {
public:
    OutputStream() = default;
    ~OutputStream() override;
    OutputStream(const OutputStream&) = delete;
    OutputStream& operator=(const OutputStream&) = delete;

    // Connects to PulseAudio (or PipeWire's PulseAudio server). False with the reason when none
    // answers.
    bool open(Client& client, std::string& error) override;
    void close() override;
    double bufferSeconds() const override;

private:
    void write();

    Client* client_ = nullptr;
    pa_simple* stream_ = nullptr;
    std::thread writer_;
    std::atomic<bool> closing_{false};
};

}  // namespace verminadia::audio
