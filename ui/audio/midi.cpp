#include "ui/audio/midi.h"

#include <fluidsynth.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <functional>
#include <mutex>

#include "ui/audio/sequence.h"

namespace verminadia::audio {

namespace {

thread_local FluidSynthMessages* collecting = nullptr;
thread_local void (*errorHandler)(void*) = nullptr;
thread_local void* errorHandlerData = nullptr;

// The errors already printed, by their text; a full table prints the rest rather than drop them.
std::mutex printedLock;
std::array<std::size_t, 64> printed{};
std::size_t printedCount = 0;

bool firstTime(std::string_view message) {
    const std::size_t key = std::hash<std::string_view>{}(message);
    std::lock_guard guard(printedLock);
    const auto end = printed.begin() + static_cast<std::ptrdiff_t>(printedCount);
    if (std::find(printed.begin(), end, key) != end) return false;
    if (printedCount < printed.size()) printed[printedCount++] = key;
    return true;
}

void log(int level, const char* message, void*) {
    if (level > FLUID_ERR || !message) return;
    if (collecting) {
        collect(*collecting, message);
        return;
    }
    if (errorHandler) {
        errorHandler(errorHandlerData);
        return;
    }
    if (firstTime(message)) std::fprintf(stderr, "verminadia: FluidSynth: %s\n", message);
}

}  // namespace

void collect(FluidSynthMessages& to, const char* message) {
    if (to.errors_++ == 0) to.first_ = message;
}

void routeFluidSynthLog() {
    static std::once_flag once;
    std::call_once(once, [] {
        for (int level : {FLUID_PANIC, FLUID_ERR, FLUID_WARN, FLUID_INFO, FLUID_DBG})
            fluid_set_log_function(level, log, nullptr);
    });
}

void onFluidSynthErrors(void (*handler)(void*), void* data) {
    errorHandler = handler;
    errorHandlerData = data;
}

FluidSynthMessages::FluidSynthMessages() : outer_(collecting) {
    routeFluidSynthLog();
    collecting = this;
}

FluidSynthMessages::~FluidSynthMessages() { collecting = outer_; }

std::string FluidSynthMessages::reason(std::string_view ours) const {
    std::string r(ours);
    if (errors_ > 0) r += ": FluidSynth says \"" + first_ + "\"";
    return r;
}

bool checkMidi(std::span<const unsigned char> bytes, std::string& error) {
    if (bytes.empty()) {
        error = "the file is empty";
        return false;
    }
    // FluidSynth reads a file cut short as far as it goes and says so only in its log.
    FluidSynthMessages messages;
    std::string why = "not a playable MIDI file";
    if (Sequence::make(bytes, why) && messages.errors() == 0) return true;
    error = messages.reason(why);
    return false;
}

}  // namespace verminadia::audio
