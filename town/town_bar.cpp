// The town bar's status screen, and the town theme that loops while the hero is in town.

#include "core/text/town_bar.h"

#include <string>

#include "core/career.h"
#include "core/game.h"
#include "core/whole_numbers.h"
#include "town/handlers.h"
#include "town/heroes.h"
#include "town/town_music.h"

namespace verminadia {

// The status screen covers the whole town bar; its captions are written afresh each time.
void openStatus(Game& g) {
    const GameState& s = g.state;
    g.form.hide(W::Panel2);
    g.form.show(W::Panel3);
    g.form.hide(W::Panel4);
    // TRANSLATORS: a heading, then its value; a tab puts the value in the screen's column.
    g.caption(W::Label14, N_("名前　　　{HeroName}"));
    g.caption(W::Label15, N_("職業　　　{JobName}"));
    g.caption(W::Label16, N_("HP        {Hp}/{MaxHp}"));
    g.caption(W::Label17, N_("MP        {Mp}/{MaxMp}"));
    g.caption(W::Label18, N_("ランク　　{TitleName}"));
    g.caption(W::Label19, N_("経験値　　{Exp}"));
    g.caption(W::Label21, N_("武器　　{WeaponName}"));
    g.caption(W::Label22, N_("防具　　{ArmorName}"));
    // Attack and defence with the equipment's bonus; the others are the plain values.
    g.form.setCaption(W::Label23,
                      g.text(N_("攻撃力　　　{attack}")).with("attack", std::int64_t{s.Attack} + s.WeaponAttack));
    g.form.setCaption(W::Label24,
                      g.text(N_("防御力　　　{defense}")).with("defense", std::int64_t{s.Defense} + s.ArmorDefense));
    g.caption(W::Label25, N_("知恵　　 　　{Wisdom}"));
    g.caption(W::Label26, N_("素早さ　 　　{Speed}"));
    g.caption(W::Label29, N_("所持金　　　　{Gold}"));
    // Item and skill lines are shown by whoever gives or takes them, never here.
    g.form.setCaption(W::Label53, g.state.Item1Name);
    g.form.setCaption(W::Label54, countedCaption(g.state.Item2Name, s.Item2Count));
    g.form.setCaption(W::Label55, countedCaption(g.state.Item3Name, s.Item3Count));
    g.form.setCaption(W::Label68, countedCaption(g.state.TearName, s.TearCount));
    g.form.setCaption(W::Label56, skillCaption(g.state.Skill1Name, kSkillCosts[0]));
    g.form.setCaption(W::Label57, skillCaption(g.state.Skill2Name, kSkillCosts[1]));
    g.form.setCaption(W::Label58, skillCaption(g.state.Skill3Name, kSkillCosts[2]));
    g.form.setCaption(W::Label59, skillCaption(g.state.Skill4Name, kSkillCosts[3]));
}

void closeStatus(Game& g) {
    g.form.hide(W::Panel3);
    g.form.show(W::Panel2, W::Button1, W::Panel4);
}

// One tick of the loop: the theme plays at count 1 and is cut and rewound at the loop length,
// so that the next tick plays it again from the start.
void loopTownTheme(Game& g) {
    const Hero* hero = chosenHero(g.state);
    if (hero == nullptr) return;
    GameState& s = g.state;
    addClamped(s.TownMusicTick, 1);
    if (s.TownMusicTick == 1) g.sound.play(hero->theme);
    if (s.TownMusicTick == def(hero->theme).loopTicks) {
        g.sound.seekToStart(hero->theme);
        s.TownMusicTick = 0;
    }
}

void stopTownMusic(Game& g) {
    g.form.disable(Timer::TownMusic);
    g.state.TownMusicTick = 0;
    for (const Hero& h : kHeroes) g.sound.stopAndRewind(h.theme);
}

}  // namespace verminadia
