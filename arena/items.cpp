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
#include "core/text/town_bar.h"
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
    Text GameState::*name;
    std::int32_t GameState::*count = nullptr;  // nullptr: the first item, whose stock is its entry showing
    W shelf = W::Window;                       // the store's offer that comes back after a use; W::Window: none
    W merchant = W::Window;                    // the merchant's offer that comes back after a use; W::Window: none
    void (*effect)(GameState&);
    void (*refresh)(Game&);
    std::string_view result;
};

// clang-format off
constexpr std::array kGoods = {
    Good{.entry = W::Item1Entry, .statusLine = W::StatusItem1, .name = &GameState::Item1Name,
         .effect = littleHeal, .refresh = showHp, .result = N_("{HeroName}のHPが少しだけ回復した。")},
    Good{.entry = W::Item2Entry, .statusLine = W::StatusItem2, .name = &GameState::Item2Name, .count = &GameState::Item2Count, .shelf = W::StoreItem2,
         .effect = heal20, .refresh = showHp, .result = N_("{HeroName}のHPが20ポイント回復した。")},
    Good{.entry = W::Item3Entry, .statusLine = W::StatusItem3, .name = &GameState::Item3Name, .count = &GameState::Item3Count, .shelf = W::StoreItem3,
         .effect = fullHeal, .refresh = showHp, .result = N_("{HeroName}のHPが完全回復した。")},
    Good{.entry = W::TearEntry, .statusLine = W::StatusTears, .name = &GameState::TearName, .count = &GameState::TearCount, .merchant = W::BuyTearButton,
         .effect = fullMp, .refresh = showMp, .result = N_("{HeroName}のMPが完全回復した。")},
};
// clang-format on

Text entryCaption(const Game& g, const Good& good) {
    if (good.count == nullptr) return g.state.*good.name;
    return countedCaption(g.state.*good.name, g.state.*good.count);
}

// No stock check: an entry can be clicked only while it shows, and it goes when the stock does.
// Full HP or MP is no refusal either; the good is spent and the turn passes.
void useGood(Game& g, const Good& good) {
    GameState& s = g.state;
    s.TalkState = talk::kOpponentTurn;
    g.sound.play(Sfx::Chime);
    if (good.count != nullptr) subtractClamped(s.*good.count, 1);
    g.form.hide(W::ItemPanel);
    g.form.show(W::MessagePanel);
    if (good.shelf != W::Window) g.form.show(good.shelf);
    good.effect(s);
    g.form.setCaption(W::MessageLine1, g.text(N_("{HeroName}は{item}を使った。")).with("item", g.state.*good.name));
    g.caption(W::MessageLine2, good.result);
    g.form.setCaption(W::MessageLine3, "");
    good.refresh(g);
    if (good.merchant != W::Window) g.form.show(good.merchant);
    if (good.count == nullptr || s.*good.count <= 0) g.form.hide(good.entry, good.statusLine);
}

}  // namespace

// The counts are those of the moment the panel opens; which entries show is the shops' doing.
void openItems(Game& g) {
    for (const Good& good : kGoods) g.form.setCaption(good.entry, entryCaption(g, good));
    openInPlaceOfMessages(g, W::ItemPanel);
}

void closeItems(Game& g) { backToCommands(g, W::ItemPanel); }

void useItem1(Game& g) { useGood(g, kGoods[0]); }
void useItem2(Game& g) { useGood(g, kGoods[1]); }
void useItem3(Game& g) { useGood(g, kGoods[2]); }
void useTear(Game& g) { useGood(g, kGoods[3]); }

}  // namespace verminadia
