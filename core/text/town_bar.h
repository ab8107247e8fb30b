#pragma once
// The town bar's texts, built the same way wherever a value they show changes.

#include <string>

#include "core/text/text.h"

namespace verminadia {

struct Game;

Text levelCaption(int level);       // "LV   " + level (three ordinary spaces)
Text hpCaption(int hp, int maxHp);  // "HP　" + hp + "/" + maxHp
Text mpCaption(int mp, int maxMp);  // "MP　" + mp + "/" + maxMp
Text moneyCaption(int gold);        // "所持金　" + gold
// A counted good as the status screen and the item panel show it: name + "(" + count + ")".
Text countedCaption(Text name, int count);
// A skill as the status screen and the skill panel show it: name + "(MP" + cost + ")".
Text skillCaption(Text name, int cost);

// The same in the game's own language.
std::string levelText(int level);
std::string hpText(int hp, int maxHp);
std::string mpText(int mp, int maxMp);
std::string moneyText(int gold);

// Rewrite one town-bar caption from the game state.
void showLevel(Game& g);
void showHp(Game& g);
void showMp(Game& g);
void showMoney(Game& g);

}  // namespace verminadia
