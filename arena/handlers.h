#pragma once
// The arena's handlers, each named for what it does; game/events.cpp binds them to the widgets'
// clicks and the timers' ticks.

namespace verminadia {

struct Game;

// The weight classes and the battle theme's loop.
void enterArena(Game& g);
void leaveArena(Game& g);
void startAmateurBout(Game& g);
void startLightBout(Game& g);
void startFlyBout(Game& g);
void startBantamBout(Game& g);
void startFeatherBout(Game& g);
void startMiddleBout(Game& g);
void startHeavyBout(Game& g);
void loopBattleTheme(Game& g);

// The champion's and the challenger's announcements.
void revealChampion(Game& g);
void revealChallenger(Game& g);

// The command column: attack, skill, item, talk.
void attack(Game& g);
void openSkills(Game& g);
void openItems(Game& g);
void talkToOpponent(Game& g);

// The skill panel, by the state's skill names.
void closeSkills(Game& g);
void useSkill1(Game& g);
void useSkill2(Game& g);
void useSkill3(Game& g);
void useSkill4(Game& g);

// The item panel, by the state's item names.
void closeItems(Game& g);
void useItem1(Game& g);
void useItem2(Game& g);
void useItem3(Game& g);
void useTear(Game& g);

// The travelling merchant.
void buyWalther(Game& g);
void buyLingerie(Game& g);
void buyTear(Game& g);
void buyNothing(Game& g);

}  // namespace verminadia
