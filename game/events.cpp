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
    {W::Label3, beginPrologue},        // スタート
    // The hero choice.
    {W::Label4, chooseToruba},         // トルバさん
    {W::Label5, chooseOldMoaner},      // 嘆きの老人
    {W::Label7, chooseMizel},          // ミゼル先生
    {W::Label6, chooseRonin},          // サスライの剣士
    // The town bar and the status screen.
    {W::Button1, openStatus},          // ステータス
    {W::Button2, closeStatus},         // OK
    {W::Button3, visitKing},           // 王の部屋
    {W::Button4, openStore},           // 雑貨屋
    {W::Button5, openInn},             // 宿屋
    {W::Button6, enterArena},          // 闘技場
    {W::Button25, openCasino},         // カジノ
    // The store's shelf.
    {W::Label34, buyWeapon1},          // the hero's first weapon and its price
    {W::Label35, buyWeapon2},
    {W::Label36, buyWeapon3},
    {W::Label37, buyWeapon4},
    {W::Label38, buyWeapon5},
    {W::Label39, buyArmor1},           // the hero's first armour and its price
    {W::Label40, buyArmor2},
    {W::Label67, buyArmor3},
    {W::Label41, buyItem2},            // the hero's second item and its price
    {W::Label42, buyItem3},
    {W::Label43, leaveStore},          // 店から出る
    // The inn.
    {W::Button7, stayTheNight},        // 宿泊する
    {W::Button8, leaveInn},            // 宿屋から出る
    // The casino.
    {W::Button21, throwRock},          // グー
    {W::Button22, throwScissors},      // チョキ
    {W::Button23, throwPaper},         // パー
    {W::Button24, leaveCasino},        // カジノから出る
    // The weight classes.
    {W::Button9, startAmateurBout},    // アマチュア級
    {W::Button10, startLightBout},     // ライト級
    {W::Button11, startFlyBout},       // フライ級
    {W::Button12, startBantamBout},    // バンダム級
    {W::Button16, startFeatherBout},   // フェザー級
    {W::Button13, startMiddleBout},    // ミドル級
    {W::Button14, startHeavyBout},     // ヘビー級
    {W::Button15, leaveArena},         // 闘技場から出る
    {W::Label65, revealChampion},      // チャンピオン登場
    {W::Label66, revealChallenger},    // チャレンジャー登場
    // The fight's commands.
    {W::Label45, attack},              // 攻撃
    {W::Label46, openSkills},          // 特技
    {W::Label47, openItems},           // 道具
    {W::Label48, talkToOpponent},      // 話す
    // The skill panel.
    {W::Label61, useSkill1},           // the hero's first skill and its MP
    {W::Label62, useSkill2},
    {W::Label63, useSkill3},
    {W::Label64, useSkill4},
    {W::Label60, closeSkills},         // キャンセル
    // The item panel.
    {W::Label49, useItem1},            // the hero's first item
    {W::Label50, useItem2},            // the second and the third, with their counts
    {W::Label51, useItem3},
    {W::Label69, useTear},             // ドラゴンの涙 and its count
    {W::Label52, closeItems},          // キャンセル
    // The travelling merchant.
    {W::Button17, buyWalther},         // ワルサーP38（…円）を買う
    {W::Button18, buyLingerie},        // セクシーランジェリー（…円）を買う
    {W::Button19, buyTear},            // ドラゴンの涙（…円）を買う
    {W::Button20, buyNothing},         // 買わない
    // The message panel: a click on any of its lines is a click on the panel.
    {W::Panel5, continueMessages},
    {W::Label31, continueMessages},
    {W::Label32, continueMessages},
    {W::Label33, continueMessages},
};

constexpr Binding<Timer> kTicks[] = {
    {Timer::Opening, advanceOpening},         // Timer1
    {Timer::TownMusic, loopTownTheme},        // Timer2
    {Timer::BattleMusic, loopBattleTheme},    // Timer3
    {Timer::CasinoLights, flashCasinoLights}, // Timer4
    {Timer::Ending, advanceEnding},           // Timer5
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

bool clickable(W w) { return w != W::Form1 && kClickOf[index(w)] != nullptr; }

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
