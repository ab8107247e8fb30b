#pragma once
// What the game ships that more than one test looks at, written out once as a player meets it:
// the heroes, the store, the champions and the names a screen reader says. A test that checks
// the game against these catches a wrong value in the game's own tables, which reading those
// tables back could not.

#include <array>
#include <vector>

#include "core/widgets/table.h"

namespace verminadia::shipped {

struct Hero {
    const char* name;
    int hp, mp, attack, defense, wisdom, speed;  // at level 1
    const char* startTitle;
    std::array<const char*, 6> titles;           // granted by the king after each champion
    W portrait, statusPortrait;                  // town bar, status screen
    const char* portraitName;                    // what a screen reader calls the portrait
    std::array<const char*, 3> lastChallengers;  // the heavy class's fourth to sixth opponents
};

// clang-format off
inline constexpr std::array<Hero, 4> kHeroes = {
    Hero{.name = "トルバさん", .hp = 16, .mp = 5, .attack = 10, .defense = 9, .wisdom = 2, .speed = 9,
         .startTitle = "街の人", .titles = {"街の力持ち", "街の有名人", "街の人気者", "街の代表", "国の象徴", "神様"},
         .portrait = W::TorubaPortrait, .statusPortrait = W::TorubaStatusPortrait, .portraitName = "トルバさんの肖像",
         .lastChallengers = {"サスライの剣士", "ミゼル先生", "嘆きの老人"}},
    Hero{.name = "嘆きの老人", .hp = 14, .mp = 12, .attack = 8, .defense = 9, .wisdom = 15, .speed = 10,
         .startTitle = "老いぼれ", .titles = {"エロじじい", "街の長", "老師", "物知り仙人", "無天老師", "伝説の老師"},
         .portrait = W::OldMoanerPortrait, .statusPortrait = W::OldMoanerStatusPortrait, .portraitName = "嘆きの老人の肖像",
         .lastChallengers = {"ミゼル先生", "サスライの剣士", "トルバさん"}},
    Hero{.name = "ミゼル先生", .hp = 20, .mp = 7, .attack = 11, .defense = 10, .wisdom = 10, .speed = 19,
         .startTitle = "森の管理人", .titles = {"森の重役", "森の議長", "森のクマさん", "城の委員長", "国の知事", "総理大臣"},
         .portrait = W::MizelPortrait, .statusPortrait = W::MizelStatusPortrait, .portraitName = "ミゼル先生の肖像",
         .lastChallengers = {"トルバさん", "嘆きの老人", "サスライの剣士"}},
    Hero{.name = "サスライの剣士", .hp = 18, .mp = 6, .attack = 13, .defense = 8, .wisdom = 8, .speed = 12,
         .startTitle = "奴隷", .titles = {"城の門番", "城の剣士", "城の将軍", "特攻隊長", "王の右腕", "伝説の剣士"},
         .portrait = W::RoninPortrait, .statusPortrait = W::RoninStatusPortrait, .portraitName = "サスライの剣士の肖像",
         .lastChallengers = {"嘆きの老人", "トルバさん", "ミゼル先生"}},
};
// clang-format on

// The store: its name and words, and its shelf. After the fourth champion the first stage's
// goods go and the second stage's come; the two counted goods stay.
inline constexpr const char* kStoreName = "雑貨屋";
inline constexpr const char* kStoreGreeting2 = "　「いらっしゃい。大会に出るならなんか買った方がいいと";
inline constexpr const char* kStoreGreeting3 = "思うぜ。いい品ばかりだからヨロシク！！」";
// The seller's thanks and refusal, which the travelling merchant speaks too.
inline constexpr const char* kStoreThanks = "　「毎度あり。絶対、役に立つと思うぜ！」";
inline constexpr const char* kStoreShortOfMoney = "  「お金が足りないよ。出直して来な！」";

enum class Stage { Both, First, Second };
struct Good {
    const char* label;
    W id;
    int price;
    Stage stage;
};
inline const Good kGoods[] = {
    {designed(W::StoreWeapon1), W::StoreWeapon1, 100, Stage::First},
    {designed(W::StoreWeapon2), W::StoreWeapon2, 200, Stage::First},
    {designed(W::StoreWeapon3), W::StoreWeapon3, 500, Stage::Second},
    {designed(W::StoreWeapon4), W::StoreWeapon4, 1000, Stage::Second},
    {designed(W::StoreWeapon5), W::StoreWeapon5, 2500, Stage::Second},
    {designed(W::StoreArmor1), W::StoreArmor1, 100, Stage::First},
    {designed(W::StoreArmor2), W::StoreArmor2, 500, Stage::Second},
    {designed(W::StoreArmor3), W::StoreArmor3, 300, Stage::First},
    {designed(W::StoreItem2), W::StoreItem2, 15, Stage::Both},
    {designed(W::StoreItem3), W::StoreItem3, 100, Stage::Both},
};
// The goods on the shelf at a stage, and those only on it.
inline std::vector<W> shelf(Stage stage, bool onlyThere = false) {
    std::vector<W> out;
    for (const Good& g : kGoods) {
        if (g.stage == stage || (!onlyThere && g.stage == Stage::Both)) out.push_back(g.id);
    }
    return out;
}

// The six classes that have a champion, in the order the titles open them.
struct Champion {
    const char* button;
    const char* counter;  // the class's bouts in the game state
    int slot;             // the draw that brings the champion
    int threshold;        // the bout of the class from which it can come
    const char* before;   // the ordinary opponent the slot brings before that bout
    const char* champion;
    int power;
};
inline const std::array kChampions = {
    Champion{designed(W::AmateurButton), "AmateurBouts", 5, 9, "黄魔人", "ズンダラデラックス", 3},
    Champion{designed(W::LightButton), "LightBouts", 4, 10, "チッポ君", "ポロネ五段", 3},
    Champion{designed(W::FlyButton), "FlyBouts", 4, 10, "ヘビ魔人", "警察官ムッカ", 4},
    Champion{designed(W::BantamButton), "BantamBouts", 4, 10, "ズンダラレッド", "扇風機マン", 5},
    Champion{designed(W::FeatherButton), "FeatherBouts", 4, 10, "多忙な商人", "ロクロ首", 6},
    Champion{designed(W::MiddleButton), "MiddleBouts", 4, 7, "ズンダラホワイト", "謎の男", 7},
};

// What a screen reader calls the window, the town and an opponent not in the ring.
inline constexpr const char* kWindowName = "ヴェルミナーディア外伝";
inline constexpr const char* kTownName = "ドラゴン城";
inline constexpr const char* kOpponentName = "対戦相手";

}  // namespace verminadia::shipped
