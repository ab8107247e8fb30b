// How a fight ends: the victory with its prize and the champion and challenger progress, the
// experience and the one level-up it may bring, the way back to the weight classes; the defeat
// with its title of disgrace, and the way back to town with half the money.

#include "arena/outcome.h"

#include <array>
#include <string>

#include "arena/battle_music.h"
#include "core/career.h"
#include "core/game.h"
#include "core/text/town_bar.h"
#include "core/whole_numbers.h"
#include "town/store.h"

namespace verminadia {

namespace {

// Every opponent's picture, the champions' and challengers' included.
// clang-format off
constexpr std::array kOpponentPictures = {
    W::HundredYenManPicture, W::ZundaraPicture, W::SlimePicture, W::FloatingFacePicture, W::CockroachPicture, W::ZombiePicture, W::TigerPicture, W::AlienPicture,
    W::CannibalPicture, W::FanManPicture, W::SoldierPicture, W::GreatDoctorPicture, W::MasterPicture, W::FishmongerPicture, W::DairyFarmerPicture, W::DragonGodsBrotherPicture,
    W::WizardPicture, W::SpringHermitPicture, W::RuinsGodPicture, W::MysteriousManPicture, W::DemonKingPicture, W::FrogPicture, W::EyeballPicture, W::ZundaraDeluxePicture,
    W::HarePicture, W::YellowDemonPicture, W::ChippoPicture, W::SnakeDemonPicture, W::MerchantPicture, W::PoronePicture, W::ZundaraRedPicture, W::ZundaraWhitePicture,
    W::MukkaPicture, W::WigZundaraPicture, W::MohawkZundaraPicture, W::RokurokubiPicture, W::MizelChallengerPicture, W::OldMoanerChallengerPicture, W::RoninChallengerPicture, W::TorubaChallengerPicture,
    W::FalseSunPicture, W::LifeFormPicture, W::StarPicture, W::PyonPicture, W::AlarmClockDemonPicture, W::NantokaAlienPicture, W::OlympicHopefulPicture, W::PipiPicture,
};
// clang-format on
static_assert(kOpponentPictures.size() == 48);

// A level-up is due when Exp is above the threshold of the current level. Four levels also
// teach a skill: its entry on the skill panel and its line on the status screen.
struct LevelStep {
    int level;
    int threshold;
    W skillEntry = W::Window;  // W::Window: no new skill
    W statusLine = W::Window;
};
// clang-format off
constexpr std::array kLevels = {
    LevelStep{.level = 1, .threshold = 10},
    LevelStep{.level = 2, .threshold = 25, .skillEntry = W::Skill1Entry, .statusLine = W::StatusSkill1},
    LevelStep{.level = 3, .threshold = 50},
    LevelStep{.level = 4, .threshold = 90},
    LevelStep{.level = 5, .threshold = 150, .skillEntry = W::Skill2Entry, .statusLine = W::StatusSkill2},
    LevelStep{.level = 6, .threshold = 230},
    LevelStep{.level = 7, .threshold = 330},
    LevelStep{.level = 8, .threshold = 480, .skillEntry = W::Skill3Entry, .statusLine = W::StatusSkill3},
    LevelStep{.level = 9, .threshold = 680},
    LevelStep{.level = 10, .threshold = 880},
    LevelStep{.level = 11, .threshold = 1080, .skillEntry = W::Skill4Entry, .statusLine = W::StatusSkill4},
    LevelStep{.level = 12, .threshold = 1300},
    LevelStep{.level = 13, .threshold = 1520},
    LevelStep{.level = 14, .threshold = 1750},
    LevelStep{.level = 15, .threshold = 2000},
    LevelStep{.level = 16, .threshold = 2250},
    LevelStep{.level = 17, .threshold = 2500},
    LevelStep{.level = 18, .threshold = 2750},
    LevelStep{.level = 19, .threshold = 3000},
};
// clang-format on

// Level 20 has no row: the level never rises above it.
const LevelStep* levelStep(int level) {
    for (const LevelStep& l : kLevels) {
        if (l.level == level) return &l;
    }
    return nullptr;
}

constexpr int kPrizePerPower = 7;
constexpr int kPrizeDraw = 2;
// Drawn with the experience, spent by the level-up: 0 or 1 more on every maximum.
constexpr int kLevelUpGainDraw = 2;
constexpr int kFourthChampion = 4;
constexpr int kSixthChampion = 6;
constexpr int kTitleChampions = 6;

void hideOpponentPictures(Game& g) {
    for (W w : kOpponentPictures) g.form.hide(w);
}

}  // namespace

void victory(Game& g) {
    GameState& s = g.state;
    s.TalkState = talk::kExperience;
    stopBattleMusic(g);
    g.sound.play(Tune::Applause);
    const int drawn = g.draw(kPrizeDraw);
    s.LastAmount = clampedInt(std::int64_t{s.EnemyPower} * kPrizePerPower + drawn);
    g.caption(W::MessageLine1, N_("{EnemyName}を倒した。"));
    g.form.setCaption(W::MessageLine2, g.text(NP_("{HeroName}は{LastAmount}円手に入れた。"), s.LastAmount));
    g.form.setCaption(W::MessageLine3, "");
    addClamped(s.Gold, s.LastAmount);
    addClamped(s.Exp, s.EnemyExp);
    showMoney(g);

    if (s.ChampionBout >= 1 && s.ChampionBout <= kTitleChampions) {
        addClamped(s.ChampionWins, 1);
        if (s.ChampionBout == kFourthChampion) changeStoreStock(g);
        // Hero 0 never gets the casino: it is his own.
        if (s.ChampionBout == kSixthChampion && s.HeroId >= 1 && s.HeroId <= 3) g.form.show(W::CasinoButton);
    }
    for (int k = kChallengerCount - 1; k >= 0; --k) {
        if (s.ChallengerBout == k && s.ChallengerWins == k) s.ChallengerWins = k + 1;
    }
}

void defeat(Game& g) {
    GameState& s = g.state;
    stopBattleMusic(g);
    g.sound.play(Tune::Defeat);
    g.caption(W::MessageLine3, N_("{HeroName}は負けてしまった。"));
    g.state.TitleName = g.state.Title0Name;
    g.form.setCaption(W::BarRank, g.state.TitleName);
    g.form.hide(W::CommandPanel);
    s.TalkState = talk::kDefeatAftermath;
}

void experienceStep(Game& g) {
    GameState& s = g.state;
    g.sound.stopAndRewind(Tune::Applause);
    s.TalkState = talk::kBackToClasses;
    hideOpponentPictures(g);
    g.form.setCaption(W::MessageLine1, g.text(NP_("{EnemyExp}の経験値を手に入れた。"), s.EnemyExp));
    g.form.setCaption(W::MessageLine2, "");
    g.form.setCaption(W::MessageLine3, "");
    // The level-up's lines and gains are settled now and told on the next click: its step shows
    // the pending lines and adds the draw, kept in Roll, to every maximum.
    g.state.PendingLine2 = g.text(N_("{HeroName}はLVが上がった。"));
    g.state.PendingLine3 = Text(N_("新しい特技を覚えた。"));
    g.draw(kLevelUpGainDraw);
    // Only the current level's threshold counts: one victory, one level-up at most.
    const LevelStep* l = levelStep(s.Level);
    if (l != nullptr && s.Exp > l->threshold) {
        s.TalkState = talk::kLevelUp;
        if (l->skillEntry != W::Window) g.form.show(l->skillEntry, l->statusLine);
    }
}

void levelUpStep(Game& g) {
    GameState& s = g.state;
    g.sound.play(Tune::LevelUp);
    g.form.setCaption(W::MessageLine2, g.state.PendingLine2);
    const LevelStep* l = levelStep(s.Level);
    if (l != nullptr && l->skillEntry != W::Window) g.form.setCaption(W::MessageLine3, g.state.PendingLine3);
    s.TalkState = talk::kBackToClasses;
    addClamped(s.Level, 1);
    // Roll still holds the draw of the experience step, the click before.
    addClamped(s.MaxHp, std::int64_t{s.Roll} + 3);
    addClamped(s.MaxMp, std::int64_t{s.Roll} + 2);
    addClamped(s.Hp, std::int64_t{s.Roll} + 3);
    addClamped(s.Mp, std::int64_t{s.Roll} + 2);
    addClamped(s.Attack, 1);
    addClamped(s.Defense, 1);
    addClamped(s.Wisdom, 1);
    addClamped(s.Speed, 1);
    showHp(g);
    showMp(g);
    showLevel(g);
}

void backToClassesStep(Game& g) {
    g.sound.stopAndRewind(Tune::LevelUp);
    g.form.enable(Timer::TownMusic);
    g.form.hide(W::MessagePanel);
    g.form.show(W::ClassChoicePanel);
}

void defeatAftermathStep(Game& g) {
    GameState& s = g.state;
    g.sound.stopAndRewind(Tune::Defeat);
    g.form.enable(Timer::TownMusic);
    hideOpponentPictures(g);
    s.Gold /= 2;
    showMoney(g);
    s.Hp = s.MaxHp;
    showHp(g);
    g.form.show(W::TownButtons, W::StatusButton);
    g.form.hide(W::MessagePanel);
}

}  // namespace verminadia
