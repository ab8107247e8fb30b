#include "support/play.h"

#include <sstream>

#include "game/events.h"

namespace verminadia::test {

Played& Played::then(std::string_view lines) {
    std::istringstream in{std::string(lines)};
    std::ostringstream o, e;
    status = script->run(in, o, e);
    out += o.str();
    err += e.str();
    return *this;
}

Played play(std::string_view lines) { return play(lines, untranslated()); }

Played play(std::string_view lines, const Catalogue& catalogue) {
    Played p;
    p.session = std::make_unique<Session>(catalogue);
    p.script = std::make_unique<Script>(*p.session);
    p.then(lines);
    return p;
}

const std::string kToHeroChoice = std::string("tick ") + designed(Timer::Opening) + " 18\nclick " + designed(W::Start) +
                                  "\ntick " + designed(Timer::Opening) + " 11\n";

std::string heroChosen(int hero) { return std::string(kToHeroChoice) + "click " + kHeroLabels[hero] + "\n"; }

const std::vector<W>& opponentPictures() {
    static const std::vector<W> pictures = [] {
        std::vector<W> out;
        for (const WidgetDef& d : kWidgets) {
            if (d.kind != Kind::Picture || d.parent != W::Window) continue;
            const int n = std::stoi(std::string(d.designed.substr(5)));
            if ((n >= 6 && n <= 29) || (n >= 36 && n <= 51) || (n >= 57 && n <= 64)) out.push_back(d.id);
        }
        return out;
    }();
    return pictures;
}

std::vector<W> opponentPicturesShowing(const Form& f) {
    std::vector<W> out;
    for (W w : opponentPictures()) {
        if (f.showing(w)) out.push_back(w);
    }
    return out;
}

std::string MonkeyEvent::line() const {
    return click ? "click " + std::string(def(*click).designed) : "tick " + std::string(def(tick).designed);
}

std::optional<MonkeyEvent> monkeyEvent(const Game& g, std::mt19937& monkey) {
    std::vector<W> showing;
    for (const WidgetDef& d : kWidgets) {
        if (clickable(d.id) && g.form.showing(d.id)) showing.push_back(d.id);
    }
    std::vector<Timer> running;
    for (const TimerDef& t : kTimers) {
        if (g.form.enabled(t.id)) running.push_back(t.id);
    }
    if (!showing.empty() && (running.empty() || monkey() % 4 != 0)) {
        return MonkeyEvent{showing[monkey() % showing.size()]};
    }
    if (!running.empty()) return MonkeyEvent{std::nullopt, running[monkey() % running.size()]};
    return std::nullopt;
}

}  // namespace verminadia::test
