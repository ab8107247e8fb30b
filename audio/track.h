#pragma once
// A tune rendered at build time (Ogg Vorbis), played from memory: the compressed bytes stay as
// they are, its first seconds are decoded once, for a start or a rewind without delay, and the
// rest is decoded on the mixer's decoder thread into a ring a few seconds ahead of the audio
// thread. Reading it asks nothing of the heap or the disk; the whole tune decoded would be 12 MB
// a minute.
//
// Threads: make() and decodeAhead() on the decoder's side; the rest under the mixer's lock.

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "audio/memory_file.h"
#include "audio/system_libraries.h"

namespace verminadia::audio {

class Track {
public:
    // Decodes the whole file once, to check it, and keeps its first seconds. Null with the reason
    // for a file that is empty, damaged, cut short or not stereo at the mixer's rate.
    static std::unique_ptr<Track> make(std::vector<unsigned char> bytes, std::string& error);
    ~Track();
    Track(const Track&) = delete;
    Track& operator=(const Track&) = delete;

    long frames() const { return frames_; }

    // Audio thread, under the mixer's lock: adds `count` frames from `from` on to the two
    // channels. A frame the decoder has not reached yet is silence.
    void mix(long from, int count, float* left, float* right);
    // Under the mixer's lock: the next frames to come are the ring's first from now on.
    void rewound();

    // Decoder thread: one step of decoding ahead. `lock` is the mixer's, held on entry and on
    // return, and given up while decoding. False when the ring is full or the tune decoded.
    template <class Lock>
    bool decodeAhead(Lock& lock, long position) {
        const long wanted = want(position);
        if (wanted <= 0) return false;
        const bool restart = restart_;
        const long at = ringEnd_;
        restart_ = false;
        lock.unlock();
        const long got = decode(restart, at, wanted);
        lock.lock();
        if (restart_ || ringEnd_ != at) return true;  // rewound meanwhile: what was decoded is dropped
        store(got);
        return got > 0;
    }

private:
    Track() = default;
    long want(long position);
    long decode(bool restart, long at, long wanted);
    void store(long got);

    std::vector<unsigned char> bytes_;
    MemoryFile memory_;
    const Sndfile* sf_ = nullptr;
    SNDFILE* file_ = nullptr;
    long frames_ = 0;
    std::vector<std::int16_t> head_;  // the first headFrames_, interleaved
    long headFrames_ = 0;
    std::vector<std::int16_t> ring_;  // frames [ringStart_, ringEnd_), each at its index mod ringFrames
    long ringFrames_ = 0;
    long ringStart_ = 0, ringEnd_ = 0;   // under the mixer's lock
    bool restart_ = true;                // under the mixer's lock: the decoder starts again after the head
    std::vector<std::int16_t> decoded_;  // the decoder's own
    long decodePos_ = 0;                 // the decoder's own
};

}  // namespace verminadia::audio
