#pragma once
// The mix's gain structure: how loud each kind of sound is made before the master bus, so that
// the themes sit at about -20 dBFS RMS, the effects a few dB above them, and the sum never clips.
// The figures come from `verminadia-audio-bench levels`; bench/audio/README.md has them.

namespace verminadia::audio {

// FluidSynth's own default gain, 0.2, is made for a synthesiser mixed further down the line: it
// left the themes at -31 dBFS. At 1.0 the quietest theme is at -19.4 dBFS.
inline constexpr double kSynthGain = 1.0;
// The effects are normalised to a peak of -1 dBFS; at this gain most sit 2 to 4 dB above the
// themes and their peaks stay under the limiter's ceiling when heard alone.
inline constexpr float kClipGain = 0.9f;
// The master bus's soft limiter: nothing leaves the mixer above -1 dBFS, so that the server's
// conversion and resampling have room.
inline constexpr float kCeiling = 0.891f;
inline constexpr double kThemeLevel = -20.0;  // dBFS RMS over a loop

// Each tune has its own level in dB as well (never above 0), so that it plays at kThemeLevel with
// the others: the tunes were written at levels up to 14 dB apart. Within a tune, its parts keep
// the balance they were written with. The levels are in the sound table, music/sounds.tsv (the
// game's players carry them as PlayerDef::levelDb); the title's shots, which play alone, stay at 0.

}  // namespace verminadia::audio
