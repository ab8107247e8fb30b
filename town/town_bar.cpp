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
    g.form.hide(W::TownBar);
    g.form.show(W::StatusScreen);
    g.form.hide(W::TownButtons);
    // TRANSLATORS: a heading, then its value; a tab puts the value in the screen's column.
    g.caption(W::StatusName, N_("名前　　　{HeroName}"));
    g.caption(W::StatusJob, N_("職業　　　{JobName}"));
    g.caption(W::StatusHp, N_("HP        {Hp}/{MaxHp}"));
    g.caption(W::StatusMp, N_("MP        {Mp}/{MaxMp}"));
    g.caption(W::StatusRank, N_("ランク　　{TitleName}"));
    g.caption(W::StatusExp, N_("経験値　　{Exp}"));
    g.caption(W::StatusWeapon, N_("武器　　{WeaponName}"));
    g.caption(W::StatusArmor, N_("防具　　{ArmorName}"));
    // Attack and defence with the equipment's bonus; the others are the plain values.
    g.form.setCaption(W::StatusAttack,
                      g.text(N_("攻撃力　　　{attack}")).with("attack", std::int64_t{s.Attack} + s.WeaponAttack));
    g.form.setCaption(W::StatusDefense,
                      g.text(N_("防御力　　　{defense}")).with("defense", std::int64_t{s.Defense} + s.ArmorDefense));
    g.caption(W::StatusWisdom, N_("知恵　　 　　{Wisdom}"));
    g.caption(W::StatusSpeed, N_("素早さ　 　　{Speed}"));
    g.caption(W::StatusMoney, N_("所持金　　　　{Gold}"));
    // Item and skill lines are shown by whoever gives or takes them, never here.
    g.form.setCaption(W::StatusItem1, g.state.Item1Name);
    g.form.setCaption(W::StatusItem2, countedCaption(g.state.Item2Name, s.Item2Count));
    g.form.setCaption(W::StatusItem3, countedCaption(g.state.Item3Name, s.Item3Count));
    g.form.setCaption(W::StatusTears, countedCaption(g.state.TearName, s.TearCount));
    g.form.setCaption(W::StatusSkill1, skillCaption(g.state.Skill1Name, kSkillCosts[0]));
    g.form.setCaption(W::StatusSkill2, skillCaption(g.state.Skill2Name, kSkillCosts[1]));
    g.form.setCaption(W::StatusSkill3, skillCaption(g.state.Skill3Name, kSkillCosts[2]));
    g.form.setCaption(W::StatusSkill4, skillCaption(g.state.Skill4Name, kSkillCosts[3]));
}

void closeStatus(Game& g) {
    g.form.hide(W::StatusScreen);
    g.form.show(W::TownBar, W::StatusButton, W::TownButtons);
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
