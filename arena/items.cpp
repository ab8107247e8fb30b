// "道具": the hero's first item (one use in the whole game), the store's two counted goods and
// the merchant's tear. The same effects for every hero; only the names differ.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "arena/handlers.h"
#include "arena/skills.h"
#include "core/career.h"
#include "core/game.h"
#include "core/town_bar_texts.h"
#include "core/whole_numbers.h"

namespace verminadia {

namespace {

// The first item checks the top after the gain, unlike the others: near the top it lifts the
// hero all the way to MaxHp (a gain of up to 3), lower down it gives exactly 2.
void littleHeal(GameState& s) {
    if (std::int64_t{s.Hp} + 2 <= s.MaxHp) s.Hp += 2;
    if (std::int64_t{s.Hp} + 2 > s.MaxHp) s.Hp = s.MaxHp;
}
void heal20(GameState& s) { healUpToMax(s, 20); }
void fullHeal(GameState& s) { s.Hp = s.MaxHp; }
void fullMp(GameState& s) { s.Mp = s.MaxMp; }

struct Good {
    W entry;
    W statusLine;  // its twin on the status screen
    std::string GameState::*name;
    std::int32_t GameState::*count;  // nullptr: the first item, whose stock is its entry showing
    W shelf;                         // the store's offer that comes back after a use; Form1: none
    W merchant;                      // the merchant's offer that comes back after a use; Form1: none
    void (*effect)(GameState&);
    void (*refresh)(Game&);
    std::string_view result;
};

// clang-format off
constexpr std::array kGoods = {
    Good{W::Label49, W::Label53, &GameState::Item1Name, nullptr, W::Form1, W::Form1,
         littleHeal, showHp, N_("{HeroName}のHPが少しだけ回復した。")},
    Good{W::Label50, W::Label54, &GameState::Item2Name, &GameState::Item2Count, W::Label41, W::Form1,
         heal20, showHp, N_("{HeroName}のHPが20ポイント回復した。")},
    Good{W::Label51, W::Label55, &GameState::Item3Name, &GameState::Item3Count, W::Label42, W::Form1,
         fullHeal, showHp, N_("{HeroName}のHPが完全回復した。")},
    Good{W::Label69, W::Label68, &GameState::TearName, &GameState::TearCount, W::Form1, W::Button19,
         fullMp, showMp, N_("{HeroName}のMPが完全回復した。")},
};
// clang-format on

Text entryCaption(const Game& g, const Good& good) {
    if (good.count == nullptr) return g.text(good.name);
    return countedCaption(g.text(good.name), g.state.*good.count);
}

// No stock check: an entry can be clicked only while it shows, and it goes when the stock does.
// Full HP or MP is no refusal either; the good is spent and the turn passes.
void useGood(Game& g, const Good& good) {
    GameState& s = g.state;
    s.TalkState = talk::kOpponentTurn;
    g.sound.play(Player::MediaPlayer16);
    if (good.count != nullptr) subtractClamped(s.*good.count, 1);
    g.form.hide(W::Panel10);
    g.form.show(W::Panel5);
    if (good.shelf != W::Form1) g.form.show(good.shelf);
    good.effect(s);
    g.form.setCaption(W::Label31, g.text(N_("{HeroName}は{item}を使った。")).with("item", g.text(good.name)));
    g.caption(W::Label32, good.result);
    g.form.setCaption(W::Label33, "");
    good.refresh(g);
    if (good.merchant != W::Form1) g.form.show(good.merchant);
    if (good.count == nullptr || s.*good.count <= 0) g.form.hide(good.entry, good.statusLine);
}

}  // namespace

// The counts are those of the moment the panel opens; which entries show is the shops' doing.
void Label47Click(Game& g) {
    for (const Good& good : kGoods) g.form.setCaption(good.entry, entryCaption(g, good));
    openInPlaceOfMessages(g, W::Panel10);
}

void Label52Click(Game& g) { backToCommands(g, W::Panel10); }

void Label49Click(Game& g) { useGood(g, kGoods[0]); }
void Label50Click(Game& g) { useGood(g, kGoods[1]); }
void Label51Click(Game& g) { useGood(g, kGoods[2]); }
void Label69Click(Game& g) { useGood(g, kGoods[3]); }

}  // namespace verminadia
