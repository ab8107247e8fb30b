#pragma once
// What the mixer needs from FluidSynth beyond its synthesiser: its complaints in the game's own
// words, and a way to tell a playable MIDI file from a damaged one before the game wants to hear it.

#include <span>
#include <string>
#include <string_view>

namespace verminadia::audio {

// Sends FluidSynth's log to us. While a thread holds a FluidSynthMessages, FluidSynth's errors on
// that thread become the reason in the game's own one-line message; any other error is printed
// on standard error once, however often it repeats. Warnings and chatter are dropped.
void routeFluidSynthLog();

class FluidSynthMessages {
public:
    FluidSynthMessages();
    ~FluidSynthMessages();
    FluidSynthMessages(const FluidSynthMessages&) = delete;
    FluidSynthMessages& operator=(const FluidSynthMessages&) = delete;

    int errors() const { return errors_; }
    // `ours`, followed by what FluidSynth said first, if it said anything.
    std::string reason(std::string_view ours) const;

private:
    friend void collect(FluidSynthMessages& to, const char* message);
    FluidSynthMessages* outer_;
    int errors_ = 0;
    std::string first_;
};

// Parses the bytes with FluidSynth's own file reader, on a scratch synthesiser without a
// SoundFont. False for empty, truncated or foreign data and for a sequence without events.
bool checkMidi(std::span<const unsigned char> bytes, std::string& error);

}  // namespace verminadia::audio
