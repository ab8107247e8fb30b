#pragma once
// The town's handlers, each named for what it does; game/events.cpp binds them to the widgets'
// clicks and the timers' ticks.

namespace verminadia {

struct Game;

// The hero choice.
void chooseToruba(Game& g);
void chooseOldMoaner(Game& g);
void chooseMizel(Game& g);
void chooseRonin(Game& g);

// The town bar, the status screen and the town theme's loop.
void openStatus(Game& g);
void closeStatus(Game& g);
void loopTownTheme(Game& g);

// The king's room.
void visitKing(Game& g);

// The store: its shelf by the state's names of the goods.
void openStore(Game& g);
void buyWeapon1(Game& g);
void buyWeapon2(Game& g);
void buyWeapon3(Game& g);
void buyWeapon4(Game& g);
void buyWeapon5(Game& g);
void buyArmor1(Game& g);
void buyArmor2(Game& g);
void buyArmor3(Game& g);
void buyItem2(Game& g);
void buyItem3(Game& g);
void leaveStore(Game& g);

// The inn.
void openInn(Game& g);
void stayTheNight(Game& g);
void leaveInn(Game& g);

// The casino.
void openCasino(Game& g);
void throwRock(Game& g);
void throwScissors(Game& g);
void throwPaper(Game& g);
void leaveCasino(Game& g);
void flashCasinoLights(Game& g);

}  // namespace verminadia
