// The hero choice: one click on a name fills every value that belongs to that hero and opens
// the town bar. The panel is never shown again.

#include "core/game.h"
#include "core/text/town_bar.h"
#include "town/handlers.h"
#include "town/heroes.h"

namespace verminadia {

namespace {

void chooseHero(Game& g, int id) {
    const Hero& h = kHeroes[static_cast<std::size_t>(id)];
    GameState& s = g.state;
    // The theme starts on the timer's first tick, a second later.
    g.form.enable(Timer::TownMusic);
    g.form.show(W::TownButtons);
    g.form.hide(W::HeroChoicePanel);
    g.form.show(W::TownBar);
    s.HeroId = id;
    s.MaxHp = s.Hp = h.hp;
    s.MaxMp = s.Mp = h.mp;
    s.Attack = h.attack;
    s.Defense = h.defense;
    s.Wisdom = h.wisdom;
    s.Speed = h.speed;
    g.state.HeroName = Text(h.name);
    g.form.setCaption(W::BarHeroName, g.state.HeroName);
    g.state.JobName = Text(h.job);
    g.state.TitleName = Text(h.startTitle);
    g.form.setCaption(W::BarRank, g.state.TitleName);
    g.form.show(h.portrait, h.statusPortrait);
    showHp(g);
    showMp(g);
    g.state.WeaponName = Text(h.weapon);
    g.state.StartArmorName = Text(h.startArmor);
    g.state.ArmorName = g.state.StartArmorName;
    g.state.ShopWeapon1Name = Text(h.shopWeapons[0]);
    g.state.ShopWeapon2Name = Text(h.shopWeapons[1]);
    g.state.ShopWeapon3Name = Text(h.shopWeapons[2]);
    g.state.ShopWeapon4Name = Text(h.shopWeapons[3]);
    g.state.ShopWeapon5Name = Text(h.shopWeapons[4]);
    g.state.ShopArmor1Name = Text(h.shopArmors[0]);
    g.state.ShopArmor2Name = Text(h.shopArmors[1]);
    g.state.ShopArmor3Name = Text(h.shopArmors[2]);
    g.state.Item1Name = Text(h.items[0]);
    g.state.Item2Name = Text(h.items[1]);
    g.state.Item3Name = Text(h.items[2]);
    g.state.Title0Name = Text(h.titles[0]);
    g.state.Title1Name = Text(h.titles[1]);
    g.state.Title2Name = Text(h.titles[2]);
    g.state.Title3Name = Text(h.titles[3]);
    g.state.Title4Name = Text(h.titles[4]);
    g.state.Title5Name = Text(h.titles[5]);
    g.state.Title6Name = Text(h.titles[6]);
    g.state.Skill1Name = Text(h.skills[0]);
    g.state.Skill2Name = Text(h.skills[1]);
    g.state.Skill3Name = Text(h.skills[2]);
    g.state.Skill4Name = Text(h.skills[3]);
}

}  // namespace

// The choice panel lists the heroes top to bottom as 0, 1, 2, 3; MizelChoice sits above RoninChoice.
void chooseToruba(Game& g) { chooseHero(g, 0); }
void chooseOldMoaner(Game& g) { chooseHero(g, 1); }
void chooseMizel(Game& g) { chooseHero(g, 2); }
void chooseRonin(Game& g) { chooseHero(g, 3); }

}  // namespace verminadia
