#include "audio/stream/output_stream.h"

#include <fstream>
#include <string_view>

#include <fluidsynth.h>

#include "audio/clip.h"
#include "audio/midi.h"

namespace verminadia::audio {

namespace {

constexpr int kPeriodSize = 512;  // 11.6 ms per period: half the wake-ups of a smaller one
constexpr int kPeriods = 2;       // 23 ms ahead: well under a frame of the game's clicks

bool haveSoundCard() {
    std::ifstream cards("/proc/asound/cards");
    std::string line;
    return std::getline(cards, line) && line.find("no soundcards") == std::string::npos;
}

}  // namespace

int OutputStream::renderPeriod(void* data, int len, int, float*[], int nout, float* out[]) {
    auto* self = static_cast<OutputStream*>(data);
    // The synthesiser's own complaints while the mix is made are printed as any other...
    onFluidSynthErrors(nullptr, nullptr);
    if (nout >= 2) self->client_->period(out[0], out[1], len);
    // ...but an error on this thread outside the callback is the driver's: its write to the
    // server failed, and its thread ends.
    onFluidSynthErrors(broken, self);
    return nout >= 2 ? FLUID_OK : FLUID_FAILED;
}

void OutputStream::broken(void* data) { static_cast<OutputStream*>(data)->client_->failed(); }

OutputStream::~OutputStream() {
    close();
    if (settings_) delete_fluid_settings(static_cast<fluid_settings_t*>(settings_));
}

bool OutputStream::open(Client& client, std::string& error) {
    close();
    client_ = &client;
    FluidSynthMessages messages;
    auto* settings = static_cast<fluid_settings_t*>(settings_);
    if (!settings) {
        settings = new_fluid_settings();
        settings_ = settings;
        if (!settings || fluid_settings_setnum(settings, "synth.sample-rate", kRate) != FLUID_OK ||
            fluid_settings_setint(settings, "audio.period-size", kPeriodSize) != FLUID_OK ||
            fluid_settings_setint(settings, "audio.periods", kPeriods) != FLUID_OK) {
            error = messages.reason("FluidSynth refuses the stream's settings");
            return false;
        }
    }
    // Only a name for the server's volume controls: FluidSynth builds without it refuse it. The
    // driver puts it in the environment, where it stays: naming it again would change the
    // environment on every wake while other threads read it.
    fluid_settings_setstr(settings, "audio.pulseaudio.media-role", roleNamed_ ? "" : "game");
    roleNamed_ = true;
    // JACK, FluidSynth's first choice, would try to start a server of its own; name ours.
    for (const char* name : {"pulseaudio", "alsa"}) {
        // Without a sound card ALSA's library would fill standard error with its complaints.
        if (std::string_view(name) == "alsa" && !haveSoundCard()) continue;
        if (fluid_settings_setstr(settings, "audio.driver", name) != FLUID_OK) continue;
        driver_ = new_fluid_audio_driver2(settings, renderPeriod, this);
        if (driver_) break;
    }
    if (!driver_) {
        error = messages.reason("no audio device or sound server");
        return false;
    }
    if (fluid_settings_getint(settings, "audio.period-size", &periodSize_) != FLUID_OK ||
        fluid_settings_getint(settings, "audio.periods", &periods_) != FLUID_OK) {
        periodSize_ = kPeriodSize;  // what was asked for; the figure is only reported
        periods_ = kPeriods;
    }
    return true;
}

void OutputStream::close() {
    // Joins the driver's thread: it finishes the period it is in, whose write the server takes
    // within a period, or at once if the server has gone.
    if (driver_) delete_fluid_audio_driver(static_cast<fluid_audio_driver_t*>(driver_));
    driver_ = nullptr;
}

double OutputStream::bufferSeconds() const { return static_cast<double>(periodSize_) * periods_ / kRate; }

}  // namespace verminadia::audio
