#pragma once
// One MIDI tune made ready off the audio thread: FluidSynth's player of it, with the file already
// parsed and the events of its first block already read, clocked by a silent synthesiser of its
// own whose samples only count time. From there, playing it asks nothing of the heap or the disk.

#include <array>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include <fluidsynth.h>

#include "audio/mixer.h"

namespace verminadia::audio {

// kBlock (the mixer's block) is FluidSynth's own too: events take effect between blocks.

// Where a sequence's channel messages go: its own block of 16 channels of the shared synthesiser.
struct Route {
    fluid_synth_t* synth = nullptr;  // none until the SoundFont is in: the messages are dropped
    int base = 0;
    float attenuation = 0.0f;  // the tune's own level: centibels off every note of its channels
};

// Sends one channel message to its route; system messages (a GM reset above all) would reach
// every tune's channels and are left out.
int routeEvent(void* route, fluid_midi_event_t* event);

// Sets the route's attenuation on its 16 channels, for the notes sounding and those to come.
void applyLevel(const Route& route);

class Sequence {
public:
    // Parses the MIDI file in `bytes` and reads its first block. Null, with the reason, when
    // FluidSynth cannot make it or the file has nothing to play.
    static std::unique_ptr<Sequence> make(std::span<const unsigned char> bytes, std::string& error);
    ~Sequence();
    Sequence(const Sequence&) = delete;
    Sequence& operator=(const Sequence&) = delete;

    // Back before the first event, for a sequence that has played: a fresh player of the same
    // bytes on the same clock. FluidSynth's own seek to 0 would skip the notes that start at 0,
    // and a tune's first chord is there.
    bool remake(std::span<const unsigned char> bytes, std::string& error);

    // Audio thread. The first call sends the events read in advance; each further one moves the
    // clock on by `frames` (at most kBlock) and sends the events that fall within. False when the
    // clock cannot move.
    bool advance(int frames);
    bool started() const { return started_; }
    // Stop and play again where it stopped, as FluidSynth's own player does. A sequence that
    // has not started has nothing to stop: FluidSynth's stop marks its position, and a player
    // still before its first event would then skip the notes that start there.
    void pause();
    void resume();
    // Past its last event. FluidSynth lets a finished file run on for a while; the game hears the
    // end at the last event, so that a play right after it starts the tune again.
    bool ended() const;

    Route route;

private:
    Sequence() = default;
    bool makePlayer(std::span<const unsigned char> bytes, std::string& error);
    static int recordFirst(void* data, fluid_midi_event_t* event);

    fluid_settings_t* settings_ = nullptr;
    fluid_synth_t* clock_ = nullptr;
    fluid_player_t* player_ = nullptr;
    std::vector<fluid_midi_event_t*> first_;  // the first block's events, in the player's own tracks
    int lastTick_ = 0;
    bool started_ = false;
    std::array<float, std::size_t{2} * kBlock> silence_{};  // where the clock writes
};

// Every channel message of a MIDI file, in order, handed to `each` as FluidSynth's player reads
// them at a thousand times the tune's tempo: the instruments a tune chooses, before it plays.
bool forEachMessage(std::span<const unsigned char> bytes, handle_midi_event_func_t each, void* data,
                    std::string& error);

}  // namespace verminadia::audio
