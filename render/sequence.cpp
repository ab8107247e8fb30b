#include "render/sequence.h"

#include "audio/clip.h"

namespace verminadia::audio {

namespace {

// A silent synthesiser whose samples are a player's clock; false with the reason.
bool makeClock(fluid_settings_t*& settings, fluid_synth_t*& clock, std::string& error) {
    settings = new_fluid_settings();
    if (!settings) {
        error = "FluidSynth cannot make its settings";
        return false;
    }
    if (fluid_settings_setnum(settings, "synth.sample-rate", kRate) != FLUID_OK ||
        fluid_settings_setint(settings, "synth.reverb.active", 0) != FLUID_OK ||
        fluid_settings_setint(settings, "synth.chorus.active", 0) != FLUID_OK ||
        fluid_settings_setint(settings, "synth.polyphony", 1) != FLUID_OK ||
        fluid_settings_setint(settings, "player.reset-synth", 0) != FLUID_OK) {
        error = "FluidSynth refuses the clock's settings";
        return false;
    }
    clock = new_fluid_synth(settings);
    if (!clock) {
        error = "FluidSynth cannot make a synthesiser";
        return false;
    }
    return true;
}

void deleteClock(fluid_settings_t* settings, fluid_synth_t* clock, fluid_player_t* player) {
    if (player) delete_fluid_player(player);
    if (clock) delete_fluid_synth(clock);
    if (settings) delete_fluid_settings(settings);
}

}  // namespace

int routeEvent(void* data, fluid_midi_event_t* event) {
    const auto* route = static_cast<const Route*>(data);
    const int type = fluid_midi_event_get_type(event);
    if (type < 0x80 || type >= 0xF0 || !route->synth) return FLUID_OK;
    const int channel = fluid_midi_event_get_channel(event);
    fluid_midi_event_set_channel(event, route->base + (channel & 15));
    const int result = fluid_synth_handle_midi_event(route->synth, event);
    fluid_midi_event_set_channel(event, channel);  // the event stays in the player's tracks
    // "Reset all controllers" clears a channel's generator offsets too, the tune's level with them.
    if (type == 0xB0 && fluid_midi_event_get_control(event) == 121) applyLevel(*route);
    return result;
}

void applyLevel(const Route& route) {
    if (!route.synth) return;
    // Fails only for a channel the synthesiser lacks, and every block's 16 are there.
    for (int c = route.base; c < route.base + 16; ++c)
        fluid_synth_set_gen(route.synth, c, GEN_ATTENUATION, route.attenuation);
}

std::unique_ptr<Sequence> Sequence::make(std::span<const unsigned char> bytes, std::string& error) {
    std::unique_ptr<Sequence> s(new Sequence);
    if (!makeClock(s->settings_, s->clock_, error) || !s->makePlayer(bytes, error)) return nullptr;
    return s;
}

Sequence::~Sequence() { deleteClock(settings_, clock_, player_); }

bool Sequence::remake(std::span<const unsigned char> bytes, std::string& error) {
    if (player_) delete_fluid_player(player_);
    player_ = nullptr;
    return makePlayer(bytes, error);
}

int Sequence::recordFirst(void* data, fluid_midi_event_t* event) {
    static_cast<Sequence*>(data)->first_.push_back(event);
    return FLUID_OK;
}

bool Sequence::makePlayer(std::span<const unsigned char> bytes, std::string& error) {
    first_.clear();
    started_ = false;
    player_ = new_fluid_player(clock_);
    if (!player_) {
        error = "FluidSynth cannot make a MIDI player";
        return false;
    }
    if (fluid_player_set_playback_callback(player_, recordFirst, this) != FLUID_OK ||
        fluid_player_add_mem(player_, bytes.data(), bytes.size()) != FLUID_OK ||
        fluid_player_play(player_) != FLUID_OK) {
        error = "FluidSynth cannot take the MIDI file";
        return false;
    }
    // FluidSynth reads the file when its player first runs, and sends the first block's events
    // then: both happen here, and those events wait in first_ for the audio thread.
    if (fluid_synth_write_float(clock_, kBlock, silence_.data(), 0, 1, silence_.data() + kBlock, 0, 1) != FLUID_OK) {
        error = "FluidSynth cannot run the MIDI player";
        return false;
    }
    lastTick_ = fluid_player_get_total_ticks(player_);
    if (fluid_player_get_status(player_) != FLUID_PLAYER_PLAYING || lastTick_ <= 0) {
        error = "not a playable MIDI file";
        return false;
    }
    fluid_player_set_playback_callback(player_, routeEvent, &route);
    return true;
}

bool Sequence::advance(int frames) {
    if (!started_) {
        started_ = true;
        for (fluid_midi_event_t* e : first_) routeEvent(&route, e);
        return true;
    }
    return fluid_synth_write_float(clock_, frames, silence_.data(), 0, 1, silence_.data() + kBlock, 0, 1) == FLUID_OK;
}

void Sequence::pause() {
    if (started_) fluid_player_stop(player_);  // FLUID_OK always
}

void Sequence::resume() {
    if (started_) fluid_player_play(player_);  // fails only without a file, and it has one
}

bool Sequence::ended() const {
    return started_ && (fluid_player_get_current_tick(player_) > lastTick_ ||
                        fluid_player_get_status(player_) != FLUID_PLAYER_PLAYING);
}

namespace {
constexpr int kMaxBlocks = 4000;
}  // namespace

bool forEachMessage(std::span<const unsigned char> bytes, handle_midi_event_func_t each, void* data,
                    std::string& error) {
    fluid_settings_t* settings = nullptr;
    fluid_synth_t* clock = nullptr;
    fluid_player_t* player = nullptr;
    bool ok = makeClock(settings, clock, error);
    if (ok) {
        player = new_fluid_player(clock);
        ok = player && fluid_player_set_playback_callback(player, each, data) == FLUID_OK &&
             fluid_player_set_tempo(player, FLUID_PLAYER_TEMPO_INTERNAL, 1000.0) == FLUID_OK &&
             fluid_player_add_mem(player, bytes.data(), bytes.size()) == FLUID_OK &&
             fluid_player_play(player) == FLUID_OK;
        if (!ok) error = "FluidSynth cannot read the MIDI file";
    }
    // 4000 blocks of the clock are an hour and a half of music at this speed: far beyond any tune,
    // and a bound for a damaged file whose player never reaches its end (it kept a loader busy
    // for minutes).
    std::array<float, std::size_t{2} * kBlock> silence{};
    int lastTick = -1;  // known once the first block has read the file
    for (int block = 0; ok && block < kMaxBlocks; ++block) {
        if (fluid_synth_write_float(clock, kBlock, silence.data(), 0, 1, silence.data() + kBlock, 0, 1) != FLUID_OK) {
            error = "FluidSynth cannot run the MIDI player";
            ok = false;
            break;
        }
        if (lastTick < 0) lastTick = fluid_player_get_total_ticks(player);
        if (fluid_player_get_status(player) != FLUID_PLAYER_PLAYING || fluid_player_get_current_tick(player) > lastTick)
            break;
    }
    deleteClock(settings, clock, player);
    return ok;
}

}  // namespace verminadia::audio
