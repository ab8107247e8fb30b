// The hero choice: one click on a name fills every value that belongs to that hero and opens
// the town bar. The panel is never shown again.

#include "core/game.h"
#include "town/handlers.h"
#include "core/town_bar_texts.h"
#include "town/heroes.h"

namespace verminadia {

namespace {

void chooseHero(Game& g, int id) {
    const Hero& h = kHeroes[static_cast<std::size_t>(id)];
    GameState& s = g.state;
    // The theme starts on the timer's first tick, a second later.
    g.form.enable(Timer::Timer2);
    g.form.show(W::Panel4);
    g.form.hide(W::Panel1);
    g.form.show(W::Panel2);
    s.HeroId = id;
    s.MaxHp = s.Hp = h.hp;
    s.MaxMp = s.Mp = h.mp;
    s.Attack = h.attack;
    s.Defense = h.defense;
    s.Wisdom = h.wisdom;
    s.Speed = h.speed;
    s.HeroName = h.name;
    g.form.setCaption(W::Label8, s.HeroName);
    s.JobName = h.job;
    s.TitleName = h.startTitle;
    g.form.setCaption(W::Label13, s.TitleName);
    g.form.show(h.portrait, h.statusPortrait);
    showHp(g);
    showMp(g);
    s.WeaponName = h.weapon;
    s.StartArmorName = h.startArmor;
    s.ArmorName = s.StartArmorName;
    s.ShopWeapon1Name = h.shopWeapons[0];
    s.ShopWeapon2Name = h.shopWeapons[1];
    s.ShopWeapon3Name = h.shopWeapons[2];
    s.ShopWeapon4Name = h.shopWeapons[3];
    s.ShopWeapon5Name = h.shopWeapons[4];
    s.ShopArmor1Name = h.shopArmors[0];
    s.ShopArmor2Name = h.shopArmors[1];
    s.ShopArmor3Name = h.shopArmors[2];
    s.Item1Name = h.items[0];
    s.Item2Name = h.items[1];
    s.Item3Name = h.items[2];
    s.Title0Name = h.titles[0];
    s.Title1Name = h.titles[1];
    s.Title2Name = h.titles[2];
    s.Title3Name = h.titles[3];
    s.Title4Name = h.titles[4];
    s.Title5Name = h.titles[5];
    s.Title6Name = h.titles[6];
    s.Skill1Name = h.skills[0];
    s.Skill2Name = h.skills[1];
    s.Skill3Name = h.skills[2];
    s.Skill4Name = h.skills[3];
}

}  // namespace

// The choice panel lists the heroes top to bottom as 0, 1, 2, 3; Label7 sits above Label6.
void Label4Click(Game& g) { chooseHero(g, 0); }
void Label5Click(Game& g) { chooseHero(g, 1); }
void Label7Click(Game& g) { chooseHero(g, 2); }
void Label6Click(Game& g) { chooseHero(g, 3); }

}  // namespace verminadia
