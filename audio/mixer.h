#pragma once
// One software mixer for all the game's players: waveform clips and tunes rendered at build time,
// summed into one stereo stream through a limiter.
//
// Threads: play/stop/seekToStart/beep come from the UI thread and only flip state under a short
// lock. render() runs on the audio thread and asks nothing of the heap or the disk: the tracks
// are decoded ahead of it by the mixer's own decoder thread. The loading calls (setClip,
// setTrack, setBeep, setLevel) run on a loader thread and do their slow work before taking the lock.
//
// Levels (levels.h): clips at kClipGain with each player's own level, and the sum through a
// limiter whose ceiling is kCeiling. The build's renderer adds its MIDI synthesiser through the
// protected hooks below (render/midi_mixer.h); the game has none.

#include <condition_variable>
#include <cstddef>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "audio/clip.h"
#include "audio/track.h"

namespace verminadia::audio {

inline constexpr int kBlock = 64;  // the mix is made, and limited, in blocks of this many frames

class Mixer {
public:
    explicit Mixer(std::size_t players);
    virtual ~Mixer();
    Mixer(const Mixer&) = delete;
    Mixer& operator=(const Mixer&) = delete;

    // Loading. A player without a sound stays silent, whatever it is told.
    void setClip(std::size_t player, Clip clip);
    // A tune rendered at build time (Ogg Vorbis, at its own level already): kept compressed and
    // decoded ahead of the audio thread on the mixer's decoder thread.
    bool setTrack(std::size_t player, std::vector<unsigned char> bytes, std::string& error);
    void setBeep(Clip clip);
    // A player's own level in dB, at most 0.
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
    // and nothing is left to come: no player plays and no synthesiser's tail is left.
    bool render(float* left, float* right, int frames);

    // Waits (five seconds at most) until every track is decoded as far ahead as its ring holds.
    void waitUntilDecoded();

protected:
    // For a mixer that synthesises players of its own as it renders. Each hook runs under lock();
    // `playing` is the player's flag as it was.
    virtual bool synthesizes(std::size_t /*player*/) const { return false; }
    virtual void playSynthesized(std::size_t /*player*/, bool /*playing*/) {}
    virtual void stopSynthesized(std::size_t /*player*/, bool /*playing*/) {}
    virtual void rewindSynthesized(std::size_t /*player*/) {}
    virtual void levelSynthesized(std::size_t /*player*/, double /*dB*/) {}
    // Moves the synthesised players on by one block and writes their sound (zeros when there is
    // none). False when it wrote zeros and no tail is left to come.
    virtual bool synthesize(float* left, float* right, int frames);

    std::mutex& lock() const { return lock_; }
    bool& playingFlag(std::size_t player);  // under lock()

private:
    struct Slot;
    bool renderBlock(float* left, float* right, int frames);
    void limit(float* left, float* right, int frames);
    static void rewindTrack(Slot& slot);
    void decodeTracks();

    mutable std::mutex lock_;                   // the UI, audio and loader threads
    std::vector<std::unique_ptr<Slot>> slots_;  // the players, then the beep
    bool closing_ = false;
    bool synthSounding_ = false;  // the last block's synthesis sounded, or has a tail to come
    float limiterGain_ = 1.0f;    // the master bus's gain, below 1 only while it limits
    bool muted_ = false;
    bool mutedOut_ = false;  // the fade out is done: nothing is rendered

    std::condition_variable trackMoved_;  // a track was played or rewound: the decoder looks
    std::thread decoder_;                 // decodes the tracks ahead; started with the first
    std::condition_variable decoded_;     // the decoder has nothing more to do for now
    long decodeAsked_ = 0, decodeDone_ = 0;
};

}  // namespace verminadia::audio
