#pragma once
// What the mixer needs from FluidSynth beyond its synthesiser: a quiet library and a way to
// tell a playable MIDI file from a damaged one before the game wants to hear it.

#include <span>
#include <string>

namespace verminadia::audio {

// FluidSynth prints its own complaints on standard error; the game says one line per fault itself.
void silenceFluidSynth();

// Parses the bytes with FluidSynth's own file reader, on a scratch synthesiser without a
// SoundFont. False for empty, truncated or foreign data and for a sequence without events.
bool checkMidi(std::span<const unsigned char> bytes, std::string& error);

}  // namespace verminadia::audio
