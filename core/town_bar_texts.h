#pragma once
// The town bar's texts, built the same way wherever a value they show changes.

#include <string>

namespace verminadia {

struct Game;

std::string levelText(int level);          // "LV   " + level (three ordinary spaces)
std::string hpText(int hp, int maxHp);     // "HP　" + hp + "/" + maxHp
std::string mpText(int mp, int maxMp);     // "MP　" + mp + "/" + maxMp
std::string moneyText(int gold);           // "所持金　" + gold
// A counted good as the status screen and the item panel show it: name + "(" + count + ")".
std::string countedText(const std::string& name, int count);

// Rewrite one town-bar caption from the game state.
void showLevel(Game& g);
void showHp(Game& g);
void showMp(Game& g);
void showMoney(Game& g);

}  // namespace verminadia
