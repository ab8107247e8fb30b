#include "ui/audio/midi.h"

#include <fluidsynth.h>

#include <array>
#include <mutex>

namespace verminadia::audio {

namespace {
// FluidSynth reads a file cut short as far as it goes and says so only in its log.
thread_local int complaints = 0;
void count(int level, const char*, void*) {
    if (level <= FLUID_ERR) ++complaints;
}
}  // namespace

void silenceFluidSynth() {
    static std::once_flag once;
    std::call_once(once, [] {
        for (int level : {FLUID_PANIC, FLUID_ERR, FLUID_WARN, FLUID_INFO, FLUID_DBG})
            fluid_set_log_function(level, count, nullptr);
    });
}

bool checkMidi(std::span<const unsigned char> bytes, std::string& error) {
    silenceFluidSynth();
    if (bytes.empty()) {
        error = "the file is empty";
        return false;
    }
    fluid_settings_t* settings = new_fluid_settings();
    fluid_settings_setint(settings, "synth.reverb.active", 0);
    fluid_settings_setint(settings, "synth.chorus.active", 0);
    fluid_settings_setint(settings, "synth.polyphony", 16);
    fluid_settings_setint(settings, "player.reset-synth", 0);
    fluid_synth_t* synth = new_fluid_synth(settings);
    fluid_player_t* player = synth ? new_fluid_player(synth) : nullptr;
    bool ok = false;
    complaints = 0;
    if (player && fluid_player_add_mem(player, bytes.data(), bytes.size()) == FLUID_OK) {
        // The file is read when the player first runs: one block is enough to parse it.
        fluid_player_play(player);
        std::array<float, 64> l{}, r{};
        fluid_synth_write_float(synth, static_cast<int>(l.size()), l.data(), 0, 1, r.data(), 0, 1);
        ok = fluid_player_get_total_ticks(player) > 0 && complaints == 0;
        fluid_player_stop(player);
    }
    if (!ok) error = "not a playable MIDI file";
    if (player) delete_fluid_player(player);
    if (synth) delete_fluid_synth(synth);
    delete_fluid_settings(settings);
    return ok;
}

}  // namespace verminadia::audio
