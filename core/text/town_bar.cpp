#include "core/text/town_bar.h"

#include <utility>

#include "core/game.h"

namespace verminadia {

Text levelCaption(int level) { return Text(N_("LV   {Level}")).with("Level", level); }
Text hpCaption(int hp, int maxHp) { return Text(N_("HP　{Hp}/{MaxHp}")).with("Hp", hp).with("MaxHp", maxHp); }
Text mpCaption(int mp, int maxMp) { return Text(N_("MP　{Mp}/{MaxMp}")).with("Mp", mp).with("MaxMp", maxMp); }
Text moneyCaption(int gold) { return Text(N_("所持金　{Gold}")).with("Gold", gold); }
Text countedCaption(Text name, int count) {
    return Text(N_("{name}({count})")).with("name", std::move(name)).with("count", count);
}
Text skillCaption(Text name, int cost) {
    return Text(N_("{skill}(MP{cost})")).with("skill", std::move(name)).with("cost", cost);
}

std::string levelText(int level) { return levelCaption(level).render(untranslated()); }
std::string hpText(int hp, int maxHp) { return hpCaption(hp, maxHp).render(untranslated()); }
std::string mpText(int mp, int maxMp) { return mpCaption(mp, maxMp).render(untranslated()); }
std::string moneyText(int gold) { return moneyCaption(gold).render(untranslated()); }

void showLevel(Game& g) { g.form.setCaption(W::BarLevel, levelCaption(g.state.Level)); }
void showHp(Game& g) { g.form.setCaption(W::BarHp, hpCaption(g.state.Hp, g.state.MaxHp)); }
void showMp(Game& g) { g.form.setCaption(W::BarMp, mpCaption(g.state.Mp, g.state.MaxMp)); }
void showMoney(Game& g) { g.form.setCaption(W::BarMoney, moneyCaption(g.state.Gold)); }

}  // namespace verminadia
