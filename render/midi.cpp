#include "render/midi.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <functional>
#include <mutex>

#include <fluidsynth.h>

#include "render/sequence.h"

namespace verminadia::audio {

namespace {

thread_local FluidSynthMessages* collecting = nullptr;

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

namespace {

// Reads a variable-length number at `at`; false when it runs past `end` or over four bytes.
bool readNumber(std::span<const unsigned char> b, std::size_t& at, std::size_t end, std::uint32_t& out) {
    out = 0;
    for (int i = 0; i < 4; ++i) {
        if (at >= end) return false;
        const unsigned char c = b[at++];
        out = (out << 7) | (c & 0x7Fu);
        if ((c & 0x80u) == 0) return true;
    }
    return false;
}

std::uint32_t bigEndian(std::span<const unsigned char> b, std::size_t at, int n) {
    std::uint32_t v = 0;
    for (int i = 0; i < n; ++i) v = (v << 8) | b[at + static_cast<std::size_t>(i)];
    return v;
}

// Two things in a file make FluidSynth's reader spin for ever, so it must never reach them:
// - a chunk other than a track where the header promises one (it skips the chunk by its length
//   and, with a length it reads as negative, steps back onto that length again and again);
// - a data byte where no status came before (running status after none, or after a meta or system
//   exclusive event, which cancel it).
// Returns what is wrong, or null. Anything else amiss (a file cut short) ends the walk and is left
// to FluidSynth, which says what is wrong.
const char* spinsFluidSynth(std::span<const unsigned char> b) {
    const std::uint32_t tracks = bigEndian(b, 10, 2);
    std::size_t at = 14;
    for (std::uint32_t t = 0; t < tracks && b.size() >= at + 8; ++t) {
        if (bigEndian(b, at, 4) != 0x4D54726Bu) return "a chunk that is not a track";
        const std::size_t end = std::min<std::size_t>(b.size(), at + 8 + std::size_t{bigEndian(b, at + 4, 4)});
        unsigned char status = 0;
        for (std::size_t p = at + 8; p < end;) {
            std::uint32_t delta, size;
            if (!readNumber(b, p, end, delta) || p >= end) break;
            if (b[p] & 0x80u) status = b[p++];
            if (status == 0) return "an event without a status";
            if (status == 0xFF && p < end) ++p;  // a meta event's type
            if (status == 0xFF || status == 0xF0 || status == 0xF7) {
                if (!readNumber(b, p, end, size) || size > end - p) break;
                p += size;
                status = 0;
            } else {
                p += (status & 0xE0u) == 0xC0u ? 1 : 2;  // programs and channel pressure take one byte
            }
        }
        at = end;
    }
    return nullptr;
}

}  // namespace

bool checkMidi(std::span<const unsigned char> bytes, std::string& error) {
    if (bytes.empty()) {
        error = "the file is empty";
        return false;
    }
    if (const char* spin = bytes.size() >= 14 ? spinsFluidSynth(bytes) : nullptr) {
        error = std::string("not a playable MIDI file: ") + spin;
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
