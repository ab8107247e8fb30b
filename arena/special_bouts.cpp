// Champion and challenger bouts: the class handlers set them up behind a yellow announcement,
// and a click on it reveals the opponent and opens the fight.

#include "arena/special_bouts.h"

#include <array>

#include "arena/handlers.h"
#include "core/game.h"
#include "core/text/text.h"

namespace verminadia {

namespace {

// By ChampionWins: the champion due in the class that title opens.
constexpr std::array kChampionPictures = {W::ZundaraDeluxePicture, W::PoronePicture,     W::MukkaPicture,
                                          W::FanManPicture,        W::RokurokubiPicture, W::MysteriousManPicture};

// The last three challengers are the three heroes the player did not choose.
// clang-format off
constexpr std::array kChallengers = {
    Challenger{.wins = 0, .heroId = -1, .name = N_("遺跡の神"), .hp = 170, .power = 7, .defense = 15, .kind = FoeKind::RuinGod, .exp = 30, .picture = W::RuinsGodPicture},
    Challenger{.wins = 1, .heroId = -1, .name = N_("光の王"), .hp = 80, .power = 7, .defense = 100, .kind = FoeKind::KingOfLight, .exp = 35, .picture = W::WizardPicture},
    Challenger{.wins = 2, .heroId = -1, .name = N_("大魔王"), .hp = 250, .power = 8, .defense = 3, .kind = FoeKind::DemonKing, .exp = 40, .picture = W::DemonKingPicture},
    Challenger{.wins = 3, .heroId = 0, .name = N_("サスライの剣士"), .naming = Naming::Person, .hp = 400, .power = 7, .defense = 4, .kind = FoeKind::Swordsman, .exp = 50, .picture = W::RoninChallengerPicture},
    Challenger{.wins = 3, .heroId = 1, .name = N_("ミゼル先生"), .naming = Naming::Person, .hp = 360, .power = 7, .defense = 4, .kind = FoeKind::Mizel, .exp = 50, .picture = W::MizelChallengerPicture},
    Challenger{.wins = 3, .heroId = 2, .name = N_("トルバさん"), .naming = Naming::Person, .hp = 400, .power = 7, .defense = 4, .kind = FoeKind::Toruba, .exp = 50, .picture = W::TorubaChallengerPicture},
    Challenger{.wins = 3, .heroId = 3, .name = N_("嘆きの老人"), .naming = Naming::Person, .hp = 400, .power = 7, .defense = 4, .kind = FoeKind::OldMoaner, .exp = 50, .picture = W::OldMoanerChallengerPicture},
    Challenger{.wins = 4, .heroId = 0, .name = N_("ミゼル先生"), .naming = Naming::Person, .hp = 200, .power = 7, .defense = 9, .kind = FoeKind::Mizel, .exp = 50, .picture = W::MizelChallengerPicture},
    Challenger{.wins = 4, .heroId = 1, .name = N_("サスライの剣士"), .naming = Naming::Person, .hp = 420, .power = 7, .defense = 4, .kind = FoeKind::Swordsman, .exp = 50, .picture = W::RoninChallengerPicture},
    Challenger{.wins = 4, .heroId = 2, .name = N_("嘆きの老人"), .naming = Naming::Person, .hp = 450, .power = 7, .defense = 4, .kind = FoeKind::OldMoaner, .exp = 50, .picture = W::OldMoanerChallengerPicture},
    Challenger{.wins = 4, .heroId = 3, .name = N_("トルバさん"), .naming = Naming::Person, .hp = 450, .power = 7, .defense = 4, .kind = FoeKind::Toruba, .exp = 50, .picture = W::TorubaChallengerPicture},
    Challenger{.wins = 5, .heroId = 0, .name = N_("嘆きの老人"), .naming = Naming::Person, .hp = 800, .power = 7, .defense = 6, .kind = FoeKind::OldMoaner, .exp = 50, .picture = W::OldMoanerChallengerPicture},
    Challenger{.wins = 5, .heroId = 1, .name = N_("トルバさん"), .naming = Naming::Person, .hp = 700, .power = 7, .defense = 6, .kind = FoeKind::Toruba, .exp = 50, .picture = W::TorubaChallengerPicture},
    Challenger{.wins = 5, .heroId = 2, .name = N_("サスライの剣士"), .naming = Naming::Person, .hp = 900, .power = 7, .defense = 6, .kind = FoeKind::Swordsman, .exp = 50, .picture = W::RoninChallengerPicture},
    Challenger{.wins = 5, .heroId = 3, .name = N_("ミゼル先生"), .naming = Naming::Person, .hp = 900, .power = 7, .defense = 8, .kind = FoeKind::Mizel, .exp = 50, .picture = W::MizelChallengerPicture},
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
    g.form.hide(W::ChampionAppears);
    g.form.show(W::MessagePanel, W::CommandPanel);
}

void revealChallenger(Game& g) {
    g.form.show(W::CommandPanel);
    if (const Challenger* c = dueChallenger(g.state)) g.form.show(c->picture);
    g.form.hide(W::ChallengerAppears);
    g.form.show(W::MessagePanel, W::CommandPanel);
}

}  // namespace verminadia
