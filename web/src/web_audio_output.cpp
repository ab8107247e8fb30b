#include "web/src/web_audio_output.h"

#include <algorithm>
#include <cmath>
#include <emscripten/bind.h>
#include <iostream>
#include <string>
#include <utility>

#include "audio/levels.h"

namespace verminadia::web {

using emscripten::val;

namespace {

WebAudioOutput* theOutput = nullptr;

// The sounds' folder in the page's static folder; the names are the desktop's, so escaped.
std::string soundUrl(Player p) {
    const std::string_view file = kPlayers[static_cast<std::size_t>(p)].played;
    return "sounds/" + val::global("encodeURIComponent")(val(std::string(file))).as<std::string>();
}

val bound(const char* function, Player p) {
    return val::module_property(function).call<val>("bind", val::null(), val(static_cast<int>(p)));
}

double seconds() { return val::global("performance").call<double>("now") / 1000.0; }

// The tunes are rendered at their own levels; an effect plays at the effects' gain with its own.
double gainOf(Player p) {
    const double levelDb = std::min(kPlayers[static_cast<std::size_t>(p)].levelDb, 0.0);
    return frontend::isEffect(p) ? audio::kClipGain * std::pow(10.0, levelDb / 20.0) : 1.0;
}

// The page's bindings for the fetch's promises.
val soundResponse(const val& response) {
    if (response["ok"].as<bool>()) return response.call<val>("arrayBuffer");
    return val::global("Promise").call<val>("reject", val("HTTP " + std::to_string(response["status"].as<int>())));
}

void soundFetched(int player, const val& bytes) {
    if (theOutput) theOutput->fetched(Player{static_cast<std::uint8_t>(player)}, bytes);
}

void soundDecoded(int player, const val& buffer) {
    if (theOutput) theOutput->decoded(Player{static_cast<std::uint8_t>(player)}, buffer);
}

void soundPlayedOut(int player, const val& event) {
    if (theOutput) theOutput->playedOut(Player{static_cast<std::uint8_t>(player)}, event["target"]);
}

void soundFailed(int player, const val& error) {
    if (theOutput) theOutput->failed(Player{static_cast<std::uint8_t>(player)}, error);
}

void soundRunning(const val&) { theOutput->running(); }

val decodedSounds() { return theOutput ? theOutput->decodedFiles() : val::array(); }

}  // namespace

void WebAudioOutput::play(Player p) {
    if (clocks_.play(p, seconds())) sound(p);
}

// Stopped, a long tune lets its samples go, rewound by its loop or not.
void WebAudioOutput::stop(Player p) {
    clocks_.stop(p, seconds());
    silence(track(p));
    release(p);
}

void WebAudioOutput::seekToStart(Player p) {
    clocks_.seekToStart(p);
    silence(track(p));
}

void WebAudioOutput::beep() {
    // The desktop's fallback bell: 880 Hz for 0.15 s, with 10 ms edges.
    if (!allowed() || muted()) return;
    const double now = context_["currentTime"].as<double>(), peak = 0.3 * audio::kClipGain;
    val tone = context_.call<val>("createOscillator");
    tone["frequency"].set("value", 880);
    val envelope = context_.call<val>("createGain");
    val level = envelope["gain"];
    level.call<void>("setValueAtTime", 0, now);
    level.call<void>("linearRampToValueAtTime", peak, now + 0.01);
    level.call<void>("setValueAtTime", peak, now + 0.14);
    level.call<void>("linearRampToValueAtTime", 0, now + 0.15);
    tone.call<val>("connect", envelope).call<val>("connect", bus_);
    tone.call<void>("start", now);
    tone.call<void>("stop", now + 0.15);
}

void WebAudioOutput::allow(std::function<void()> started) {
    theOutput = this;
    if (allowed()) {
        // A touch's first press may not count as a gesture; its release does.
        if (context_["state"].as<std::string>() != "running") resume();
        return;
    }
    const val constructor = val::global("AudioContext");
    if (constructor.isUndefined()) return;  // a browser without Web Audio stays silent
    started_ = std::move(started);
    context_ = constructor.new_();
    // The master bus's limiter: nothing leaves above the desktop's ceiling.
    bus_ = context_.call<val>("createDynamicsCompressor");
    bus_["threshold"].set("value", 20.0 * std::log10(audio::kCeiling));
    bus_["knee"].set("value", 0);
    bus_["ratio"].set("value", 20);
    bus_["attack"].set("value", 0.001);
    bus_["release"].set("value", 0.05);
    bus_.call<val>("connect", context_["destination"]);
    for (const PlayerDef& d : kPlayers) {
        Track& t = track(d.id);
        t.gain = context_.call<val>("createGain");
        t.gain["gain"].set("value", gainOf(d.id));
        t.gain.call<val>("connect", bus_);
    }
    resume();
    for (const PlayerDef& d : kPlayers) sound(d.id);
}

void WebAudioOutput::resume() {
    context_.call<val>("resume").call<void>("then", val::module_property("verminadiaSoundRunning"));
}

void WebAudioOutput::running() {
    if (started_ && context_["state"].as<std::string>() == "running") std::exchange(started_, nullptr)();
}

void WebAudioOutput::setMuted(bool muted) {
    if (muted == clocks_.muted()) return;
    clocks_.setMuted(muted, seconds());
    for (const PlayerDef& d : kPlayers) {
        if (muted) {
            silence(track(d.id));
            release(d.id);
        } else {
            sound(d.id);
        }
    }
}

// Starts what should be sounding now, where the clock says it stands: decoded first if need be.
void WebAudioOutput::sound(Player p) {
    Track& t = track(p);
    if (!clocks_.playing(p) || !allowed() || muted() || t.unplayable) return;
    if (t.buffer.isUndefined()) return load(p);
    silence(t);
    if (clocks_.ended(p, seconds())) return;
    t.source = context_.call<val>("createBufferSource");
    t.source.set("buffer", t.buffer);
    t.source.set("onended", bound("verminadiaSoundPlayedOut", p));
    t.source.call<val>("connect", t.gain);
    t.source.call<void>("start", 0, clocks_.position(p, seconds()));
}

void WebAudioOutput::silence(Track& t) {
    if (t.source.isUndefined()) return;
    t.source.call<void>("stop");
    t.source.call<void>("disconnect");
    t.source = val::undefined();
}

// A long tune's samples go; its bytes stay, to be decoded again when it next plays.
void WebAudioOutput::release(Player p) {
    Track& t = track(p);
    if (t.buffer.isUndefined() || frontend::staysDecoded(p, clocks_.duration(p))) return;
    silence(t);
    t.buffer = val::undefined();
}

// Decodes the player's file, fetched first the first time.
void WebAudioOutput::load(Player p) {
    Track& t = track(p);
    if (t.pending) return;
    t.pending = true;
    if (!t.bytes.isUndefined()) return decode(p);
    val::global("fetch")(val(soundUrl(p)))
        .call<val>("then", val::module_property("verminadiaSoundResponse"))
        .call<val>("then", bound("verminadiaSoundFetched", p))
        .call<void>("catch", bound("verminadiaSoundFailed", p));
}

void WebAudioOutput::fetched(Player p, const val& bytes) {
    track(p).bytes = bytes;
    decode(p);
}

void WebAudioOutput::decode(Player p) {
    // Decoding takes the bytes it is given away: it gets a copy.
    context_.call<val>("decodeAudioData", track(p).bytes.call<val>("slice", 0))
        .call<val>("then", bound("verminadiaSoundDecoded", p))
        .call<void>("catch", bound("verminadiaSoundFailed", p));
}

void WebAudioOutput::decoded(Player p, const val& buffer) {
    Track& t = track(p);
    t.pending = false;
    clocks_.setDuration(p, buffer["duration"].as<double>());
    if (frontend::staysDecoded(p, clocks_.duration(p))) {
        t.bytes = val::undefined();
    } else if (!clocks_.playing(p) || muted()) {
        return;  // stopped or muted while it was decoded: nothing is kept but the bytes
    }
    t.buffer = buffer;
    sound(p);
}

// Only the source now sounding can have played out; one silenced since is no longer the track's.
// A tune with a loop keeps its samples for the loop's next play; any other lets them go.
void WebAudioOutput::playedOut(Player p, const val& source) {
    Track& t = track(p);
    if (t.source.isUndefined() || !source.strictlyEquals(t.source)) return;
    t.source.call<void>("disconnect");
    t.source = val::undefined();
    if (def(p).loopTicks == 0) release(p);
}

val WebAudioOutput::decodedFiles() const {
    val files = val::array();
    for (const PlayerDef& d : kPlayers) {
        if (!tracks_[static_cast<std::size_t>(d.id)].buffer.isUndefined()) {
            files.call<void>("push", val(std::string(d.played)));
        }
    }
    return files;
}

void WebAudioOutput::failed(Player p, const val& error) {
    Track& t = track(p);
    t.pending = false;
    t.unplayable = true;
    std::cerr << "verminadia: cannot play " << soundUrl(p) << " (" << val::global("String")(error).as<std::string>()
              << "): that player stays silent\n";
}

}  // namespace verminadia::web

EMSCRIPTEN_BINDINGS(verminadia_sound) {
    emscripten::function("verminadiaSoundResponse", &verminadia::web::soundResponse);
    emscripten::function("verminadiaSoundFetched", &verminadia::web::soundFetched);
    emscripten::function("verminadiaSoundDecoded", &verminadia::web::soundDecoded);
    emscripten::function("verminadiaSoundPlayedOut", &verminadia::web::soundPlayedOut);
    emscripten::function("verminadiaSoundFailed", &verminadia::web::soundFailed);
    emscripten::function("verminadiaSoundRunning", &verminadia::web::soundRunning);
    emscripten::function("verminadiaDecodedSounds", &verminadia::web::decodedSounds);
}
