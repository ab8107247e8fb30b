// The arena: entering and leaving it, the seven weight classes that set up a bout, and the
// battle theme that loops while a fight lasts.

#include <array>
#include <span>
#include <string>
#include <string_view>

#include "arena/handlers.h"
#include "arena/special_bouts.h"
#include "core/career.h"
#include "core/game.h"
#include "core/whole_numbers.h"
#include "town/town_music.h"

namespace verminadia {

namespace {

// Which row of a champion slot applies, the bout counter taken after it was raised.
enum class When : std::uint8_t {
    Always,
    Early,       // before the class's champion threshold
    Late,        // at or past the threshold while another champion is due
    NoChampion,  // whenever the champion does not come
    Champion,    // at or past the threshold with this class's champion due
};

struct Opponent {
    int draw;
    When when;
    std::string_view name;
    int hp, power, defense, kind, exp;
    W picture;  // Form1: none yet, the champion waits behind its announcement
};

constexpr W kAnnounced = W::Form1;

// clang-format off
constexpr std::array kAmateur = {
    Opponent{0, When::Always, N_("100円マン"), 20, 1, 2, 0, 2, W::Image6},
    Opponent{1, When::Always, N_("ズンダラ"), 20, 2, 2, 2, 2, W::Image7},
    Opponent{2, When::Always, N_("スライム"), 20, 1, 2, 0, 2, W::Image8},
    Opponent{3, When::Always, N_("浮遊顔"), 15, 2, 2, 0, 1, W::Image9},
    Opponent{4, When::Always, N_("ズンダラ"), 18, 1, 4, 2, 2, W::Image7},
    Opponent{5, When::Early, N_("黄魔人"), 12, 2, 4, 0, 2, W::Image37},
    Opponent{5, When::Late, N_("黄色魔人"), 12, 1, 4, 0, 2, W::Image37},
    Opponent{5, When::Champion, N_("ズンダラデラックス"), 35, 3, 3, 30, 5, kAnnounced},
    Opponent{6, When::Always, N_("生命物体"), 15, 2, 2, 0, 2, W::Image58},
};
constexpr std::array kLight = {
    Opponent{0, When::Always, N_("ゴキブリ"), 30, 2, 2, 3, 4, W::Image10},
    Opponent{1, When::Always, N_("ゾンビ"), 20, 2, 6, 1, 5, W::Image11},
    Opponent{2, When::Always, N_("宇宙人"), 28, 2, 2, 7, 5, W::Image13},
    Opponent{3, When::Always, N_("兵隊"), 26, 2, 3, 0, 4, W::Image16},
    Opponent{4, When::Early, N_("チッポ君"), 30, 2, 2, 8, 4, W::Image38},
    Opponent{4, When::Late, N_("チッポ君"), 32, 2, 2, 8, 5, W::Image38},
    Opponent{4, When::Champion, N_("ポロネ五段"), 60, 3, 3, 4, 8, kAnnounced},
    Opponent{5, When::Always, N_("お星様"), 26, 2, 3, 0, 4, W::Image59},
};
constexpr std::array kFly = {
    Opponent{0, When::Always, N_("トラ"), 50, 3, 4, 9, 6, W::Image12},
    Opponent{1, When::Always, N_("人食い族"), 55, 3, 3, 9, 6, W::Image14},
    Opponent{2, When::Always, N_("ヅラズンダラ"), 50, 3, 4, 10, 5, W::Image45},
    Opponent{3, When::Always, N_("野ウサギ"), 60, 3, 3, 11, 6, W::Image36},
    Opponent{4, When::Early, N_("ヘビ魔人"), 40, 3, 4, 9, 5, W::Image39},
    Opponent{4, When::Late, N_("ヘビ魔人"), 40, 3, 4, 9, 6, W::Image39},
    Opponent{4, When::Champion, N_("警察官ムッカ"), 85, 4, 2, 12, 10, kAnnounced},
    Opponent{5, When::Always, N_("偽太陽"), 50, 3, 3, 31, 6, W::Image57},
    Opponent{6, When::Always, N_("ナントカ星人"), 50, 3, 3, 7, 6, W::Image62},
};
constexpr std::array kBantam = {
    Opponent{0, When::Always, N_("モヒズンダラ"), 60, 4, 3, 2, 8, W::Image46},
    Opponent{1, When::Always, N_("魔界の戦士"), 40, 4, 7, 0, 9, W::Image16},
    Opponent{2, When::Always, N_("カエル"), 50, 4, 5, 14, 7, W::Image27},
    Opponent{3, When::Always, N_("恐怖の目玉"), 30, 4, 10, 0, 8, W::Image28},
    Opponent{4, When::NoChampion, N_("ズンダラレッド"), 60, 4, 4, 2, 7, W::Image42},
    Opponent{4, When::Champion, N_("扇風機マン"), 100, 5, 4, 15, 15, kAnnounced},
    Opponent{5, When::Always, N_("ピョンちゃん"), 60, 4, 4, 0, 8, W::Image60},
    Opponent{6, When::Always, N_("ウワサのピピちゃん"), 60, 4, 4, 0, 8, W::Image64},
};
constexpr std::array kFeather = {
    Opponent{0, When::Always, N_("偉大な博士"), 70, 5, 3, 17, 10, W::Image17},
    Opponent{1, When::Always, N_("マスター"), 50, 5, 6, 16, 11, W::Image18},
    Opponent{2, When::Always, N_("悲劇の魚屋"), 80, 5, 3, 6, 10, W::Image19},
    Opponent{3, When::Always, N_("指揮官"), 65, 5, 5, 6, 11, W::Image16},
    Opponent{4, When::Early, N_("多忙な商人"), 60, 5, 2, 5, 10, W::Image40},
    Opponent{4, When::Late, N_("赤字の商人"), 60, 5, 2, 5, 11, W::Image40},
    Opponent{4, When::Champion, N_("ロクロ首"), 140, 6, 4, 9, 20, kAnnounced},
    Opponent{5, When::Always, N_("オリンピック候補"), 70, 5, 4, 0, 12, W::Image63},
};
constexpr std::array kMiddle = {
    Opponent{0, When::Always, N_("自由の酪農家"), 100, 6, 2, 19, 15, W::Image20},
    Opponent{1, When::Always, N_("龍神の弟"), 50, 6, 100, 18, 14, W::Image21},
    Opponent{2, When::Always, N_("究極の魔法使い"), 60, 6, 100, 20, 17, W::Image22},
    Opponent{3, When::Always, N_("泉仙人"), 25, 6, 15, 22, 16, W::Image23},
    Opponent{4, When::NoChampion, N_("ズンダラホワイト"), 100, 6, 2, 13, 15, W::Image43},
    Opponent{4, When::Champion, N_("謎の男"), 200, 7, 4, 21, 30, kAnnounced},
    Opponent{5, When::Always, N_("目覚まし時計魔人"), 120, 6, 3, 0, 16, W::Image61},
};
// clang-format on

struct WeightClass {
    int opensAt;  // TitleIndex needed
    std::int32_t GameState::*bouts;
    int drawSize;
    int theme;
    int basePower;
    int threshold;             // the champion may come from this bout of the class on
    int championDue;           // ChampionWins when this class's champion is the next one
    std::string_view opening;  // the bout's number in the class, the counter named in it
    std::span<const Opponent> opponents;
    W unstretch;  // a picture that "は巨大化した！" may have stretched last time; Form1: none
};

// clang-format off
constexpr WeightClass kAmateurClass{0, &GameState::AmateurBouts, 7, 1, 1, 9, 0, N_("アマチュア級第{AmateurBouts}回戦"), kAmateur, W::Image29};
constexpr WeightClass kLightClass{1, &GameState::LightBouts, 6, 1, 2, 10, 1, N_("ライト級第{LightBouts}回戦"), kLight, W::Form1};
constexpr WeightClass kFlyClass{2, &GameState::FlyBouts, 7, 2, 3, 10, 2, N_("フライ級第{FlyBouts}回戦"), kFly, W::Form1};
constexpr WeightClass kBantamClass{3, &GameState::BantamBouts, 7, 2, 4, 10, 3, N_("バンダム級第{BantamBouts}回戦"), kBantam, W::Image27};
constexpr WeightClass kFeatherClass{4, &GameState::FeatherBouts, 6, 3, 5, 10, 4, N_("フェザー級第{FeatherBouts}回戦"), kFeather, W::Form1};
constexpr WeightClass kMiddleClass{5, &GameState::MiddleBouts, 6, 3, 6, 7, 5, N_("ミドル級第{MiddleBouts}回戦"), kMiddle, W::Form1};
// clang-format on

constexpr int kHeavyOpensAt = 6;
constexpr int kHeavyTheme = 4;
constexpr int kHeavyBasePower = 7;

struct BattleTheme {
    int number;
    Player player;
    int loopTicks;
};
constexpr std::array kBattleThemes = {
    BattleTheme{1, Player::MediaPlayer10, 54},
    BattleTheme{2, Player::MediaPlayer11, 52},
    BattleTheme{3, Player::MediaPlayer5, 75},
    BattleTheme{4, Player::MediaPlayer12, 64},
};

bool matches(When when, int bouts, const WeightClass& c, int championWins) {
    const bool late = bouts >= c.threshold;
    const bool due = championWins == c.championDue;
    switch (when) {
        case When::Always: return true;
        case When::Early: return !late;
        case When::Late: return late && !due;
        case When::NoChampion: return !(late && due);
        case When::Champion: return late && due;
    }
    return false;
}

// Steps 2 and 3 of every set-up: the class's theme takes over from the town's.
void startBattleMusic(Game& g, int theme) {
    g.state.BattleMusicTick = 0;
    g.state.BattleTheme = theme;
    g.form.enable(Timer::Timer3);
    stopTownMusic(g);
}

void writeOpening(Game& g, std::string_view opening) {
    g.caption(W::Label31, opening);
    g.caption(W::Label32, N_("対戦相手は{EnemyName}です！！"));
    g.caption(W::Label33, N_("戦闘開始！！！"));
}

void setUpBout(Game& g, const WeightClass& c) {
    GameState& s = g.state;
    if (s.TitleIndex < c.opensAt) return;
    s.ChampionBout = 0;
    s.ChallengerBout = kNoChallengerBout;
    startBattleMusic(g, c.theme);
    if (c.unstretch != W::Form1) g.form.setStretch(c.unstretch, false);
    g.form.show(W::Panel5);
    g.form.hide(W::Panel8);
    g.form.show(W::Panel9);
    s.TalkState = talk::kNothing;
    const int bouts = addClamped(s.*c.bouts, 1);
    s.EnemyPower = c.basePower;
    const int drawn = g.draw(c.drawSize);

    for (const Opponent& o : c.opponents) {
        if (o.draw != drawn || !matches(o.when, bouts, c, s.ChampionWins)) continue;
        s.EnemyDefense = o.defense;
        s.EnemyKind = o.kind;
        g.setText(&GameState::EnemyName, Text(o.name));
        s.EnemyHp = o.hp;
        s.EnemyExp = o.exp;
        s.EnemyPower = o.power;
        if (o.picture != kAnnounced) g.form.show(o.picture);
        // The old man is spared the amateurs' strength, but not the amateur champion's.
        if (&c == &kAmateurClass && s.HeroId == 1) s.EnemyPower = 1;
        if (o.when == When::Champion) {
            g.form.hide(W::Panel5, W::Panel9);
            s.EnemyPower = o.power;
            g.form.show(W::Label65);
        }
        break;
    }
    writeOpening(g, c.opening);
}

}  // namespace

void Button6Click(Game& g) {
    g.form.hide(W::Button1, W::Panel4);
    g.form.show(W::Panel8);
}

void Button15Click(Game& g) {
    g.form.hide(W::Panel8);
    g.form.show(W::Panel4, W::Button1);
}

void Button9Click(Game& g) { setUpBout(g, kAmateurClass); }
void Button10Click(Game& g) { setUpBout(g, kLightClass); }
void Button11Click(Game& g) { setUpBout(g, kFlyClass); }
void Button12Click(Game& g) { setUpBout(g, kBantamClass); }
void Button16Click(Game& g) { setUpBout(g, kFeatherClass); }
void Button13Click(Game& g) { setUpBout(g, kMiddleClass); }

// The heavy class draws nothing: it always sends the next challenger.
void Button14Click(Game& g) {
    GameState& s = g.state;
    if (s.TitleIndex < kHeavyOpensAt || s.ChallengerWins >= kChallengerCount) return;
    const Challenger* c = dueChallenger(s);
    if (c == nullptr) return;  // a ChallengerWins no bout exists for
    s.ChampionBout = 0;
    startBattleMusic(g, kHeavyTheme);
    g.form.show(W::Panel5);
    g.form.hide(W::Panel8, W::Panel9);
    s.TalkState = talk::kNothing;
    addClamped(s.HeavyBouts, 1);
    s.EnemyPower = kHeavyBasePower;
    s.EnemyDefense = c->defense;
    s.EnemyKind = c->kind;
    g.setText(&GameState::EnemyName, Text(c->name));
    s.EnemyHp = c->hp;
    s.EnemyExp = c->exp;
    s.EnemyPower = c->power;
    s.ChallengerBout = c->wins;
    g.form.show(W::Label66);
    writeOpening(g, N_("ヘビー級第{HeavyBouts}回戦"));
}

void Timer3Timer(Game& g) {
    GameState& s = g.state;
    addClamped(s.BattleMusicTick, 1);
    for (const BattleTheme& t : kBattleThemes) {
        if (t.number != s.BattleTheme) continue;
        if (s.BattleMusicTick == 1) g.sound.play(t.player);
        if (s.BattleMusicTick == t.loopTicks) {
            g.sound.seekToStart(t.player);
            s.BattleMusicTick = 0;
        }
    }
}

}  // namespace verminadia
