// The arena: entering and leaving it, the seven weight classes that set up a bout, and the
// battle theme that loops while a fight lasts.

#include <array>
#include <span>
#include <string>
#include <string_view>

#include "arena/battle_music.h"
#include "arena/handlers.h"
#include "arena/special_bouts.h"
#include "arena/texts.h"
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
    Naming naming = Naming::Thing;
    int hp, power, defense;
    FoeKind kind;
    int exp;
    W picture;  // W::Window: none yet, the champion waits behind its announcement
};

constexpr W kAnnounced = W::Window;

// clang-format off
constexpr std::array kAmateur = {
    Opponent{.draw = 0, .when = When::Always, .name = N_("100円マン"), .hp = 20, .power = 1, .defense = 2, .kind = FoeKind::Ordinary, .exp = 2, .picture = W::HundredYenManPicture},
    Opponent{.draw = 1, .when = When::Always, .name = N_("ズンダラ"), .naming = Naming::Person, .hp = 20, .power = 2, .defense = 2, .kind = FoeKind::Zundara, .exp = 2, .picture = W::ZundaraPicture},
    Opponent{.draw = 2, .when = When::Always, .name = N_("スライム"), .hp = 20, .power = 1, .defense = 2, .kind = FoeKind::Ordinary, .exp = 2, .picture = W::SlimePicture},
    Opponent{.draw = 3, .when = When::Always, .name = N_("浮遊顔"), .hp = 15, .power = 2, .defense = 2, .kind = FoeKind::Ordinary, .exp = 1, .picture = W::FloatingFacePicture},
    Opponent{.draw = 4, .when = When::Always, .name = N_("ズンダラ"), .naming = Naming::Person, .hp = 18, .power = 1, .defense = 4, .kind = FoeKind::Zundara, .exp = 2, .picture = W::ZundaraPicture},
    Opponent{.draw = 5, .when = When::Early, .name = N_("黄魔人"), .hp = 12, .power = 2, .defense = 4, .kind = FoeKind::Ordinary, .exp = 2, .picture = W::YellowDemonPicture},
    Opponent{.draw = 5, .when = When::Late, .name = N_("黄色魔人"), .hp = 12, .power = 1, .defense = 4, .kind = FoeKind::Ordinary, .exp = 2, .picture = W::YellowDemonPicture},
    Opponent{.draw = 5, .when = When::Champion, .name = N_("ズンダラデラックス"), .naming = Naming::Person, .hp = 35, .power = 3, .defense = 3, .kind = FoeKind::ZundaraDeluxe, .exp = 5, .picture = kAnnounced},
    Opponent{.draw = 6, .when = When::Always, .name = N_("生命物体"), .hp = 15, .power = 2, .defense = 2, .kind = FoeKind::Ordinary, .exp = 2, .picture = W::LifeFormPicture},
};
constexpr std::array kLight = {
    Opponent{.draw = 0, .when = When::Always, .name = N_("ゴキブリ"), .hp = 30, .power = 2, .defense = 2, .kind = FoeKind::Cockroach, .exp = 4, .picture = W::CockroachPicture},
    Opponent{.draw = 1, .when = When::Always, .name = N_("ゾンビ"), .hp = 20, .power = 2, .defense = 6, .kind = FoeKind::Zombie, .exp = 5, .picture = W::ZombiePicture},
    Opponent{.draw = 2, .when = When::Always, .name = N_("宇宙人"), .hp = 28, .power = 2, .defense = 2, .kind = FoeKind::Alien, .exp = 5, .picture = W::AlienPicture},
    Opponent{.draw = 3, .when = When::Always, .name = N_("兵隊"), .hp = 26, .power = 2, .defense = 3, .kind = FoeKind::Ordinary, .exp = 4, .picture = W::SoldierPicture},
    Opponent{.draw = 4, .when = When::Early, .name = N_("チッポ君"), .naming = Naming::Person, .hp = 30, .power = 2, .defense = 2, .kind = FoeKind::Chippo, .exp = 4, .picture = W::ChippoPicture},
    Opponent{.draw = 4, .when = When::Late, .name = N_("チッポ君"), .naming = Naming::Person, .hp = 32, .power = 2, .defense = 2, .kind = FoeKind::Chippo, .exp = 5, .picture = W::ChippoPicture},
    Opponent{.draw = 4, .when = When::Champion, .name = N_("ポロネ五段"), .naming = Naming::Person, .hp = 60, .power = 3, .defense = 3, .kind = FoeKind::Wrestler, .exp = 8, .picture = kAnnounced},
    Opponent{.draw = 5, .when = When::Always, .name = N_("お星様"), .hp = 26, .power = 2, .defense = 3, .kind = FoeKind::Ordinary, .exp = 4, .picture = W::StarPicture},
};
constexpr std::array kFly = {
    Opponent{.draw = 0, .when = When::Always, .name = N_("トラ"), .hp = 50, .power = 3, .defense = 4, .kind = FoeKind::Beast, .exp = 6, .picture = W::TigerPicture},
    Opponent{.draw = 1, .when = When::Always, .name = N_("人食い族"), .hp = 55, .power = 3, .defense = 3, .kind = FoeKind::Beast, .exp = 6, .picture = W::CannibalPicture},
    Opponent{.draw = 2, .when = When::Always, .name = N_("ヅラズンダラ"), .naming = Naming::Person, .hp = 50, .power = 3, .defense = 4, .kind = FoeKind::WigZundara, .exp = 5, .picture = W::WigZundaraPicture},
    Opponent{.draw = 3, .when = When::Always, .name = N_("野ウサギ"), .hp = 60, .power = 3, .defense = 3, .kind = FoeKind::Hare, .exp = 6, .picture = W::HarePicture},
    Opponent{.draw = 4, .when = When::Early, .name = N_("ヘビ魔人"), .hp = 40, .power = 3, .defense = 4, .kind = FoeKind::Beast, .exp = 5, .picture = W::SnakeDemonPicture},
    Opponent{.draw = 4, .when = When::Late, .name = N_("ヘビ魔人"), .hp = 40, .power = 3, .defense = 4, .kind = FoeKind::Beast, .exp = 6, .picture = W::SnakeDemonPicture},
    Opponent{.draw = 4, .when = When::Champion, .name = N_("警察官ムッカ"), .naming = Naming::Person, .hp = 85, .power = 4, .defense = 2, .kind = FoeKind::Policeman, .exp = 10, .picture = kAnnounced},
    Opponent{.draw = 5, .when = When::Always, .name = N_("偽太陽"), .hp = 50, .power = 3, .defense = 3, .kind = FoeKind::FalseSun, .exp = 6, .picture = W::FalseSunPicture},
    Opponent{.draw = 6, .when = When::Always, .name = N_("ナントカ星人"), .hp = 50, .power = 3, .defense = 3, .kind = FoeKind::Alien, .exp = 6, .picture = W::NantokaAlienPicture},
};
constexpr std::array kBantam = {
    Opponent{.draw = 0, .when = When::Always, .name = N_("モヒズンダラ"), .naming = Naming::Person, .hp = 60, .power = 4, .defense = 3, .kind = FoeKind::Zundara, .exp = 8, .picture = W::MohawkZundaraPicture},
    Opponent{.draw = 1, .when = When::Always, .name = N_("魔界の戦士"), .hp = 40, .power = 4, .defense = 7, .kind = FoeKind::Ordinary, .exp = 9, .picture = W::SoldierPicture},
    Opponent{.draw = 2, .when = When::Always, .name = N_("カエル"), .hp = 50, .power = 4, .defense = 5, .kind = FoeKind::Frog, .exp = 7, .picture = W::FrogPicture},
    Opponent{.draw = 3, .when = When::Always, .name = N_("恐怖の目玉"), .hp = 30, .power = 4, .defense = 10, .kind = FoeKind::Ordinary, .exp = 8, .picture = W::EyeballPicture},
    Opponent{.draw = 4, .when = When::NoChampion, .name = N_("ズンダラレッド"), .naming = Naming::Person, .hp = 60, .power = 4, .defense = 4, .kind = FoeKind::Zundara, .exp = 7, .picture = W::ZundaraRedPicture},
    Opponent{.draw = 4, .when = When::Champion, .name = N_("扇風機マン"), .hp = 100, .power = 5, .defense = 4, .kind = FoeKind::FanMan, .exp = 15, .picture = kAnnounced},
    Opponent{.draw = 5, .when = When::Always, .name = N_("ピョンちゃん"), .naming = Naming::Person, .hp = 60, .power = 4, .defense = 4, .kind = FoeKind::Ordinary, .exp = 8, .picture = W::PyonPicture},
    Opponent{.draw = 6, .when = When::Always, .name = N_("ウワサのピピちゃん"), .naming = Naming::Person, .hp = 60, .power = 4, .defense = 4, .kind = FoeKind::Ordinary, .exp = 8, .picture = W::PipiPicture},
};
constexpr std::array kFeather = {
    Opponent{.draw = 0, .when = When::Always, .name = N_("偉大な博士"), .hp = 70, .power = 5, .defense = 3, .kind = FoeKind::Doctor, .exp = 10, .picture = W::GreatDoctorPicture},
    Opponent{.draw = 1, .when = When::Always, .name = N_("マスター"), .hp = 50, .power = 5, .defense = 6, .kind = FoeKind::Bartender, .exp = 11, .picture = W::MasterPicture},
    Opponent{.draw = 2, .when = When::Always, .name = N_("悲劇の魚屋"), .hp = 80, .power = 5, .defense = 3, .kind = FoeKind::Hothead, .exp = 10, .picture = W::FishmongerPicture},
    Opponent{.draw = 3, .when = When::Always, .name = N_("指揮官"), .hp = 65, .power = 5, .defense = 5, .kind = FoeKind::Hothead, .exp = 11, .picture = W::SoldierPicture},
    Opponent{.draw = 4, .when = When::Early, .name = N_("多忙な商人"), .hp = 60, .power = 5, .defense = 2, .kind = FoeKind::Merchant, .exp = 10, .picture = W::MerchantPicture},
    Opponent{.draw = 4, .when = When::Late, .name = N_("赤字の商人"), .hp = 60, .power = 5, .defense = 2, .kind = FoeKind::Merchant, .exp = 11, .picture = W::MerchantPicture},
    Opponent{.draw = 4, .when = When::Champion, .name = N_("ロクロ首"), .hp = 140, .power = 6, .defense = 4, .kind = FoeKind::Beast, .exp = 20, .picture = kAnnounced},
    Opponent{.draw = 5, .when = When::Always, .name = N_("オリンピック候補"), .hp = 70, .power = 5, .defense = 4, .kind = FoeKind::Ordinary, .exp = 12, .picture = W::OlympicHopefulPicture},
};
constexpr std::array kMiddle = {
    Opponent{.draw = 0, .when = When::Always, .name = N_("自由の酪農家"), .hp = 100, .power = 6, .defense = 2, .kind = FoeKind::Dairyman, .exp = 15, .picture = W::DairyFarmerPicture},
    Opponent{.draw = 1, .when = When::Always, .name = N_("龍神の弟"), .hp = 50, .power = 6, .defense = 100, .kind = FoeKind::DragonGodsBrother, .exp = 14, .picture = W::DragonGodsBrotherPicture},
    Opponent{.draw = 2, .when = When::Always, .name = N_("究極の魔法使い"), .hp = 60, .power = 6, .defense = 100, .kind = FoeKind::Sorcerer, .exp = 17, .picture = W::WizardPicture},
    Opponent{.draw = 3, .when = When::Always, .name = N_("泉仙人"), .hp = 25, .power = 6, .defense = 15, .kind = FoeKind::Hermit, .exp = 16, .picture = W::SpringHermitPicture},
    Opponent{.draw = 4, .when = When::NoChampion, .name = N_("ズンダラホワイト"), .naming = Naming::Person, .hp = 100, .power = 6, .defense = 2, .kind = FoeKind::WhiteZundara, .exp = 15, .picture = W::ZundaraWhitePicture},
    Opponent{.draw = 4, .when = When::Champion, .name = N_("謎の男"), .hp = 200, .power = 7, .defense = 4, .kind = FoeKind::Riddler, .exp = 30, .picture = kAnnounced},
    Opponent{.draw = 5, .when = When::Always, .name = N_("目覚まし時計魔人"), .hp = 120, .power = 6, .defense = 3, .kind = FoeKind::Ordinary, .exp = 16, .picture = W::AlarmClockDemonPicture},
};
// clang-format on

struct WeightClass {
    int opensAt;  // TitleIndex needed
    std::int32_t GameState::*bouts;
    int drawSize;
    int theme;
    int threshold;             // the champion may come from this bout of the class on
    int championDue;           // ChampionWins when this class's champion is the next one
    std::string_view opening;  // the bout's number in the class, the counter named in it
    std::span<const Opponent> opponents;
    W unstretch;  // a picture that "は巨大化した！" may have stretched last time; W::Window: none
};

// clang-format off
constexpr WeightClass kAmateurClass{
    .opensAt = 0, .bouts = &GameState::AmateurBouts, .drawSize = 7, .theme = 1, .threshold = 9, .championDue = 0,
    .opening = N_("アマチュア級第{AmateurBouts}回戦"), .opponents = kAmateur, .unstretch = W::ZundaraDeluxePicture};
constexpr WeightClass kLightClass{
    .opensAt = 1, .bouts = &GameState::LightBouts, .drawSize = 6, .theme = 1, .threshold = 10, .championDue = 1,
    .opening = N_("ライト級第{LightBouts}回戦"), .opponents = kLight, .unstretch = W::Window};
constexpr WeightClass kFlyClass{
    .opensAt = 2, .bouts = &GameState::FlyBouts, .drawSize = 7, .theme = 2, .threshold = 10, .championDue = 2,
    .opening = N_("フライ級第{FlyBouts}回戦"), .opponents = kFly, .unstretch = W::Window};
constexpr WeightClass kBantamClass{
    .opensAt = 3, .bouts = &GameState::BantamBouts, .drawSize = 7, .theme = 2, .threshold = 10, .championDue = 3,
    .opening = N_("バンダム級第{BantamBouts}回戦"), .opponents = kBantam, .unstretch = W::FrogPicture};
constexpr WeightClass kFeatherClass{
    .opensAt = 4, .bouts = &GameState::FeatherBouts, .drawSize = 6, .theme = 3, .threshold = 10, .championDue = 4,
    .opening = N_("フェザー級第{FeatherBouts}回戦"), .opponents = kFeather, .unstretch = W::Window};
constexpr WeightClass kMiddleClass{
    .opensAt = 5, .bouts = &GameState::MiddleBouts, .drawSize = 6, .theme = 3, .threshold = 7, .championDue = 5,
    .opening = N_("ミドル級第{MiddleBouts}回戦"), .opponents = kMiddle, .unstretch = W::Window};
// clang-format on

constexpr int kHeavyOpensAt = 6;
constexpr int kHeavyTheme = 4;

// The number a weight class gives its theme; each loops as music/sounds.tsv says.
struct BattleTheme {
    int number;
    Player tune;
};
constexpr std::array kBattleThemes = {
    BattleTheme{1, Tune::Battle1},
    BattleTheme{2, Tune::Battle2},
    BattleTheme{3, Tune::Battle3},
    BattleTheme{4, Tune::Battle4},
};

// `late`: the bout counter has reached the class's threshold; `due`: this class's champion is next.
constexpr bool matches(When when, bool late, bool due) {
    switch (when) {
        case When::Always: return true;
        case When::Early: return !late;
        case When::Late: return late && !due;
        case When::NoChampion: return !(late && due);
        case When::Champion: return late && due;
    }
    return false;
}

// Every draw of a class finds its opponent, whatever the bout and the champions beaten.
constexpr bool everyDrawMeetsOne(const WeightClass& c) {
    for (int drawn = 0; drawn < c.drawSize; ++drawn) {
        for (const bool late : {false, true}) {
            for (const bool due : {false, true}) {
                bool met = false;
                for (const Opponent& o : c.opponents) met = met || (o.draw == drawn && matches(o.when, late, due));
                if (!met) return false;
            }
        }
    }
    return true;
}
static_assert(everyDrawMeetsOne(kAmateurClass) && everyDrawMeetsOne(kLightClass) && everyDrawMeetsOne(kFlyClass) &&
              everyDrawMeetsOne(kBantamClass) && everyDrawMeetsOne(kFeatherClass) && everyDrawMeetsOne(kMiddleClass));

// Steps 2 and 3 of every set-up: the class's theme takes over from the town's.
void startBattleMusic(Game& g, int theme) {
    g.state.BattleMusicTick = 0;
    g.state.BattleTheme = theme;
    g.form.enable(Timer::BattleMusic);
    stopTownMusic(g);
}

void writeOpening(Game& g, std::string_view opening) {
    g.caption(W::MessageLine1, opening);
    g.caption(W::MessageLine2, N_("対戦相手は{EnemyName}です！！"));
    g.caption(W::MessageLine3, N_("戦闘開始！！！"));
}

void setUpBout(Game& g, const WeightClass& c) {
    GameState& s = g.state;
    if (s.TitleIndex < c.opensAt) return;
    s.ChampionBout = 0;
    s.ChallengerBout = kNoChallengerBout;
    startBattleMusic(g, c.theme);
    if (c.unstretch != W::Window) g.form.setStretch(c.unstretch, false);
    g.form.show(W::MessagePanel);
    g.form.hide(W::ClassChoicePanel);
    g.form.show(W::CommandPanel);
    s.TalkState = talk::kNothing;
    const bool late = addClamped(s.*c.bouts, 1) >= c.threshold;
    const bool due = s.ChampionWins == c.championDue;
    const int drawn = g.draw(c.drawSize);

    for (const Opponent& o : c.opponents) {
        if (o.draw != drawn || !matches(o.when, late, due)) continue;
        s.EnemyDefense = o.defense;
        s.EnemyKind = static_cast<std::int32_t>(o.kind);
        g.state.EnemyName = opponentName(o.name, o.naming);
        s.EnemyHp = o.hp;
        s.EnemyExp = o.exp;
        s.EnemyPower = o.power;
        if (o.picture != kAnnounced) g.form.show(o.picture);
        // The old man is spared the amateurs' strength, but not the amateur champion's.
        if (&c == &kAmateurClass && s.HeroId == 1) s.EnemyPower = 1;
        if (o.when == When::Champion) {
            g.form.hide(W::MessagePanel, W::CommandPanel);
            s.EnemyPower = o.power;
            g.form.show(W::ChampionAppears);
        }
        break;
    }
    writeOpening(g, c.opening);
}

}  // namespace

void enterArena(Game& g) {
    g.form.hide(W::StatusButton, W::TownButtons);
    g.form.show(W::ClassChoicePanel);
}

void leaveArena(Game& g) {
    g.form.hide(W::ClassChoicePanel);
    g.form.show(W::TownButtons, W::StatusButton);
}

void startAmateurBout(Game& g) { setUpBout(g, kAmateurClass); }
void startLightBout(Game& g) { setUpBout(g, kLightClass); }
void startFlyBout(Game& g) { setUpBout(g, kFlyClass); }
void startBantamBout(Game& g) { setUpBout(g, kBantamClass); }
void startFeatherBout(Game& g) { setUpBout(g, kFeatherClass); }
void startMiddleBout(Game& g) { setUpBout(g, kMiddleClass); }

// The heavy class draws nothing: it always sends the next challenger.
void startHeavyBout(Game& g) {
    GameState& s = g.state;
    if (s.TitleIndex < kHeavyOpensAt || s.ChallengerWins >= kChallengerCount) return;
    const Challenger* c = dueChallenger(s);
    if (c == nullptr) return;  // a ChallengerWins no bout exists for
    s.ChampionBout = 0;
    startBattleMusic(g, kHeavyTheme);
    g.form.show(W::MessagePanel);
    g.form.hide(W::ClassChoicePanel, W::CommandPanel);
    s.TalkState = talk::kNothing;
    addClamped(s.HeavyBouts, 1);
    s.EnemyDefense = c->defense;
    s.EnemyKind = static_cast<std::int32_t>(c->kind);
    g.state.EnemyName = opponentName(c->name, c->naming);
    s.EnemyHp = c->hp;
    s.EnemyExp = c->exp;
    s.EnemyPower = c->power;
    s.ChallengerBout = c->wins;
    g.form.show(W::ChallengerAppears);
    writeOpening(g, N_("ヘビー級第{HeavyBouts}回戦"));
}

void loopBattleTheme(Game& g) {
    GameState& s = g.state;
    addClamped(s.BattleMusicTick, 1);
    for (const BattleTheme& t : kBattleThemes) {
        if (t.number != s.BattleTheme) continue;
        if (s.BattleMusicTick == 1) g.sound.play(t.tune);
        if (s.BattleMusicTick == def(t.tune).loopTicks) {
            g.sound.seekToStart(t.tune);
            s.BattleMusicTick = 0;
        }
    }
}

void stopBattleMusic(Game& g) {
    for (const BattleTheme& t : kBattleThemes) g.sound.stopAndRewind(t.tune);
    g.form.disable(Timer::BattleMusic);
    g.state.BattleMusicTick = 0;
}

}  // namespace verminadia
