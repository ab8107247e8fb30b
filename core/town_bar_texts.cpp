#include "core/town_bar_texts.h"

#include "core/game.h"

namespace verminadia {

std::string levelText(int level) { return "LV   " + std::to_string(level); }
std::string hpText(int hp, int maxHp) { return "HP　" + std::to_string(hp) + "/" + std::to_string(maxHp); }
std::string mpText(int mp, int maxMp) { return "MP　" + std::to_string(mp) + "/" + std::to_string(maxMp); }
std::string moneyText(int gold) { return "所持金　" + std::to_string(gold); }
std::string countedText(const std::string& name, int count) { return name + "(" + std::to_string(count) + ")"; }

void showLevel(Game& g) { g.form.setCaption(W::Label9, levelText(g.state.Level)); }
void showHp(Game& g) { g.form.setCaption(W::Label11, hpText(g.state.Hp, g.state.MaxHp)); }
void showMp(Game& g) { g.form.setCaption(W::Label10, mpText(g.state.Mp, g.state.MaxMp)); }
void showMoney(Game& g) { g.form.setCaption(W::Label12, moneyText(g.state.Gold)); }

}  // namespace verminadia
