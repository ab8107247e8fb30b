#pragma once
// The game's mixer with MIDI tunes played live by one FluidSynth synthesiser of 256 channels: the
// build renders each tune through it. Each tune is read by its own FluidSynth player, clocked by a
// silent synthesiser of its own, and its channel messages go to its own 16 channels of the shared
// one: a stop or a rewind then touches only its own notes.
//
// Threads: as the mixer's. Each tune keeps a second player of itself, parsed in advance, and a
// rewind swaps it in; the loader thread then remakes the played one. setMidi and loadSoundFont do
// their slow work before taking the mixer's lock.

#include <condition_variable>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "audio/mixer.h"

namespace verminadia::audio {

class MidiMixer final : public Mixer {
public:
    explicit MidiMixer(std::size_t players);
    ~MidiMixer() override;
    MidiMixer(const MidiMixer&) = delete;
    MidiMixer& operator=(const MidiMixer&) = delete;

    // `bytes` must have passed checkMidi(). Up to 16 MIDI players; each gets 16 channels of the
    // one synthesiser, so their programs and controllers never meet. Tunes belong before the
    // SoundFont: one set later reads its instruments while the synthesiser plays, and the audio
    // thread may then wait on FluidSynth's own lock.
    bool setMidi(std::size_t player, std::vector<unsigned char> bytes, std::string& error);
    bool setMidi(std::size_t player, std::vector<unsigned char> bytes);
    // Builds the synthesiser, with every instrument the tunes choose read and pinned in memory;
    // MIDI players told to play meanwhile start from their beginning.
    bool loadSoundFont(const std::string& path, std::string& error);

    // Frames FluidSynth has synthesised so far: what silence must not cost. For tests and measurements.
    long synthesizedFrames() const;
    // Waits (five seconds at most) until every rewound tune has its fresh player back. For
    // rendering faster than real time, as the tests do, where the loader would lag behind.
    void waitUntilRemade();

private:
    struct Tune;
    struct Synth;
    bool synthesizes(std::size_t player) const override;
    void playSynthesized(std::size_t player, bool playing) override;
    void stopSynthesized(std::size_t player, bool playing) override;
    void rewindSynthesized(std::size_t player) override;
    void levelSynthesized(std::size_t player, double dB) override;
    bool synthesize(float* left, float* right, int frames) override;
    void releaseNotes(const Tune& tune);
    void rewind(Tune& tune);
    void remakePlayed();

    // Under the mixer's lock.
    std::vector<std::unique_ptr<Tune>> tunes_;
    std::unique_ptr<Synth> synth_;
    bool closing_ = false;
    int tail_ = 0;  // frames of the reverb's tail still to render
    long synthesized_ = 0;
    std::condition_variable played_;  // a tune has played: the loader remakes its player
    std::condition_variable remade_;  // the loader handed a player back

    std::mutex loading_;  // one loading call at a time, so that tunes and SoundFont meet once
    int midiBlocks_ = 0;  // under loading_
    std::thread loader_;  // remakes played tunes; started with the first tune
};

}  // namespace verminadia::audio
