#pragma once
// libsndfile and libpulse are opened when the first sound needs them, not with the program:
// loading them and the dozen libraries they bring would cost the first frame a sixth of its time,
// and the first sound is a good while after it. Each is opened once, kept open, and safe to ask
// for from any thread. Null, with the reason, when the library cannot be opened or lacks one of
// the functions: that part of the sound then stays silent.

#include <pulse/context.h>
#include <pulse/error.h>
#include <pulse/proplist.h>
#include <pulse/stream.h>
#include <pulse/thread-mainloop.h>
#include <string>

#include <sndfile.h>

namespace verminadia::audio {

// The functions the game calls, each named once.
#define VERMINADIA_SNDFILE_FUNCTIONS(F) \
    F(sf_open_virtual)                  \
    F(sf_close)                         \
    F(sf_error)                         \
    F(sf_strerror)                      \
    F(sf_command)                       \
    F(sf_seek)                          \
    F(sf_readf_short)                   \
    F(sf_readf_float)

#define VERMINADIA_PULSE_FUNCTIONS(F) \
    F(pa_threaded_mainloop_new)       \
    F(pa_threaded_mainloop_free)      \
    F(pa_threaded_mainloop_start)     \
    F(pa_threaded_mainloop_stop)      \
    F(pa_threaded_mainloop_lock)      \
    F(pa_threaded_mainloop_unlock)    \
    F(pa_threaded_mainloop_wait)      \
    F(pa_threaded_mainloop_signal)    \
    F(pa_threaded_mainloop_get_api)   \
    F(pa_proplist_new)                \
    F(pa_proplist_free)               \
    F(pa_proplist_sets)               \
    F(pa_context_new_with_proplist)   \
    F(pa_context_set_state_callback)  \
    F(pa_context_connect)             \
    F(pa_context_get_state)           \
    F(pa_context_errno)               \
    F(pa_context_disconnect)          \
    F(pa_context_unref)               \
    F(pa_stream_new_with_proplist)    \
    F(pa_stream_set_state_callback)   \
    F(pa_stream_set_write_callback)   \
    F(pa_stream_connect_playback)     \
    F(pa_stream_get_state)            \
    F(pa_stream_write)                \
    F(pa_stream_disconnect)           \
    F(pa_stream_unref)                \
    F(pa_strerror)

// A declaration, which parentheses around the name would break.
#define VERMINADIA_FUNCTION_POINTER(name) decltype(&::name) name = nullptr;  // NOLINT(bugprone-macro-parentheses)
struct Sndfile {
    VERMINADIA_SNDFILE_FUNCTIONS(VERMINADIA_FUNCTION_POINTER)
};
struct Pulse {
    VERMINADIA_PULSE_FUNCTIONS(VERMINADIA_FUNCTION_POINTER)
};
#undef VERMINADIA_FUNCTION_POINTER

const Sndfile* sndfile(std::string& error);
const Pulse* pulse(std::string& error);

// One library of the system's, opened for good.
class SystemLibrary {
public:
    explicit SystemLibrary(const char* soname);
    // Looks `name` up and keeps its address in `function`; after the first failure, nothing more.
    template <class F>
    void find(F*& function, const char* name) {
        function = reinterpret_cast<F*>(address(name));
    }
    // Empty while all is well; otherwise one line naming the library and what went wrong.
    const std::string& error() const { return error_; }

private:
    void* address(const char* name);
    void* handle_ = nullptr;
    std::string soname_;
    std::string error_;
};

}  // namespace verminadia::audio
