#include "audio/stream/output_stream.h"

#include <array>
#include <cstdlib>
#include <mutex>
#include <pulse/error.h>
#include <pulse/simple.h>

#include "audio/clip.h"

namespace verminadia::audio {

namespace {

constexpr int kPeriodSize = 512;  // 11.6 ms per period: half the wake-ups of a smaller one
constexpr int kPeriods = 2;       // 23 ms ahead: well under a frame of the game's clicks
constexpr std::size_t kPeriodBytes = std::size_t{kPeriodSize} * 2 * sizeof(float);

// Only a name for the server's volume controls, which pa_simple takes from the environment alone.
// Set once, as FluidSynth's driver did before, never on each wake: changing the environment while
// other threads read it is a race. A role the user set is kept.
void nameRole() {
    static std::once_flag once;
    std::call_once(once, [] { setenv("PULSE_PROP_media.role", "game", 0); });  // NOLINT(concurrency-mt-unsafe)
}

}  // namespace

OutputStream::~OutputStream() { close(); }

bool OutputStream::open(Client& client, std::string& error) {
    close();
    client_ = &client;
    nameRole();
    const pa_sample_spec spec{PA_SAMPLE_FLOAT32NE, kRate, 2};
    // The server holds two periods ahead of us and asks for one at a time.
    pa_buffer_attr attributes{};
    attributes.maxlength = static_cast<std::uint32_t>(-1);
    attributes.tlength = static_cast<std::uint32_t>(kPeriodBytes * kPeriods);
    attributes.prebuf = static_cast<std::uint32_t>(-1);
    attributes.minreq = static_cast<std::uint32_t>(kPeriodBytes);
    attributes.fragsize = static_cast<std::uint32_t>(-1);
    int code = 0;
    stream_ =
        pa_simple_new(nullptr, "verminadia", PA_STREAM_PLAYBACK, nullptr, "game", &spec, nullptr, &attributes, &code);
    if (!stream_) {
        error = std::string("no sound server: PulseAudio says \"") + pa_strerror(code) + "\"";
        return false;
    }
    closing_.store(false, std::memory_order_relaxed);
    writer_ = std::thread([this] { write(); });
    return true;
}

// The audio thread: a period from the client, then the write, which waits until the server has
// room for it. A failed write is a server gone: the client hears it and the thread ends.
void OutputStream::write() {
    std::array<float, kPeriodSize> left{}, right{};
    std::array<float, std::size_t{2} * kPeriodSize> frames{};
    while (!closing_.load(std::memory_order_relaxed)) {
        client_->period(left.data(), right.data(), kPeriodSize);
        for (std::size_t i = 0; i < left.size(); ++i) {
            frames[2 * i] = left[i];
            frames[2 * i + 1] = right[i];
        }
        int code = 0;
        if (pa_simple_write(stream_, frames.data(), kPeriodBytes, &code) < 0) {
            client_->failed();
            return;
        }
    }
}

void OutputStream::close() {
    // The thread finishes the period it is in, whose write the server takes within a period, or
    // at once if the server has gone.
    closing_.store(true, std::memory_order_relaxed);
    if (writer_.joinable()) writer_.join();
    if (stream_) pa_simple_free(stream_);
    stream_ = nullptr;
}

double OutputStream::bufferSeconds() const { return static_cast<double>(kPeriodSize) * kPeriods / kRate; }

}  // namespace verminadia::audio
