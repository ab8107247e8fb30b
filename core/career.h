#pragma once
// What the next click on the message panel does (TalkState), and the career's numbers that
// several screens share. Each is named here once; the game's code uses the names.

namespace verminadia {

namespace talk {
inline constexpr int kNothing = 0;           // nothing pending: the click does nothing
inline constexpr int kCloseKingsRoom = 1;    // the king has spoken: the room closes
inline constexpr int kOpponentTurn = 2;      // the opponent's turn, or the victory
inline constexpr int kExperience = 10;       // the experience, and the test for a level-up
inline constexpr int kBackToClasses = 11;    // the fight's messages are over
inline constexpr int kLevelUp = 12;          // the level-up and its new skill
inline constexpr int kDefeatAftermath = 20;  // back to town with half the money
inline constexpr int kEnding = 50;           // the final title is granted: the ending starts
}  // namespace talk

// The heavy class's challenger series: ChallengerWins counts them up to this, and the king
// grants the last title when it is reached.
inline constexpr int kChallengerCount = 6;
// ChallengerBout while the bout on hand is no challenger's (a challenger's bout holds its index).
inline constexpr int kNoChallengerBout = 10;

// The four skills' costs in MP, the same for every hero: what a use spends, and what the skill
// panel and the status screen show beside the skill's name.
inline constexpr int kSkillCosts[] = {3, 4, 7, 15};

}  // namespace verminadia
