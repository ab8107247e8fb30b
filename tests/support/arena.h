#pragma once
// Getting a hero to the arena, the clicks of a fight with their draws queued, and whole bouts won
// and collected, so that a test reads like the player's own moves.

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "core/career.h"
#include "core/game.h"
#include "support/play.h"
#include "support/shipped.h"

namespace verminadia::arena_testing {

using test::opponentPicturesShowing;

// A fresh game with the hero chosen, `setup` played in town, and the class choice on screen.
inline test::Played inArena(int hero, std::string_view setup = "") {
    return test::play(test::heroChosen(hero) + std::string(setup) + "click " + designed(W::ArenaButton) + "\n");
}

inline std::string draws(std::initializer_list<int> values) {
    std::string s = "draw";
    for (int v : values) s += " " + std::to_string(v);
    return s + "\n";
}

// A class button with the opponent draw queued.
inline std::string bout(std::string_view button, int draw) {
    return draws({draw}) + "click " + std::string(button) + "\n";
}
// "攻撃" with its draw.
inline std::string attack(int draw) { return draws({draw}) + "click " + designed(W::AttackCommand) + "\n"; }
// The click on the panel after the hero's action: the opponent's draw, or the victory's.
inline std::string next(int draw) { return draws({draw}) + "click " + designed(W::MessageLine2) + "\n"; }
// The click on the panel that takes no draw (level-up, back to the classes, back to town).
inline const std::string kClick = std::string("click ") + designed(W::MessageLine2) + "\n";

// The six classes that have a champion, in the order the titles open them.
using ChampionClass = shipped::Champion;
inline constexpr const auto& kChampionClasses = shipped::kChampions;

// How a helper plays its lines: straight on, or with a look at the screen after each.
using PlayLines = void (*)(test::Played&, std::string_view);
inline void playLines(test::Played& p, std::string_view lines) { p.then(lines); }

// The opponent is down: the experience, the level-up when one is due, and back to the class
// choice.
inline void collectTheVictory(test::Played& p, PlayLines play = playLines) {
    ASSERT_EQ(p.state().TalkState, talk::kExperience) << p.shown(&GameState::EnemyName) << " still stands";
    play(p, next(1));
    if (p.state().TalkState == talk::kLevelUp) play(p, kClick);
    play(p, kClick);
    ASSERT_TRUE(p.form().showing(W::ClassChoicePanel));
}

// Fights the bout on screen with plain attacks to the end (a skill may have ended it already) and
// clicks back to the class choice; the hero must be strong enough to come through it.
inline void winTheBout(test::Played& p, PlayLines play = playLines) {
    for (int turn = 0; turn < 40 && p.state().TalkState != talk::kExperience; ++turn) {
        play(p, attack(2) + next(1));
        if (p.state().TalkState == talk::kExperience) break;
        ASSERT_EQ(p.state().TalkState, talk::kNothing) << p.shown(&GameState::EnemyName) << ": the hero must survive";
    }
    collectTheVictory(p, play);
}

// A script line that went wrong (a queued draw too large for its draw, a hidden widget) would
// quietly change what a test sees; every helper user checks this.
inline void expectCleanRun(const test::Played& p) {
    EXPECT_EQ(p.err, "");
    EXPECT_EQ(p.out.find("ignored"), std::string::npos) << p.out;
}

}  // namespace verminadia::arena_testing
