// The town bar's status screen, and the town theme that loops while the hero is in town.

#include <string>

#include "core/game.h"
#include "town/handlers.h"
#include "core/town_bar_texts.h"
#include "town/heroes.h"
#include "town/town_music.h"

namespace verminadia {

// The status screen covers the whole town bar; its captions are written afresh each time.
void Button1Click(Game& g) {
    const GameState& s = g.state;
    g.form.hide(W::Panel2);
    g.form.show(W::Panel3);
    g.form.hide(W::Panel4);
    g.form.setCaption(W::Label14, "名前　　　" + s.HeroName);
    g.form.setCaption(W::Label15, "職業　　　" + s.JobName);
    g.form.setCaption(W::Label16, "HP        " + std::to_string(s.Hp) + "/" + std::to_string(s.MaxHp));
    g.form.setCaption(W::Label17, "MP        " + std::to_string(s.Mp) + "/" + std::to_string(s.MaxMp));
    g.form.setCaption(W::Label18, "ランク　　" + s.TitleName);
    g.form.setCaption(W::Label19, "経験値　　" + std::to_string(s.Exp));
    g.form.setCaption(W::Label21, "武器　　" + s.WeaponName);
    g.form.setCaption(W::Label22, "防具　　" + s.ArmorName);
    // Attack and defence with the equipment's bonus; the others are the plain values.
    g.form.setCaption(W::Label23, "攻撃力　　　" + std::to_string(s.Attack + s.WeaponAttack));
    g.form.setCaption(W::Label24, "防御力　　　" + std::to_string(s.Defense + s.ArmorDefense));
    g.form.setCaption(W::Label25, "知恵　　 　　" + std::to_string(s.Wisdom));
    g.form.setCaption(W::Label26, "素早さ　 　　" + std::to_string(s.Speed));
    g.form.setCaption(W::Label29, "所持金　　　　" + std::to_string(s.Gold));
    // Item and skill lines are shown by whoever gives or takes them, never here.
    g.form.setCaption(W::Label53, s.Item1Name);
    g.form.setCaption(W::Label54, countedText(s.Item2Name, s.Item2Count));
    g.form.setCaption(W::Label55, countedText(s.Item3Name, s.Item3Count));
    g.form.setCaption(W::Label68, countedText(s.TearName, s.TearCount));
    g.form.setCaption(W::Label56, s.Skill1Name + "(MP3)");
    g.form.setCaption(W::Label57, s.Skill2Name + "(MP4)");
    g.form.setCaption(W::Label58, s.Skill3Name + "(MP7)");
    g.form.setCaption(W::Label59, s.Skill4Name + "(MP15)");
}

void Button2Click(Game& g) {
    g.form.hide(W::Panel3);
    g.form.show(W::Panel2, W::Button1, W::Panel4);
}

// One tick of the loop: the theme plays at count 1 and is cut and rewound at the loop length,
// so that the next tick plays it again from the start.
void Timer2Timer(Game& g) {
    const Hero* hero = chosenHero(g.state);
    if (hero == nullptr) return;
    GameState& s = g.state;
    ++s.TownMusicTick;
    if (s.TownMusicTick == 1) g.sound.play(hero->theme);
    if (s.TownMusicTick == hero->themeLoopTicks) {
        g.sound.seekToStart(hero->theme);
        s.TownMusicTick = 0;
    }
}

void stopTownMusic(Game& g) {
    g.form.disable(Timer::Timer2);
    g.state.TownMusicTick = 0;
    for (const Hero& h : kHeroes) g.sound.stopAndRewind(h.theme);
}

}  // namespace verminadia
