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
    g.setText(&GameState::HeroName, Text(h.name));
    g.form.setCaption(W::BarHeroName, g.text(&GameState::HeroName));
    g.setText(&GameState::JobName, Text(h.job));
    g.setText(&GameState::TitleName, Text(h.startTitle));
    g.form.setCaption(W::BarRank, g.text(&GameState::TitleName));
    g.form.show(h.portrait, h.statusPortrait);
    showHp(g);
    showMp(g);
    g.setText(&GameState::WeaponName, Text(h.weapon));
    g.setText(&GameState::StartArmorName, Text(h.startArmor));
    g.setText(&GameState::ArmorName, g.text(&GameState::StartArmorName));
    g.setText(&GameState::ShopWeapon1Name, Text(h.shopWeapons[0]));
    g.setText(&GameState::ShopWeapon2Name, Text(h.shopWeapons[1]));
    g.setText(&GameState::ShopWeapon3Name, Text(h.shopWeapons[2]));
    g.setText(&GameState::ShopWeapon4Name, Text(h.shopWeapons[3]));
    g.setText(&GameState::ShopWeapon5Name, Text(h.shopWeapons[4]));
    g.setText(&GameState::ShopArmor1Name, Text(h.shopArmors[0]));
    g.setText(&GameState::ShopArmor2Name, Text(h.shopArmors[1]));
    g.setText(&GameState::ShopArmor3Name, Text(h.shopArmors[2]));
    g.setText(&GameState::Item1Name, Text(h.items[0]));
    g.setText(&GameState::Item2Name, Text(h.items[1]));
    g.setText(&GameState::Item3Name, Text(h.items[2]));
    g.setText(&GameState::Title0Name, Text(h.titles[0]));
    g.setText(&GameState::Title1Name, Text(h.titles[1]));
    g.setText(&GameState::Title2Name, Text(h.titles[2]));
    g.setText(&GameState::Title3Name, Text(h.titles[3]));
    g.setText(&GameState::Title4Name, Text(h.titles[4]));
    g.setText(&GameState::Title5Name, Text(h.titles[5]));
    g.setText(&GameState::Title6Name, Text(h.titles[6]));
    g.setText(&GameState::Skill1Name, Text(h.skills[0]));
    g.setText(&GameState::Skill2Name, Text(h.skills[1]));
    g.setText(&GameState::Skill3Name, Text(h.skills[2]));
    g.setText(&GameState::Skill4Name, Text(h.skills[3]));
}

}  // namespace

// The choice panel lists the heroes top to bottom as 0, 1, 2, 3; MizelChoice sits above RoninChoice.
void chooseToruba(Game& g) { chooseHero(g, 0); }
void chooseOldMoaner(Game& g) { chooseHero(g, 1); }
void chooseMizel(Game& g) { chooseHero(g, 2); }
void chooseRonin(Game& g) { chooseHero(g, 3); }

}  // namespace verminadia
