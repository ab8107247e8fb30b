// Champion and challenger bouts: the class handlers set them up behind a yellow announcement,
// and a click on it reveals the opponent and opens the fight.

#include "arena/special_bouts.h"

#include <array>

#include "arena/handlers.h"
#include "core/game.h"
#include "core/text.h"

namespace verminadia {

namespace {

// By ChampionWins: the champion due in the class that title opens.
constexpr std::array kChampionPictures = {W::Image29, W::Image41, W::Image44, W::Image15, W::Image47, W::Image25};

// The last three challengers are the three heroes the player did not choose.
// clang-format off
constexpr std::array kChallengers = {
    Challenger{0, -1, N_("遺跡の神"), 170, 7, 15, 23, 30, W::Image24},
    Challenger{1, -1, N_("光の王"), 80, 7, 100, 24, 35, W::Image22},
    Challenger{2, -1, N_("大魔王"), 250, 8, 3, 25, 40, W::Image26},
    Challenger{3, 0, N_("サスライの剣士"), 400, 7, 4, 26, 50, W::Image50},
    Challenger{3, 1, N_("ミゼル先生"), 360, 7, 4, 27, 50, W::Image48},
    Challenger{3, 2, N_("トルバさん"), 400, 7, 4, 28, 50, W::Image51},
    Challenger{3, 3, N_("嘆きの老人"), 400, 7, 4, 29, 50, W::Image49},
    Challenger{4, 0, N_("ミゼル先生"), 200, 7, 9, 27, 50, W::Image48},
    Challenger{4, 1, N_("サスライの剣士"), 420, 7, 4, 26, 50, W::Image50},
    Challenger{4, 2, N_("嘆きの老人"), 450, 7, 4, 29, 50, W::Image49},
    Challenger{4, 3, N_("トルバさん"), 450, 7, 4, 28, 50, W::Image51},
    Challenger{5, 0, N_("嘆きの老人"), 800, 7, 6, 29, 50, W::Image49},
    Challenger{5, 1, N_("トルバさん"), 700, 7, 6, 28, 50, W::Image51},
    Challenger{5, 2, N_("サスライの剣士"), 900, 7, 6, 26, 50, W::Image50},
    Challenger{5, 3, N_("ミゼル先生"), 900, 7, 8, 27, 50, W::Image48},
};
// clang-format on

}  // namespace

const Challenger* dueChallenger(const GameState& s) {
    for (const Challenger& c : kChallengers) {
        if (c.wins == s.ChallengerWins && (c.heroId == -1 || c.heroId == s.HeroId)) return &c;
    }
    return nullptr;
}

void revealChampion(Game& g) {
    const int wins = g.state.ChampionWins;
    if (wins < 0 || wins >= static_cast<int>(kChampionPictures.size())) return;
    g.state.ChampionBout = wins + 1;
    g.form.show(kChampionPictures[static_cast<std::size_t>(wins)]);
    g.form.hide(W::Label65);
    g.form.show(W::Panel5, W::Panel9);
}

void revealChallenger(Game& g) {
    g.form.show(W::Panel9);
    if (const Challenger* c = dueChallenger(g.state)) g.form.show(c->picture);
    g.form.hide(W::Label66);
    g.form.show(W::Panel5, W::Panel9);
}

}  // namespace verminadia
