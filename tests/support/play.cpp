#include "support/play.h"

#include <sstream>

namespace verminadia::test {

Played& Played::then(std::string_view lines) {
    std::istringstream in{std::string(lines)};
    std::ostringstream o, e;
    status = script->run(in, o, e);
    out += o.str();
    err += e.str();
    return *this;
}

Played play(std::string_view lines) {
    Played p;
    p.script = std::make_unique<Script>();
    p.then(lines);
    return p;
}

const std::string_view kToHeroChoice =
    "tick Timer1 18\n"
    "click Label3\n"
    "tick Timer1 11\n";

std::string heroChosen(int hero) {
    return std::string(kToHeroChoice) + "click " + kHeroLabels[hero] + "\n";
}

const std::vector<W>& opponentPictures() {
    static const std::vector<W> pictures = [] {
        std::vector<W> out;
        for (const WidgetDef& d : kWidgets) {
            if (d.kind != Kind::Picture || d.parent != W::Form1) continue;
            const int n = std::stoi(std::string(d.name.substr(5)));
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

}  // namespace verminadia::test
