#pragma once
// One software mixer for all the game's players: waveform clips and MIDI tunes rendered by one
// FluidSynth synthesiser, summed into one stereo stream. Each tune is read by its own FluidSynth
// player, clocked by a silent synthesiser of its own, and its channel messages go to its own 16
// channels of the shared one: a stop or a rewind then touches only its own notes.
//
// Threads: play/stop/seekToStart/beep come from the UI thread and only flip state under a short
// lock. render() runs on the audio thread and asks nothing of the heap or the disk: each tune
// keeps a second player of itself, parsed in advance, and a rewind swaps it in; the mixer's own
// loader thread then remakes the played one. The loading calls (setClip, setMidi, loadSoundFont,
// setBeep, setLevel) run on a loader thread and do their slow work before taking the lock.
//
// Levels (levels.h): MIDI at kSynthGain with each tune's own level, clips at kClipGain, and the
// sum through a limiter whose ceiling is kCeiling. Silence is free: once no voice sounds and the
// reverb's tail has died away, FluidSynth is not run at all.

#include <condition_variable>
#include <cstddef>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "audio/clip.h"

namespace verminadia::audio {

class Mixer {
public:
    explicit Mixer(std::size_t players);
    ~Mixer();
    Mixer(const Mixer&) = delete;
    Mixer& operator=(const Mixer&) = delete;

    // Loading. A player without a sound stays silent, whatever it is told.
    void setClip(std::size_t player, Clip clip);
    // `bytes` must have passed checkMidi(). Up to 16 MIDI players; each gets 16 channels of the
    // one synthesiser, so their programs and controllers never meet. Tunes belong before the
    // SoundFont: one set later reads its instruments while the synthesiser plays, and the audio
    // thread may then wait on FluidSynth's own lock.
    bool setMidi(std::size_t player, std::vector<unsigned char> bytes, std::string& error);
    bool setMidi(std::size_t player, std::vector<unsigned char> bytes);
    // Builds the synthesiser, with every instrument the tunes choose read and pinned in memory;
    // MIDI players told to play meanwhile start from their beginning.
    bool loadSoundFont(const std::string& path, std::string& error);
    void setBeep(Clip clip);
    // A player's own level in dB, at most 0: for a tune, its 16 channels are attenuated alike, so
    // that its parts keep their balance; for a clip, its samples are scaled.
    void setLevel(std::size_t player, double dB);

    // Commands, as the game's players promise them.
    void play(std::size_t player);         // from the position; at the end, from the start
    void stop(std::size_t player);         // keeps the position
    void seekToStart(std::size_t player);  // back to the start, stopped
    void beep();

    bool playing(std::size_t player) const;

    // Muted, nothing is rendered and nothing moves on: the audio thread only writes zeros. Unmuted,
    // every tune that is playing goes on from where it stood; a clip goes on where it would be by
    // now, so that an effect played while muted is not saved for later. Both with a 1.5 ms fade.
    void setMuted(bool muted);
    bool muted() const;
    // A player is playing and the mix is not muted: the stream has something to carry.
    bool wantsOutput() const;

    // Writes `frames` frames of the mix into the two channel buffers. False when they are silence
    // and nothing is left to come: no player plays and the synthesiser's tail is over.
    bool render(float* left, float* right, int frames);

    // Frames FluidSynth has synthesised so far: what silence must not cost. For tests and measurements.
    long synthesizedFrames() const;
    // Waits (five seconds at most) until every rewound tune has its fresh player back. For
    // rendering faster than real time, as the tests do, where the loader would lag behind.
    void waitUntilRemade();

private:
    struct Slot;
    struct Synth;
    bool renderBlock(float* left, float* right, int frames);
    bool synthesize(float* left, float* right, int frames, bool tunesPlaying);
    void limit(float* left, float* right, int frames);
    void releaseNotes(const Slot& slot);
    void rewind(Slot& slot);
    void remakePlayed();

    mutable std::mutex lock_;                   // the UI, audio and loader threads
    std::condition_variable played_;            // a tune has played: the loader remakes its player
    std::condition_variable remade_;            // the loader handed a player back
    std::vector<std::unique_ptr<Slot>> slots_;  // the players, then the beep
    std::unique_ptr<Synth> synth_;
    bool closing_ = false;
    int tail_ = 0;  // frames of the reverb's tail still to render
    long synthesized_ = 0;
    float limiterGain_ = 1.0f;  // the master bus's gain, below 1 only while it limits
    bool muted_ = false;
    bool mutedOut_ = false;  // the fade out is done: nothing is rendered

    std::mutex loading_;  // one loading call at a time, so that tunes and SoundFont meet once
    int midiBlocks_ = 0;  // under loading_
    std::thread loader_;  // remakes played tunes; started with the first tune
};

}  // namespace verminadia::audio
