#include "audio/stream/output_stream.h"

#include <algorithm>

#include "audio/clip.h"
#include "audio/system_libraries.h"

namespace verminadia::audio {

namespace {

constexpr std::size_t kFrameBytes = 2 * sizeof(float);
constexpr std::size_t kPeriodBytes = std::size_t{OutputStream::kPeriodSize} * kFrameBytes;

// The names the server shows in its volume controls.
struct Names {
    const Pulse& pa;
    pa_proplist* list = pa.pa_proplist_new();
    explicit Names(const Pulse& p) : pa(p) {
        pa.pa_proplist_sets(list, PA_PROP_APPLICATION_NAME, "verminadia");
        pa.pa_proplist_sets(list, PA_PROP_MEDIA_ROLE, "game");
    }
    ~Names() { pa.pa_proplist_free(list); }
    Names(const Names&) = delete;
    Names& operator=(const Names&) = delete;
};

}  // namespace

OutputStream::~OutputStream() { close(); }

bool OutputStream::open(Client& client, std::string& error) {
    close();
    pa_ = pulse(error);
    if (!pa_) {
        error = "no sound server: " + error;
        return false;
    }
    const Pulse& pa = *pa_;
    client_ = &client;
    failed_ = false;
    loop_ = pa.pa_threaded_mainloop_new();
    if (!loop_) {
        error = "no sound server: libpulse cannot start";
        return false;
    }
    const Names names(pa);
    context_ = pa.pa_context_new_with_proplist(pa.pa_threaded_mainloop_get_api(loop_), "verminadia", names.list);
    if (!context_) {
        close();
        error = "no sound server: libpulse cannot start";
        return false;
    }
    pa.pa_context_set_state_callback(context_, contextChanged, this);
    pa.pa_threaded_mainloop_lock(loop_);
    bool ok = pa.pa_threaded_mainloop_start(loop_) >= 0 &&
              pa.pa_context_connect(context_, nullptr, PA_CONTEXT_NOFLAGS, nullptr) >= 0;
    for (pa_context_state_t s; ok && (s = pa.pa_context_get_state(context_)) != PA_CONTEXT_READY;) {
        ok = PA_CONTEXT_IS_GOOD(s);
        if (ok) pa.pa_threaded_mainloop_wait(loop_);
    }
    if (ok) {
        const pa_sample_spec format{PA_SAMPLE_FLOAT32NE, kRate, 2};
        // The server holds two periods ahead and asks for one at a time.
        pa_buffer_attr attributes{};
        attributes.maxlength = static_cast<std::uint32_t>(-1);
        attributes.tlength = static_cast<std::uint32_t>(kPeriodBytes * kPeriods);
        attributes.prebuf = static_cast<std::uint32_t>(-1);
        attributes.minreq = static_cast<std::uint32_t>(kPeriodBytes);
        attributes.fragsize = static_cast<std::uint32_t>(-1);
        stream_ = pa.pa_stream_new_with_proplist(context_, "game", &format, nullptr, names.list);
        ok = stream_ != nullptr;
        if (ok) {
            pa.pa_stream_set_state_callback(stream_, streamChanged, this);
            pa.pa_stream_set_write_callback(stream_, wanted, this);
            // No timing updates: nothing here asks the stream's position, and each would wake the loop.
            ok = pa.pa_stream_connect_playback(stream_, nullptr, &attributes, PA_STREAM_ADJUST_LATENCY, nullptr,
                                               nullptr) >= 0;
        }
        for (pa_stream_state_t s; ok && (s = pa.pa_stream_get_state(stream_)) != PA_STREAM_READY;) {
            ok = PA_STREAM_IS_GOOD(s);
            if (ok) pa.pa_threaded_mainloop_wait(loop_);
        }
    }
    running_ = ok;
    if (!ok)
        error =
            std::string("no sound server: PulseAudio says \"") + pa.pa_strerror(pa.pa_context_errno(context_)) + "\"";
    pa.pa_threaded_mainloop_unlock(loop_);
    if (!ok) close();
    return ok;
}

// The loop's thread, under its lock, from here to broken().
void OutputStream::contextChanged(pa_context* context, void* data) {
    auto* self = static_cast<OutputStream*>(data);
    if (!PA_CONTEXT_IS_GOOD(self->pa_->pa_context_get_state(context))) self->broken();
    self->pa_->pa_threaded_mainloop_signal(self->loop_, 0);
}

void OutputStream::streamChanged(pa_stream* stream, void* data) {
    auto* self = static_cast<OutputStream*>(data);
    if (!PA_STREAM_IS_GOOD(self->pa_->pa_stream_get_state(stream))) self->broken();
    self->pa_->pa_threaded_mainloop_signal(self->loop_, 0);
}

// The audio thread: the server wants `bytes` more; they are made a period at a time.
void OutputStream::wanted(pa_stream* stream, std::size_t bytes, void* data) {
    auto* self = static_cast<OutputStream*>(data);
    while (bytes >= kFrameBytes && !self->failed_) {
        const std::size_t frames = std::min<std::size_t>(bytes / kFrameBytes, kPeriodSize);
        self->client_->period(self->left_.data(), self->right_.data(), static_cast<int>(frames));
        for (std::size_t i = 0; i < frames; ++i) {
            self->frames_[2 * i] = self->left_[i];
            self->frames_[2 * i + 1] = self->right_[i];
        }
        if (self->pa_->pa_stream_write(stream, self->frames_.data(), frames * kFrameBytes, nullptr, 0,
                                       PA_SEEK_RELATIVE) < 0) {
            self->broken();
            return;
        }
        bytes -= frames * kFrameBytes;
    }
}

// The server went away, or the stream broke: said once, and only for a stream that was open.
void OutputStream::broken() {
    if (!running_ || failed_) return;
    failed_ = true;
    client_->failed();
}

void OutputStream::close() {
    if (!loop_) return;
    pa_->pa_threaded_mainloop_lock(loop_);
    running_ = false;
    if (stream_) {
        pa_->pa_stream_set_state_callback(stream_, nullptr, nullptr);
        pa_->pa_stream_set_write_callback(stream_, nullptr, nullptr);
        pa_->pa_stream_disconnect(stream_);
        pa_->pa_stream_unref(stream_);
        stream_ = nullptr;
    }
    if (context_) {
        pa_->pa_context_set_state_callback(context_, nullptr, nullptr);
        pa_->pa_context_disconnect(context_);
        pa_->pa_context_unref(context_);
        context_ = nullptr;
    }
    pa_->pa_threaded_mainloop_unlock(loop_);
    // Joins the loop's thread, which waits on the server's socket and nothing else: a server that
    // stopped answering cannot keep it.
    pa_->pa_threaded_mainloop_stop(loop_);
    pa_->pa_threaded_mainloop_free(loop_);
    loop_ = nullptr;
}

double OutputStream::bufferSeconds() const { return static_cast<double>(kPeriodSize) * kPeriods / kRate; }

}  // namespace verminadia::audio
