#pragma once
// The game's players in the browser, through Web Audio: the soundtrack as the desktop build renders
// it (the tunes at their levels, the effects at the effects' gain), with the desktop's play, stop
// and seek semantics and its limiter on the sum.
//
// Browsers let a page sound only after a gesture. Until then every player keeps its position on the
// clock as if heard, so that once the page may sound, what plays picks up where the game stands.
// Each file is fetched the first time it must sound, never before.

#include <array>
#include <emscripten/val.h>
#include <functional>

#include "core/sound.h"

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
    void setMuted(bool muted);
    bool muted() const { return muted_; }

    // A file fetched, decoded, or one that could not be had: for the page's bindings.
    emscripten::val decode(const emscripten::val& bytes);
    void decoded(Player p, const emscripten::val& buffer);
    void failed(Player p, const emscripten::val& error);
    void running();

private:
    struct Track {
        emscripten::val buffer = emscripten::val::undefined();
        emscripten::val source = emscripten::val::undefined();  // sounding now
        emscripten::val gain = emscripten::val::undefined();    // its level, into the bus
        bool fetching = false;
        bool unplayable = false;  // its file could not be had: it stays silent
        bool playing = false;
        double offset = 0;  // seconds into the file when it last started or stopped
        double since = 0;   // the clock when it last started
    };

    double clock(Player p) const;
    double position(Player p) const;
    bool ended(Player p) const;
    void sound(Player p);
    void silence(Track& t);
    void resume();
    void fetch(Player p);
    Track& track(Player p) { return tracks_[static_cast<std::size_t>(p)]; }

    std::array<Track, kPlayerCount> tracks_{};
    emscripten::val context_ = emscripten::val::undefined();
    emscripten::val bus_ = emscripten::val::undefined();  // the limiter every player feeds
    std::function<void()> started_;
    bool muted_ = false;
    double mutedAt_ = 0;     // the page's time when muted
    double mutedTotal_ = 0;  // seconds spent muted, which the tunes' clock leaves out
};

}  // namespace verminadia::web
