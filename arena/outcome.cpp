// How a fight ends: the victory with its prize and the champion and challenger progress, the
// experience and the one level-up it may bring, the way back to the weight classes; the defeat
// with its title of disgrace, and the way back to town with half the money.

#include "arena/outcome.h"

#include <array>
#include <string>

#include "core/career.h"
#include "core/game.h"
#include "core/town_bar_texts.h"
#include "core/whole_numbers.h"
#include "town/store.h"

namespace verminadia {

namespace {

// Every opponent's picture, the champions' and challengers' included.
// clang-format off
constexpr std::array kOpponentPictures = {
    W::Image6, W::Image7, W::Image8, W::Image9, W::Image10, W::Image11, W::Image12, W::Image13,
    W::Image14, W::Image15, W::Image16, W::Image17, W::Image18, W::Image19, W::Image20, W::Image21,
    W::Image22, W::Image23, W::Image24, W::Image25, W::Image26, W::Image27, W::Image28, W::Image29,
    W::Image36, W::Image37, W::Image38, W::Image39, W::Image40, W::Image41, W::Image42, W::Image43,
    W::Image44, W::Image45, W::Image46, W::Image47, W::Image48, W::Image49, W::Image50, W::Image51,
    W::Image57, W::Image58, W::Image59, W::Image60, W::Image61, W::Image62, W::Image63, W::Image64,
};
// clang-format on
static_assert(kOpponentPictures.size() == 48);

// A level-up is due when Exp is above the threshold of the current level. Four levels also
// teach a skill: its entry on the skill panel and its line on the status screen.
struct LevelStep {
    int level;
    int threshold;
    W skillEntry = W::Form1;  // Form1: no new skill
    W statusLine = W::Form1;
};
// clang-format off
constexpr std::array kLevels = {
    LevelStep{1, 10},
    LevelStep{2, 25, W::Label61, W::Label56},
    LevelStep{3, 50},
    LevelStep{4, 90},
    LevelStep{5, 150, W::Label62, W::Label57},
    LevelStep{6, 230},
    LevelStep{7, 330},
    LevelStep{8, 480, W::Label63, W::Label58},
    LevelStep{9, 680},
    LevelStep{10, 880},
    LevelStep{11, 1080, W::Label64, W::Label59},
    LevelStep{12, 1300},
    LevelStep{13, 1520},
    LevelStep{14, 1750},
    LevelStep{15, 2000},
    LevelStep{16, 2250},
    LevelStep{17, 2500},
    LevelStep{18, 2750},
    LevelStep{19, 3000},
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
    g.sound.stop(Player::MediaPlayer5);
    g.sound.stopAndRewind(Player::MediaPlayer10);
    g.sound.stopAndRewind(Player::MediaPlayer11);
    g.sound.stopAndRewind(Player::MediaPlayer12);
    g.sound.play(Player::MediaPlayer2);
    g.sound.seekToStart(Player::MediaPlayer5);
    g.form.disable(Timer::Timer3);
    s.BattleMusicTick = 0;
    const int drawn = g.draw(2);
    s.LastAmount = clampedInt(std::int64_t{s.EnemyPower} * kPrizePerPower + drawn);
    g.caption(W::Label31, N_("{EnemyName}を倒した。"));
    g.caption(W::Label32, N_("{HeroName}は{LastAmount}円手に入れた。"));
    g.form.setCaption(W::Label33, "");
    addClamped(s.Gold, s.LastAmount);
    addClamped(s.Exp, s.EnemyExp);
    showMoney(g);

    if (s.ChampionBout >= 1 && s.ChampionBout <= kTitleChampions) {
        addClamped(s.ChampionWins, 1);
        if (s.ChampionBout == kFourthChampion) changeStoreStock(g);
        // Hero 0 never gets the casino: it is his own.
        if (s.ChampionBout == kSixthChampion && s.HeroId >= 1 && s.HeroId <= 3) g.form.show(W::Button25);
    }
    for (int k = kChallengerCount - 1; k >= 0; --k) {
        if (s.ChallengerBout == k && s.ChallengerWins == k) s.ChallengerWins = k + 1;
    }
}

void defeat(Game& g) {
    GameState& s = g.state;
    g.sound.stopAndRewind(Player::MediaPlayer5);
    g.sound.stopAndRewind(Player::MediaPlayer10);
    g.sound.stopAndRewind(Player::MediaPlayer11);
    g.sound.stopAndRewind(Player::MediaPlayer12);
    g.sound.play(Player::MediaPlayer6);
    g.form.disable(Timer::Timer3);
    s.BattleMusicTick = 0;
    g.caption(W::Label33, N_("{HeroName}は負けてしまった。"));
    g.setText(&GameState::TitleName, g.text(&GameState::Title0Name));
    g.form.setCaption(W::Label13, g.text(&GameState::TitleName));
    g.form.hide(W::Panel9);
    s.TalkState = talk::kDefeatAftermath;
}

void experienceStep(Game& g) {
    GameState& s = g.state;
    g.sound.stopAndRewind(Player::MediaPlayer2);
    s.TalkState = talk::kBackToClasses;
    hideOpponentPictures(g);
    g.caption(W::Label31, N_("{EnemyExp}の経験値を手に入れた。"));
    g.form.setCaption(W::Label32, "");
    g.form.setCaption(W::Label33, "");
    g.setText(&GameState::PendingLine2, g.text(N_("{HeroName}はLVが上がった。")));
    g.setText(&GameState::PendingLine3, Text(N_("新しい特技を覚えた。")));
    g.draw(2);
    // Only the current level's threshold counts: one victory, one level-up at most.
    const LevelStep* l = levelStep(s.Level);
    if (l != nullptr && s.Exp > l->threshold) {
        s.TalkState = talk::kLevelUp;
        if (l->skillEntry != W::Form1) g.form.show(l->skillEntry, l->statusLine);
    }
}

void levelUpStep(Game& g) {
    GameState& s = g.state;
    g.sound.play(Player::MediaPlayer4);
    g.form.setCaption(W::Label32, g.text(&GameState::PendingLine2));
    const LevelStep* l = levelStep(s.Level);
    if (l != nullptr && l->skillEntry != W::Form1) g.form.setCaption(W::Label33, g.text(&GameState::PendingLine3));
    s.TalkState = talk::kBackToClasses;
    addClamped(s.Level, 1);
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
    g.sound.stopAndRewind(Player::MediaPlayer4);
    g.form.enable(Timer::Timer2);
    g.form.hide(W::Panel5);
    g.form.show(W::Panel8);
}

void defeatAftermathStep(Game& g) {
    GameState& s = g.state;
    g.sound.stopAndRewind(Player::MediaPlayer6);
    g.form.enable(Timer::Timer2);
    hideOpponentPictures(g);
    s.Gold /= 2;
    showMoney(g);
    s.Hp = s.MaxHp;
    showHp(g);
    g.form.show(W::Panel4, W::Button1);
    g.form.hide(W::Panel5);
}

}  // namespace verminadia
