// The casino: トルバさん stakes all of the hero's money on one throw of rock-paper-scissors.
// The owner's draw alone decides the throw, and a tie counts as his win.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/career.h"
#include "core/game.h"
#include "core/text/town_bar.h"
#include "core/whole_numbers.h"
#include "town/handlers.h"
#include "town/town_music.h"

namespace verminadia {

namespace {

constexpr std::string_view kOwner = N_("トルバさん");
constexpr std::string_view kGreeting2 = N_("　「私がオーナーのトルバです。私とジャンケンをしてあなた");
constexpr std::string_view kGreeting3 = N_("が勝てば金が２倍、私が勝てば金が半分になります。」");

constexpr std::string_view kYouLose = N_("あなたの負け");
constexpr std::string_view kYouWin = N_("あなたの勝ち");

// What a throw does, by Roll: 0 a tie, 1 the owner's hand loses, 2 it wins.
struct Outcome {
    std::string_view result, words;
    bool heroWins;
};
// clang-format off
constexpr std::array kOutcomes = {
    Outcome{.result = kYouLose, .words = N_("　「アイコの場合は俺の勝ちだ。悪いな、金はもらうぜ。」"), .heroWins = false},
    Outcome{.result = kYouWin, .words = N_("　「俺の負けだ。金は持って行け。」"), .heroWins = true},
    Outcome{.result = kYouLose, .words = N_("　「俺の勝ちだ。金はもらうぞ。またいつでも勝負しに来な。」"), .heroWins = false},
};
// clang-format on

enum Hand { Rock, Scissors, Paper };
constexpr std::array<std::string_view, 3> kHandNames = {N_("グー"), N_("チョキ"), N_("パー")};
// The owner's hand by Roll, one row per hero's hand: rock, scissors, paper.
using OwnersHands = std::array<Hand, kOutcomes.size()>;
constexpr std::array<OwnersHands, 3> kOwnersHands = {
    OwnersHands{Rock, Scissors, Paper},
    OwnersHands{Scissors, Paper, Rock},
    OwnersHands{Paper, Rock, Scissors},
};

// The panel's flashing colours, by CasinoTick.
constexpr std::array<Rgb, 3> kFlashColours = {kRed, kWhite, kYellow};

// Doubling stops at the largest sum a purse can hold rather than wrapping round to a debt.
int doubled(int gold) { return clampedInt(std::int64_t{gold} * 2); }

void throwHand(Game& g, Hand hand) {
    GameState& s = g.state;
    const int roll = g.draw(static_cast<int>(kOutcomes.size()));
    g.sound.beep();
    const Outcome& outcome = kOutcomes[static_cast<std::size_t>(roll)];
    const Hand owners = kOwnersHands[static_cast<std::size_t>(hand)][static_cast<std::size_t>(roll)];
    g.caption(W::CasinoResult, outcome.result);
    g.caption(W::MessageLine2, outcome.words);
    g.form.setCaption(W::MessageLine3, "");
    g.caption(W::OwnerHand, kHandNames[static_cast<std::size_t>(owners)]);
    s.Gold = outcome.heroWins ? doubled(s.Gold) : s.Gold / 2;
    showMoney(g);
}

}  // namespace

// The owner's own tune replaces the town theme; it plays once and is not looped.
void openCasino(Game& g) {
    GameState& s = g.state;
    s.TalkState = talk::kNothing;
    g.form.hide(W::TownButtons, W::StatusButton);
    g.form.show(W::CasinoPanel);
    g.form.enable(Timer::CasinoLights);
    // toruba.mid is also the first hero's town theme, who never gets here: it is at its start.
    stopTownMusic(g);
    g.sound.play(Tune::TorubaTheme);
    g.form.show(W::CasinoOwner, W::MessagePanel);
    g.form.setCaption(W::OwnerHand, "");
    g.form.setCaption(W::CasinoResult, "");
    g.caption(W::MessageLine1, kOwner);
    g.caption(W::MessageLine2, kGreeting2);
    g.caption(W::MessageLine3, kGreeting3);
}

void throwRock(Game& g) { throwHand(g, Rock); }
void throwScissors(Game& g) { throwHand(g, Scissors); }
void throwPaper(Game& g) { throwHand(g, Paper); }

// The town theme comes back from its beginning on the town music's next tick.
void leaveCasino(Game& g) {
    g.form.show(W::TownButtons, W::StatusButton);
    g.form.hide(W::CasinoPanel);
    g.form.disable(Timer::CasinoLights);
    g.sound.stopAndRewind(Tune::TorubaTheme);
    g.form.enable(Timer::TownMusic);
    g.form.hide(W::CasinoOwner, W::MessagePanel);
}

// The flashing is decoration, so it draws without the clock reseed and leaves Roll alone.
void flashCasinoLights(Game& g) {
    g.state.CasinoTick = g.drawWithoutReseed(static_cast<int>(kFlashColours.size()));
    g.form.setColor(W::CasinoPanel, kFlashColours[static_cast<std::size_t>(g.state.CasinoTick)]);
}

}  // namespace verminadia
