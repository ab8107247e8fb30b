// What ties the game together: the handler each click and each tick runs, and the start-up.

#include "game/events.h"

#include <array>

#include "arena/handlers.h"
#include "core/title.h"
#include "ending/ending.h"
#include "game/message_panel.h"
#include "town/handlers.h"

namespace verminadia {

namespace {

template <typename Key>
struct Binding {
    Key key;
    Handler handler;
};

// The designed widgets and timers on the left, what a click or a tick does on the right; the
// comment is what the player sees there.
// clang-format off
constexpr Binding<W> kClicks[] = {
    // The title.
    {W::Start, beginPrologue},                 // スタート
    // The hero choice.
    {W::TorubaChoice, chooseToruba},           // トルバさん
    {W::OldMoanerChoice, chooseOldMoaner},     // 嘆きの老人
    {W::MizelChoice, chooseMizel},             // ミゼル先生
    {W::RoninChoice, chooseRonin},             // サスライの剣士
    // The town bar and the status screen.
    {W::StatusButton, openStatus},             // ステータス
    {W::StatusOkButton, closeStatus},          // OK
    {W::KingButton, visitKing},                // 王の部屋
    {W::StoreButton, openStore},               // 雑貨屋
    {W::InnButton, openInn},                   // 宿屋
    {W::ArenaButton, enterArena},              // 闘技場
    {W::CasinoButton, openCasino},             // カジノ
    // The store's shelf.
    {W::StoreWeapon1, buyWeapon1},             // the hero's first weapon and its price
    {W::StoreWeapon2, buyWeapon2},
    {W::StoreWeapon3, buyWeapon3},
    {W::StoreWeapon4, buyWeapon4},
    {W::StoreWeapon5, buyWeapon5},
    {W::StoreArmor1, buyArmor1},               // the hero's first armour and its price
    {W::StoreArmor2, buyArmor2},
    {W::StoreArmor3, buyArmor3},
    {W::StoreItem2, buyItem2},                 // the hero's second item and its price
    {W::StoreItem3, buyItem3},
    {W::LeaveStore, leaveStore},               // 店から出る
    // The inn.
    {W::StayButton, stayTheNight},             // 宿泊する
    {W::LeaveInnButton, leaveInn},             // 宿屋から出る
    // The casino.
    {W::RockButton, throwRock},                // グー
    {W::ScissorsButton, throwScissors},        // チョキ
    {W::PaperButton, throwPaper},              // パー
    {W::LeaveCasinoButton, leaveCasino},       // カジノから出る
    // The weight classes.
    {W::AmateurButton, startAmateurBout},      // アマチュア級
    {W::LightButton, startLightBout},          // ライト級
    {W::FlyButton, startFlyBout},              // フライ級
    {W::BantamButton, startBantamBout},        // バンダム級
    {W::FeatherButton, startFeatherBout},      // フェザー級
    {W::MiddleButton, startMiddleBout},        // ミドル級
    {W::HeavyButton, startHeavyBout},          // ヘビー級
    {W::LeaveArenaButton, leaveArena},         // 闘技場から出る
    {W::ChampionAppears, revealChampion},      // チャンピオン登場
    {W::ChallengerAppears, revealChallenger},  // チャレンジャー登場
    // The fight's commands.
    {W::AttackCommand, attack},                // 攻撃
    {W::SkillCommand, openSkills},             // 特技
    {W::ItemCommand, openItems},               // 道具
    {W::TalkCommand, talkToOpponent},          // 話す
    // The skill panel.
    {W::Skill1Entry, useSkill1},               // the hero's first skill and its MP
    {W::Skill2Entry, useSkill2},
    {W::Skill3Entry, useSkill3},
    {W::Skill4Entry, useSkill4},
    {W::SkillCancel, closeSkills},             // キャンセル
    // The item panel.
    {W::Item1Entry, useItem1},                 // the hero's first item
    {W::Item2Entry, useItem2},                 // the second and the third, with their counts
    {W::Item3Entry, useItem3},
    {W::TearEntry, useTear},                   // ドラゴンの涙 and its count
    {W::ItemCancel, closeItems},               // キャンセル
    // The travelling merchant.
    {W::BuyWaltherButton, buyWalther},         // ワルサーP38（…円）を買う
    {W::BuyLingerieButton, buyLingerie},       // セクシーランジェリー（…円）を買う
    {W::BuyTearButton, buyTear},               // ドラゴンの涙（…円）を買う
    {W::DeclineOfferButton, buyNothing},       // 買わない
    // The message panel: a click on any of its lines is a click on the panel.
    {W::MessagePanel, continueMessages},
    {W::MessageLine1, continueMessages},
    {W::MessageLine2, continueMessages},
    {W::MessageLine3, continueMessages},
};

constexpr Binding<Timer> kTicks[] = {
    {Timer::Opening, advanceOpening},
    {Timer::TownMusic, loopTownTheme},
    {Timer::BattleMusic, loopBattleTheme},
    {Timer::CasinoLights, flashCasinoLights},
    {Timer::Ending, advanceEnding},
};
// clang-format on

// The bindings by widget and by timer; nullptr where a click or tick does nothing.
template <std::size_t Count, typename Key, std::size_t N>
constexpr std::array<Handler, Count> byKey(const Binding<Key> (&bindings)[N]) {
    std::array<Handler, Count> table{};
    for (const Binding<Key>& b : bindings) table[static_cast<std::size_t>(b.key)] = b.handler;
    return table;
}
constexpr auto kClickOf = byKey<kWidgetCount>(kClicks);
constexpr auto kTickOf = byKey<kTimerCount>(kTicks);

}  // namespace

void startGame(Game& g) { setStartingValues(g); }

bool clickable(W w) { return w != W::Window && kClickOf[index(w)] != nullptr; }

ClickResult click(Game& g, W w) {
    if (!g.form.open()) return ClickResult::Closed;
    if (!g.form.showing(w)) return ClickResult::Hidden;
    if (clickable(w)) kClickOf[index(w)](g);
    return ClickResult::Handled;
}

bool tick(Game& g, Timer t) {
    if (!g.form.open() || !g.form.enabled(t)) return false;
    if (Handler h = kTickOf[static_cast<std::size_t>(t)]) h(g);
    return true;
}

}  // namespace verminadia
