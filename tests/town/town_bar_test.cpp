// The status screen and the town theme loop.

#include <gtest/gtest.h>

#include "in_town.h"

namespace verminadia {
namespace {

using town_testing::inTown;

TEST(StatusScreen, ShowsEveryValueOfAFreshHeroWithItsSpacing) {
    auto p = inTown(0);
    p.then("click Button1");
    const Form& f = p.form();
    EXPECT_EQ(f.caption(W::Label14), "名前　　　トルバさん");
    EXPECT_EQ(f.caption(W::Label15), "職業　　　会社員");
    EXPECT_EQ(f.caption(W::Label16), "HP        16/16");
    EXPECT_EQ(f.caption(W::Label17), "MP        5/5");
    EXPECT_EQ(f.caption(W::Label18), "ランク　　街の人");
    EXPECT_EQ(f.caption(W::Label19), "経験値　　0");
    EXPECT_EQ(f.caption(W::Label21), "武器　　木の枝　　　　");
    EXPECT_EQ(f.caption(W::Label22), "防具　　臭そうなTシャツ");
    EXPECT_EQ(f.caption(W::Label23), "攻撃力　　　10");
    EXPECT_EQ(f.caption(W::Label24), "防御力　　　9");
    EXPECT_EQ(f.caption(W::Label25), "知恵　　 　　2");
    EXPECT_EQ(f.caption(W::Label26), "素早さ　 　　9");
    EXPECT_EQ(f.caption(W::Label29), "所持金　　　　50");
    EXPECT_EQ(f.caption(W::Label53), "食塩");
    EXPECT_EQ(f.caption(W::Label54), "麻薬(0)");
    EXPECT_EQ(f.caption(W::Label55), "密輸品(0)");
    EXPECT_EQ(f.caption(W::Label68), "ドラゴンの涙(0)");
    EXPECT_EQ(f.caption(W::Label56), "サンダ\u2015ストーム(MP3)");
    EXPECT_EQ(f.caption(W::Label59), "トルバジック(MP15)");
    EXPECT_TRUE(f.showing(W::Image2));
}

TEST(StatusScreen, ShowsOnlyWhatTheHeroHasAlthoughEveryCaptionIsWritten) {
    auto p = inTown(3);
    p.then("click Button1");
    const Form& f = p.form();
    EXPECT_TRUE(f.showing(W::Label53));
    for (W w : {W::Label54, W::Label55, W::Label68, W::Label56, W::Label57, W::Label58, W::Label59}) {
        EXPECT_FALSE(f.showing(w)) << def(w).name;
        EXPECT_FALSE(f.caption(w).empty()) << def(w).name;
    }
    // A purchase shows the line; the count is written the next time the screen opens.
    p.then("click Button2\nset Gold 15\nclick Button4\nclick Label41\nclick Label43\nclick Button1");
    EXPECT_TRUE(f.showing(W::Label54));
    EXPECT_EQ(f.caption(W::Label54), "薬草(1)");
    EXPECT_FALSE(f.showing(W::Label55));
}

TEST(StatusScreen, AttackAndDefenceIncludeTheEquipmentTheOthersArePlain) {
    auto p = inTown(2);
    p.then("set Gold 400\nclick Button4\nclick Label34\nclick Label67\nclick Label43\nclick Button1");
    const Form& f = p.form();
    EXPECT_EQ(f.caption(W::Label23), "攻撃力　　　13");  // 11 + 2
    EXPECT_EQ(f.caption(W::Label24), "防御力　　　14");  // 10 + 4
    EXPECT_EQ(f.caption(W::Label25), "知恵　　 　　10");
    EXPECT_EQ(f.caption(W::Label26), "素早さ　 　　19");
    EXPECT_EQ(f.caption(W::Label21), "武器　　キコリの斧　　  ");
    EXPECT_EQ(f.caption(W::Label22), "防具　　満月の鎧　　　　");
    EXPECT_EQ(f.caption(W::Label29), "所持金　　　　0");
}

TEST(StatusScreen, CoversTheWholeTownBarAndOkBringsItAllBack) {
    auto p = inTown(1);
    p.then("click Button1");
    const Form& f = p.form();
    EXPECT_TRUE(f.showing(W::Panel3));
    EXPECT_FALSE(f.showing(W::Panel2));
    EXPECT_FALSE(f.showing(W::Panel4));
    EXPECT_TRUE(f.showing(W::Image33));
    p.then("click Button3");
    EXPECT_EQ(p.out, "ignored: Button3 is hidden\n");
    p.then("click Button2");
    EXPECT_FALSE(f.showing(W::Panel3));
    EXPECT_TRUE(f.showing(W::Panel2));
    EXPECT_TRUE(f.showing(W::Button1));
    EXPECT_TRUE(f.showing(W::Panel4));
}

TEST(StatusScreen, IsRewrittenEachTimeItOpens) {
    auto p = inTown(0);
    p.then("click Button1\nclick Button2\nset Hp 3\nset Exp 42\nset Gold 7\nclick Button1");
    EXPECT_EQ(p.form().caption(W::Label16), "HP        3/16");
    EXPECT_EQ(p.form().caption(W::Label19), "経験値　　42");
    EXPECT_EQ(p.form().caption(W::Label29), "所持金　　　　7");
}

TEST(StatusScreen, OpeningAndClosingLeavesTheMusicAlone) {
    auto p = inTown(0);
    p.then("tick Timer2 5\nclick Button1\ntick Timer2 3\nclick Button2");
    EXPECT_EQ(p.state().TownMusicTick, 8);
    EXPECT_TRUE(p.form().enabled(Timer::TownMusic));
    EXPECT_TRUE(p.sound().state(Tune::TorubaTheme).playing);
}

struct Theme {
    int hero;
    Player player;
};

TEST(TownMusic, EachHerosThemeIsCutAndRestartedAtItsOwnLoopLength) {
    for (const Theme t : {Theme{0, Tune::TorubaTheme}, Theme{1, Tune::OldManTheme}, Theme{2, Tune::TeacherTheme},
                          Theme{3, Tune::SwordsmanTheme}}) {
        SCOPED_TRACE(def(t.player).file);
        const int loop = def(t.player).loopTicks;
        auto p = inTown(t.hero);
        const Sound& sound = p.sound();
        p.then("tick Timer2");
        EXPECT_TRUE(sound.state(t.player).playing);
        p.then("tick Timer2 " + std::to_string(loop - 2));
        EXPECT_TRUE(sound.state(t.player).playing) << "still playing one tick before the loop length";
        EXPECT_EQ(p.state().TownMusicTick, loop - 1);
        p.then("tick Timer2");
        EXPECT_FALSE(sound.state(t.player).playing) << "silenced at the loop length";
        EXPECT_TRUE(sound.state(t.player).atStart);
        EXPECT_EQ(p.state().TownMusicTick, 0);
        p.then("tick Timer2");
        EXPECT_TRUE(sound.state(t.player).playing) << "again from the start on the next tick";
        // A second cycle is just as long.
        p.then("tick Timer2 " + std::to_string(loop - 1));
        EXPECT_FALSE(sound.state(t.player).playing);
        EXPECT_EQ(p.state().TownMusicTick, 0);
        // No other theme is ever touched.
        for (Player other : {Tune::TorubaTheme, Tune::OldManTheme, Tune::TeacherTheme, Tune::SwordsmanTheme}) {
            if (other != t.player) {
                EXPECT_TRUE(sound.state(other).atStart) << def(other).name;
            }
        }
    }
}

TEST(TownMusic, ADisabledTimerDoesNotAdvanceTheLoop) {
    auto p = inTown(1);
    p.game().form.disable(Timer::TownMusic);
    p.then("tick Timer2 10");
    EXPECT_EQ(p.state().TownMusicTick, 0);
    EXPECT_FALSE(p.sound().state(Tune::OldManTheme).playing);
}

}  // namespace
}  // namespace verminadia
