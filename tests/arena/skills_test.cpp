// "特技": the panel of learned skills, the costs and the refusal that costs nothing, blows that
// no defence reduces, the heal that stops at the top, the white window, each hero's sounds, and
// a career in which skills, not a raised attack, bring down the walls of defence 100.

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "core/career.h"
#include "support/arena.h"

namespace verminadia {
namespace {

using arena_testing::attack;
using arena_testing::bout;
using arena_testing::draws;
using arena_testing::expectCleanRun;
using arena_testing::inArena;
using arena_testing::kClick;
using arena_testing::next;
using test::Played;

// The levels whose level-up teaches skill 1, 2, 3 and 4.
constexpr std::array kTeachingLevels = {2, 5, 8, 11};
constexpr std::array kThresholds = {25, 150, 480, 1080};
constexpr std::array kEntries = {W::Skill1Entry, W::Skill2Entry, W::Skill3Entry, W::Skill4Entry};
const std::array kEntryNames = {designed(W::Skill1Entry), designed(W::Skill2Entry), designed(W::Skill3Entry),
                                designed(W::Skill4Entry)};

// Learns the first `count` skills the way the game teaches them: a won amateur bout whose
// experience brings the level-up of a teaching level. From the class choice back to it.
std::string learnSkills(int count) {
    std::string s;
    for (int k = 0; k < count; ++k) {
        const auto i = static_cast<std::size_t>(k);
        s += "set Level " + std::to_string(kTeachingLevels[i]) + "\nset Exp " + std::to_string(kThresholds[i]) + "\n" +
             bout(designed(W::AmateurButton), 0) + "set EnemyHp 1\n" + attack(0) + next(0) + next(0) +
             std::string(kClick) + std::string(kClick);
    }
    return s;
}

// Opens the skill panel and uses the skill of `slot` (1 to 4) with its draw queued.
std::string skill(int slot, int draw) {
    return std::string("click ") + designed(W::SkillCommand) + "\n" + draws({draw}) + "click " +
           kEntryNames[static_cast<std::size_t>(slot - 1)] + "\n";
}

// A hero who knows every skill, in an amateur bout against "100円マン" (20 HP, defence 2).
Played skilledInBout(int hero, std::string_view setup = "") {
    Played p = inArena(hero);
    p.then(learnSkills(4) + bout(designed(W::AmateurButton), 0) + std::string(setup));
    return p;
}

bool anySkillSoundPlays(const Played& p) {
    for (Player s : {Sfx::Chime, Sfx::TorubaThunder, Sfx::MuromachiBakufa, Sfx::Isono, Sfx::Nnn, Sfx::Nnriro}) {
        if (p.sound().state(s).playing) return true;
    }
    return false;
}

TEST(SkillPanel, ListsOnlyTheLearnedSkillsWithTheirCosts) {
    // No skill yet: the panel holds only "キャンセル".
    auto none = inArena(0);
    none.then(bout(designed(W::AmateurButton), 0) + "click " + designed(W::SkillCommand) + "\n");
    EXPECT_TRUE(none.form().showing(W::SkillPanel));
    EXPECT_FALSE(none.form().showing(W::CommandPanel));
    EXPECT_FALSE(none.form().showing(W::MessagePanel));
    EXPECT_TRUE(none.form().showing(W::SkillCancel));
    for (W w : kEntries) EXPECT_FALSE(none.form().showing(w));

    // Two learned: two entries, each the hero's name for the skill and its cost, no space.
    auto two = inArena(2);
    two.then(learnSkills(2) + bout(designed(W::AmateurButton), 0) + "click " + designed(W::SkillCommand) + "\n");
    const GameState& s = two.state();
    EXPECT_TRUE(two.form().showing(W::Skill1Entry));
    EXPECT_TRUE(two.form().showing(W::Skill2Entry));
    EXPECT_FALSE(two.form().showing(W::Skill3Entry));
    EXPECT_FALSE(two.form().showing(W::Skill4Entry));
    EXPECT_EQ(two.form().caption(W::Skill1Entry), test::japanese(s.Skill1Name) + "(MP3)");
    EXPECT_EQ(two.form().caption(W::Skill2Entry), test::japanese(s.Skill2Name) + "(MP4)");
    EXPECT_EQ(two.form().caption(W::Skill3Entry), test::japanese(s.Skill3Name) + "(MP7)");
    EXPECT_EQ(two.form().caption(W::Skill4Entry), test::japanese(s.Skill4Name) + "(MP15)");
    expectCleanRun(two);
}

TEST(SkillPanel, CancelGoesBackToTheCommandsWithoutUsingTheTurn) {
    auto p = skilledInBout(0);
    const std::string opening = p.form().caption(W::MessageLine1);
    p.then(std::string("click ") + designed(W::SkillCommand) + "\n");
    const std::string opened = p.script->dump();
    p.then(std::string("click ") + designed(W::SkillCancel) + "\n");
    EXPECT_FALSE(p.form().showing(W::SkillPanel));
    EXPECT_TRUE(p.form().showing(W::CommandPanel));
    EXPECT_TRUE(p.form().showing(W::MessagePanel));
    EXPECT_EQ(p.state().TalkState, talk::kNothing);
    EXPECT_EQ(p.form().caption(W::MessageLine1), opening) << "the bout's opening is still there";
    // The panel's own click does nothing, and the hero may choose again.
    const std::string cancelled = p.script->dump();
    p.then(std::string("click ") + designed(W::MessageLine2) + "\n");
    EXPECT_EQ(p.script->dump(), cancelled);
    p.then(attack(0));
    EXPECT_EQ(p.state().TalkState, talk::kOpponentTurn);
    EXPECT_NE(opened, cancelled);
    expectCleanRun(p);
}

TEST(DamageSkills, StrikeForTheBasePlusTheDrawAndSpendTheirCost) {
    struct Case {
        int slot, draw, damage, cost;
    };
    for (const Case& c : {Case{1, 0, 20, 3}, Case{1, 3, 23, 3}, Case{3, 0, 25, 7}, Case{3, 14, 39, 7},
                          Case{4, 0, 45, 15}, Case{4, 49, 94, 15}}) {
        SCOPED_TRACE(std::to_string(c.slot) + " draw " + std::to_string(c.draw));
        auto p = skilledInBout(0, "set EnemyHp 200\nset Mp 40\nset MaxMp 50\n");
        p.then(skill(c.slot, c.draw));
        const GameState& s = p.state();
        const Form& f = p.form();
        EXPECT_EQ(s.EnemyHp, 200 - c.damage);
        EXPECT_EQ(s.LastAmount, c.damage);
        EXPECT_EQ(s.Roll, c.draw);
        EXPECT_EQ(s.Mp, 40 - c.cost);
        EXPECT_EQ(s.TalkState, talk::kOpponentTurn);
        EXPECT_EQ(f.caption(W::MessageLine1), "トルバさん");
        const std::string name = c.slot == 1   ? test::japanese(s.Skill1Name)
                                 : c.slot == 3 ? test::japanese(s.Skill3Name)
                                               : test::japanese(s.Skill4Name);
        EXPECT_EQ(f.caption(W::MessageLine2), "　「" + name + "！！」");
        EXPECT_EQ(f.caption(W::MessageLine3), "100円マンに" + std::to_string(c.damage) + "のダメージを与えた。");
        EXPECT_EQ(f.caption(W::BarMp), "MP　" + std::to_string(40 - c.cost) + "/50");
        EXPECT_TRUE(f.showing(W::MessagePanel));
        EXPECT_FALSE(f.showing(W::SkillPanel));
        EXPECT_FALSE(f.showing(W::CommandPanel)) << "the turn is used up";
        expectCleanRun(p);
    }
}

TEST(DamageSkills, NoDefenceReducesTheBlow) {
    // "光の王", the second challenger: 80 HP behind a defence of 100.
    auto p = inArena(3, "set TitleIndex 6\nset ChampionWins 6\nset ChallengerWins 1\n");
    p.then(learnSkills(4) + "click " + designed(W::HeavyButton) + "\nclick " + designed(W::ChallengerAppears) +
           "\nset Mp 99\n");
    ASSERT_EQ(p.shown(&GameState::EnemyName), "光の王");
    ASSERT_EQ(p.state().EnemyDefense, 100);
    p.then(skill(1, 0));
    EXPECT_EQ(p.state().EnemyHp, 60);
    p.then(next(0) + skill(4, 49));
    EXPECT_EQ(p.state().EnemyHp, 60 - 94) << "no floor at zero either";
    EXPECT_EQ(p.form().caption(W::MessageLine3), "光の王に94のダメージを与えた。");
    expectCleanRun(p);
}

TEST(DamageSkills, ABlowThatFellsTheOpponentWinsAtTheNextClickWithoutAnAnswer) {
    auto p = skilledInBout(0, "set EnemyHp 20\nset Mp 10\n");
    const int hp = p.state().Hp;
    p.then(skill(1, 0));
    EXPECT_EQ(p.state().EnemyHp, 0);
    p.then(next(0));
    EXPECT_EQ(p.form().caption(W::MessageLine1), "100円マンを倒した。");
    EXPECT_EQ(p.state().TalkState, talk::kExperience);
    EXPECT_EQ(p.state().Hp, hp) << "the opponent did not act";
    expectCleanRun(p);
}

TEST(MpCost, TheExactCostIsEnoughAndOneLessIsRefusedForFree) {
    struct Case {
        int slot, cost;
    };
    for (const Case& c : {Case{1, 3}, Case{2, 4}, Case{3, 7}, Case{4, 15}}) {
        SCOPED_TRACE(c.slot);
        auto exact = skilledInBout(1, "set Mp " + std::to_string(c.cost) + "\n");
        exact.then(skill(c.slot, 0));
        EXPECT_EQ(exact.state().Mp, 0);
        EXPECT_EQ(exact.state().TalkState, talk::kOpponentTurn);

        auto shortOf = skilledInBout(1, "set Mp " + std::to_string(c.cost - 1) + "\n");
        const GameState before = shortOf.state();
        // The draw is queued but must not be taken; the next command takes it instead.
        shortOf.then(skill(c.slot, 0));
        const GameState& s = shortOf.state();
        const Form& f = shortOf.form();
        EXPECT_EQ(f.caption(W::MessageLine1), "MPが足りない！！");
        EXPECT_EQ(f.caption(W::MessageLine2), "対戦相手は100円マンです！！") << "lines 2 and 3 keep their text";
        EXPECT_EQ(f.caption(W::MessageLine3), "戦闘開始！！！");
        EXPECT_EQ(s.Mp, c.cost - 1);
        EXPECT_EQ(s.Hp, before.Hp);
        EXPECT_EQ(s.EnemyHp, before.EnemyHp);
        EXPECT_EQ(s.Roll, before.Roll);
        EXPECT_EQ(s.TalkState, talk::kNothing);
        EXPECT_FALSE(anySkillSoundPlays(shortOf));
        EXPECT_EQ(f.windowColor(), kBlack);
        EXPECT_TRUE(f.showing(W::CommandPanel));
        EXPECT_TRUE(f.showing(W::MessagePanel));
        EXPECT_FALSE(f.showing(W::SkillPanel));
        // A click on the panel does nothing; the hero chooses again.
        const std::string refused = shortOf.script->dump();
        shortOf.then(std::string("click ") + designed(W::MessageLine3) + "\n");
        EXPECT_EQ(shortOf.script->dump(), refused);
        shortOf.then(std::string("click ") + designed(W::AttackCommand) + "\n");  // takes the draw left queued
        EXPECT_EQ(shortOf.state().TalkState, talk::kOpponentTurn);
        expectCleanRun(shortOf);
    }
}

TEST(HealSkill, HealsTheDrawnAmountButNeverAboveTheMaximum) {
    struct Case {
        int hp, maxHp, draw, after;
    };
    for (const Case& c :
         {Case{30, 40, 1, 40}, Case{5, 40, 0, 35}, Case{7, 40, 3, 40}, Case{6, 40, 3, 39}, Case{40, 40, 2, 40}}) {
        SCOPED_TRACE(c.hp);
        auto p = skilledInBout(2, "set Mp 4\nset MaxMp 9\nset MaxHp " + std::to_string(c.maxHp) + "\nset Hp " +
                                      std::to_string(c.hp) + "\nset EnemyHp 20\n");
        p.then(skill(2, c.draw));
        const GameState& s = p.state();
        const Form& f = p.form();
        EXPECT_EQ(s.Hp, c.after);
        EXPECT_EQ(s.Mp, 0);
        EXPECT_EQ(s.EnemyHp, 20) << "the heal strikes no one";
        EXPECT_EQ(f.caption(W::MessageLine1), "ミゼル先生");
        EXPECT_EQ(f.caption(W::MessageLine2), "　「" + test::japanese(s.Skill2Name) + "！！」");
        // The line names the amount drawn, even when the top cut it short.
        EXPECT_EQ(f.caption(W::MessageLine3), "ミゼル先生はHPが" + std::to_string(30 + c.draw) + "回復した。");
        EXPECT_EQ(f.caption(W::BarHp), "HP　" + std::to_string(c.after) + "/40");
        EXPECT_EQ(f.caption(W::BarMp), "MP　0/9");
        EXPECT_EQ(s.TalkState, talk::kOpponentTurn);
        expectCleanRun(p);
    }
}

TEST(SkillThree, TurnsTheWindowWhiteUntilTheNextClick) {
    auto p = skilledInBout(0, "set EnemyHp 200\nset Mp 30\n");
    p.then(skill(1, 0));
    EXPECT_EQ(p.form().windowColor(), kBlack) << "only skill 3 lights the window";
    p.then(next(0) + skill(3, 5));
    EXPECT_EQ(p.form().windowColor(), kWhite);
    p.then(next(0));
    EXPECT_EQ(p.form().windowColor(), kBlack);
    EXPECT_EQ(p.state().TalkState, talk::kNothing);
    EXPECT_TRUE(p.form().showing(W::CommandPanel));
    expectCleanRun(p);
}

TEST(SkillSounds, EachHeroHasHisOwnVoiceForTheSameSlot) {
    using P = Player;
    constexpr std::array<std::array<P, 4>, 4> kSounds = {{
        {Sfx::Nnriro, Sfx::Chime, Sfx::TorubaThunder, Sfx::Nnriro},
        {Sfx::MuromachiBakufa, Sfx::Chime, Sfx::Nnriro, Sfx::Nnriro},
        {Sfx::Isono, Sfx::Chime, Sfx::Nnriro, Sfx::Nnriro},
        {Sfx::Nnn, Sfx::Chime, Sfx::Nnn, Sfx::Nnn},
    }};
    for (int hero = 0; hero < 4; ++hero) {
        for (int slot = 1; slot <= 4; ++slot) {
            SCOPED_TRACE("hero " + std::to_string(hero) + " slot " + std::to_string(slot));
            auto p = skilledInBout(hero, "set EnemyHp 200\nset Mp 30\n");
            EXPECT_FALSE(anySkillSoundPlays(p));
            p.then(skill(slot, 0));
            const P expected = kSounds[static_cast<std::size_t>(hero)][static_cast<std::size_t>(slot - 1)];
            EXPECT_TRUE(p.sound().state(expected).playing);
            for (P other : {Sfx::Chime, Sfx::TorubaThunder, Sfx::MuromachiBakufa, Sfx::Isono, Sfx::Nnn, Sfx::Nnriro}) {
                if (other != expected) {
                    EXPECT_FALSE(p.sound().state(other).playing);
                }
            }
        }
    }
}

// The careful player's choice of command: heal when low, strike with the plain attack while it
// bites, and with the strongest skill he can pay for when it does not. The draws are the
// hero's best, as a lucky player's would be.
std::string heroTurn(const Played& p) {
    const GameState& s = p.state();
    const Form& f = p.form();
    if (s.Hp * 2 < s.MaxHp) {
        if (f.visible(W::Skill2Entry) && s.Mp >= 4) return skill(2, 3);
        if (f.visible(W::Item3Entry))
            return std::string("click ") + designed(W::ItemCommand) + "\nclick " + designed(W::Item3Entry) + "\n";
        if (f.visible(W::Item2Entry))
            return std::string("click ") + designed(W::ItemCommand) + "\nclick " + designed(W::Item2Entry) + "\n";
    }
    if (s.Attack + s.WeaponAttack + 2 - s.EnemyDefense >= 10) return attack(2);
    if (f.visible(W::Skill4Entry) && s.Mp >= 15) return skill(4, 49);
    if (f.visible(W::Skill3Entry) && s.Mp >= 7) return skill(3, 14);
    if (f.visible(W::Skill1Entry) && s.Mp >= 3) return skill(1, 3);
    return attack(2);
}

// Fights the bout on screen to the end and clicks back to the class choice.
void fightItOut(Played& p) {
    for (int turn = 0; turn < 60 && p.state().TalkState != talk::kExperience; ++turn) {
        p.then(heroTurn(p) + next(0));
        ASSERT_NE(p.state().TalkState, talk::kDefeatAftermath) << "the hero fell to " << p.shown(&GameState::EnemyName);
    }
    arena_testing::collectTheVictory(p);
}

// Between bouts, when worn: a night at the inn and healing goods from the store, bought with
// the prize money. The equipment stays what the hero started with.
void restIfWorn(Played& p) {
    const GameState& s = p.state();
    if (s.Hp * 3 >= s.MaxHp * 2 && s.Mp * 2 >= s.MaxMp) return;
    p.then(std::string("click ") + designed(W::LeaveArenaButton) + "\nclick " + designed(W::InnButton) + "\nclick " +
           designed(W::StayButton) + "\nclick " + designed(W::LeaveInnButton) + "\nclick " + designed(W::StoreButton) +
           "\n");
    while (p.form().visible(W::StoreItem3) && p.state().Gold >= 300)
        p.then(std::string("click ") + designed(W::StoreItem3) + "\n");
    while (p.form().visible(W::StoreItem2) && p.state().Gold >= 100)
        p.then(std::string("click ") + designed(W::StoreItem2) + "\n");
    p.then(std::string("click ") + designed(W::LeaveStore) + "\nclick " + designed(W::ArenaButton) + "\n");
}

// A whole career up to the second challenger with the hero's own attack, never raised: the
// skills learned on the way, and nothing else, bring down "光の王" behind his defence of 100.
TEST(SkillCareer, TheLordOfLightFallsToSkillsLearnedOnTheWay) {
    Played p = test::play(std::string(test::kToHeroChoice) + "click " + designed(W::RoninChoice) + "\nclick " +
                          designed(W::ArenaButton) + "\n");
    for (const arena_testing::ChampionClass& c : arena_testing::kChampionClasses) {
        SCOPED_TRACE(c.button);
        for (int n = 1; n < c.threshold; ++n) {
            restIfWorn(p);
            p.then(bout(c.button, 0));
            fightItOut(p);
            if (::testing::Test::HasFatalFailure()) return;
        }
        restIfWorn(p);
        p.then(bout(c.button, c.slot) + "click " + designed(W::ChampionAppears) + "\n");
        fightItOut(p);
        if (::testing::Test::HasFatalFailure()) return;
        p.then(std::string("click ") + designed(W::LeaveArenaButton) + "\nclick " + designed(W::KingButton) +
               "\nclick " + designed(W::MessageLine2) + "\nclick " + designed(W::ArenaButton) + "\n");
    }
    restIfWorn(p);
    p.then(std::string("click ") + designed(W::HeavyButton) + "\nclick " + designed(W::ChallengerAppears) + "\n");
    ASSERT_EQ(p.shown(&GameState::EnemyName), "遺跡の神");
    fightItOut(p);
    if (::testing::Test::HasFatalFailure()) return;

    restIfWorn(p);
    p.then(std::string("click ") + designed(W::HeavyButton) + "\nclick " + designed(W::ChallengerAppears) + "\n");
    const GameState& s = p.state();
    ASSERT_EQ(test::japanese(s.EnemyName), "光の王");
    EXPECT_EQ(s.WeaponAttack, 0);
    EXPECT_EQ(s.Attack, 13 + s.Level - 1) << "one point a level, nothing more";
    ASSERT_LE(s.Attack + 2, s.EnemyDefense) << "a plain blow cannot hurt him";
    p.then(attack(2));
    EXPECT_EQ(p.form().caption(W::MessageLine3), "光の王に0のダメージを与えた。");
    p.then(next(0));
    fightItOut(p);
    EXPECT_EQ(p.state().ChallengerWins, 2);
    expectCleanRun(p);
}

}  // namespace
}  // namespace verminadia
