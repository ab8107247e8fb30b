#pragma once
// The game's players in the browser, through Web Audio: the soundtrack as the desktop build renders
// it (the tunes at their levels, the effects at the effects' gain), with the desktop's play, stop
// and seek semantics and its limiter on the sum.
//
// Browsers let a page sound only after a gesture. Until then every player keeps its position on the
// clock as if heard, so that once the page may sound, what plays picks up where the game stands.
// Each file is fetched the first time it must sound, never before.
//
// Web Audio holds a decoded sound as 32-bit samples, forty times its compressed size: a minute of
// tune is 20 MB. So a long tune stays decoded only while it can sound. Once the game stops it (a
// loop's rewind is not a stop: it plays again at the next tick), once it has played out with no
// loop to play it again, or while muted, its decoded samples go and only its compressed bytes are
// kept; its next play decodes them again and starts where its own clock then says, as the first
// play after a gesture does. Decoding from bytes in memory rather than streaming each tune through
// an audio element keeps one clock, sample-exact starts and seeks, and the service worker's
// cached files whole (an element asks for ranges, which a cache of whole responses does not
// answer offline). The effects and the title's shots stay decoded: they are small and must start
// on their tick.

#include <array>
#include <emscripten/val.h>
#include <functional>

#include "core/sound.h"
#include "frontend/sound/player_clocks.h"

namespace verminadia::web {

class WebAudioOutput final : public SoundOutput {
public:
    void play(Player p) override;
    void stop(Player p) override;
    void seekToStart(Player p) override;
    void beep() override;

    // A key, click or tap: the browser may now let the page sound. `started` runs once it does.
    void allow(std::function<void()> started);
    bool allowed() const { return !context_.isUndefined(); }
    // Muted, nothing sounds and no tune moves on; unmuted, each goes on from where it stood, and an
    // effect where it would be by now.
    void setMuted(bool muted) override;
    bool muted() const { return clocks_.muted(); }

    // A file fetched, decoded, played out, or one that could not be had: for the page's bindings.
    void fetched(Player p, const emscripten::val& bytes);
    void decoded(Player p, const emscripten::val& buffer);
    void playedOut(Player p, const emscripten::val& source);
    void failed(Player p, const emscripten::val& error);
    void running();
    // The players whose sound is decoded now, by file: for the tests.
    emscripten::val decodedFiles() const;

private:
    struct Track {
        emscripten::val bytes = emscripten::val::undefined();   // the file as fetched, to decode again
        emscripten::val buffer = emscripten::val::undefined();  // decoded, while it can sound
        emscripten::val source = emscripten::val::undefined();  // sounding now
        emscripten::val gain = emscripten::val::undefined();    // its level, into the bus
        bool pending = false;                                   // being fetched or decoded
        bool unplayable = false;                                // its file could not be had: it stays silent
    };

    void sound(Player p);
    void silence(Track& t);
    void release(Player p);
    void resume();
    void load(Player p);
    void decode(Player p);
    Track& track(Player p) { return tracks_[static_cast<std::size_t>(p)]; }

    std::array<Track, kPlayerCount> tracks_{};
    emscripten::val context_ = emscripten::val::undefined();
    emscripten::val bus_ = emscripten::val::undefined();  // the limiter every player feeds
    std::function<void()> started_;
    frontend::PlayerClocks clocks_;  // on the page's clock
};

}  // namespace verminadia::web
