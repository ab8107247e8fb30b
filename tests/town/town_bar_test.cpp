// The status screen and the town theme loop.

#include <gtest/gtest.h>

#include "in_town.h"

namespace verminadia {
namespace {

using town_testing::inTown;

TEST(StatusScreen, ShowsEveryValueOfAFreshHeroWithItsSpacing) {
    auto p = inTown(0);
    p.then(std::string("click ") + designed(W::StatusButton));
    const Form& f = p.form();
    EXPECT_EQ(f.caption(W::StatusName), "名前　　　トルバさん");
    EXPECT_EQ(f.caption(W::StatusJob), "職業　　　会社員");
    EXPECT_EQ(f.caption(W::StatusHp), "HP        16/16");
    EXPECT_EQ(f.caption(W::StatusMp), "MP        5/5");
    EXPECT_EQ(f.caption(W::StatusRank), "ランク　　街の人");
    EXPECT_EQ(f.caption(W::StatusExp), "経験値　　0");
    EXPECT_EQ(f.caption(W::StatusWeapon), "武器　　木の枝　　　　");
    EXPECT_EQ(f.caption(W::StatusArmor), "防具　　臭そうなTシャツ");
    EXPECT_EQ(f.caption(W::StatusAttack), "攻撃力　　　10");
    EXPECT_EQ(f.caption(W::StatusDefense), "防御力　　　9");
    EXPECT_EQ(f.caption(W::StatusWisdom), "知恵　　 　　2");
    EXPECT_EQ(f.caption(W::StatusSpeed), "素早さ　 　　9");
    EXPECT_EQ(f.caption(W::StatusMoney), "所持金　　　　50");
    EXPECT_EQ(f.caption(W::StatusItem1), "食塩");
    EXPECT_EQ(f.caption(W::StatusItem2), "麻薬(0)");
    EXPECT_EQ(f.caption(W::StatusItem3), "密輸品(0)");
    EXPECT_EQ(f.caption(W::StatusTears), "ドラゴンの涙(0)");
    EXPECT_EQ(f.caption(W::StatusSkill1), "サンダ\u2015ストーム(MP3)");
    EXPECT_EQ(f.caption(W::StatusSkill4), "トルバジック(MP15)");
    EXPECT_TRUE(f.showing(W::TorubaStatusPortrait));
}

TEST(StatusScreen, ShowsOnlyWhatTheHeroHasAlthoughEveryCaptionIsWritten) {
    auto p = inTown(3);
    p.then(std::string("click ") + designed(W::StatusButton));
    const Form& f = p.form();
    EXPECT_TRUE(f.showing(W::StatusItem1));
    for (W w : {W::StatusItem2, W::StatusItem3, W::StatusTears, W::StatusSkill1, W::StatusSkill2, W::StatusSkill3,
                W::StatusSkill4}) {
        EXPECT_FALSE(f.showing(w)) << def(w).designed;
        EXPECT_FALSE(f.caption(w).empty()) << def(w).designed;
    }
    // A purchase shows the line; the count is written the next time the screen opens.
    p.then(std::string("click ") + designed(W::StatusOkButton) + "\nset Gold 15\nclick " + designed(W::StoreButton) +
           "\nclick " + designed(W::StoreItem2) + "\nclick " + designed(W::LeaveStore) + "\nclick " +
           designed(W::StatusButton));
    EXPECT_TRUE(f.showing(W::StatusItem2));
    EXPECT_EQ(f.caption(W::StatusItem2), "薬草(1)");
    EXPECT_FALSE(f.showing(W::StatusItem3));
}

TEST(StatusScreen, AttackAndDefenceIncludeTheEquipmentTheOthersArePlain) {
    auto p = inTown(2);
    p.then(std::string("set Gold 400\nclick ") + designed(W::StoreButton) + "\nclick " + designed(W::StoreWeapon1) +
           "\nclick " + designed(W::StoreArmor3) + "\nclick " + designed(W::LeaveStore) + "\nclick " +
           designed(W::StatusButton));
    const Form& f = p.form();
    EXPECT_EQ(f.caption(W::StatusAttack), "攻撃力　　　13");   // 11 + 2
    EXPECT_EQ(f.caption(W::StatusDefense), "防御力　　　14");  // 10 + 4
    EXPECT_EQ(f.caption(W::StatusWisdom), "知恵　　 　　10");
    EXPECT_EQ(f.caption(W::StatusSpeed), "素早さ　 　　19");
    EXPECT_EQ(f.caption(W::StatusWeapon), "武器　　キコリの斧　　  ");
    EXPECT_EQ(f.caption(W::StatusArmor), "防具　　満月の鎧　　　　");
    EXPECT_EQ(f.caption(W::StatusMoney), "所持金　　　　0");
}

TEST(StatusScreen, CoversTheWholeTownBarAndOkBringsItAllBack) {
    auto p = inTown(1);
    p.then(std::string("click ") + designed(W::StatusButton));
    const Form& f = p.form();
    EXPECT_TRUE(f.showing(W::StatusScreen));
    EXPECT_FALSE(f.showing(W::TownBar));
    EXPECT_FALSE(f.showing(W::TownButtons));
    EXPECT_TRUE(f.showing(W::OldMoanerStatusPortrait));
    p.then(std::string("click ") + designed(W::KingButton));
    EXPECT_EQ(p.out, std::string("ignored: ") + designed(W::KingButton) + " is hidden\n");
    p.then(std::string("click ") + designed(W::StatusOkButton));
    EXPECT_FALSE(f.showing(W::StatusScreen));
    EXPECT_TRUE(f.showing(W::TownBar));
    EXPECT_TRUE(f.showing(W::StatusButton));
    EXPECT_TRUE(f.showing(W::TownButtons));
}

TEST(StatusScreen, IsRewrittenEachTimeItOpens) {
    auto p = inTown(0);
    p.then(std::string("click ") + designed(W::StatusButton) + "\nclick " + designed(W::StatusOkButton) +
           "\nset Hp 3\nset Exp 42\nset Gold 7\nclick " + designed(W::StatusButton));
    EXPECT_EQ(p.form().caption(W::StatusHp), "HP        3/16");
    EXPECT_EQ(p.form().caption(W::StatusExp), "経験値　　42");
    EXPECT_EQ(p.form().caption(W::StatusMoney), "所持金　　　　7");
}

TEST(StatusScreen, OpeningAndClosingLeavesTheMusicAlone) {
    auto p = inTown(0);
    p.then(std::string("tick ") + designed(Timer::TownMusic) + " 5\nclick " + designed(W::StatusButton) + "\ntick " +
           designed(Timer::TownMusic) + " 3\nclick " + designed(W::StatusOkButton));
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
        p.then(std::string("tick ") + designed(Timer::TownMusic));
        EXPECT_TRUE(sound.state(t.player).playing);
        p.then(std::string("tick ") + designed(Timer::TownMusic) + " " + std::to_string(loop - 2));
        EXPECT_TRUE(sound.state(t.player).playing) << "still playing one tick before the loop length";
        EXPECT_EQ(p.state().TownMusicTick, loop - 1);
        p.then(std::string("tick ") + designed(Timer::TownMusic));
        EXPECT_FALSE(sound.state(t.player).playing) << "silenced at the loop length";
        EXPECT_TRUE(sound.state(t.player).atStart);
        EXPECT_EQ(p.state().TownMusicTick, 0);
        p.then(std::string("tick ") + designed(Timer::TownMusic));
        EXPECT_TRUE(sound.state(t.player).playing) << "again from the start on the next tick";
        // A second cycle is just as long.
        p.then(std::string("tick ") + designed(Timer::TownMusic) + " " + std::to_string(loop - 1));
        EXPECT_FALSE(sound.state(t.player).playing);
        EXPECT_EQ(p.state().TownMusicTick, 0);
        // No other theme is ever touched.
        for (Player other : {Tune::TorubaTheme, Tune::OldManTheme, Tune::TeacherTheme, Tune::SwordsmanTheme}) {
            if (other != t.player) {
                EXPECT_TRUE(sound.state(other).atStart) << def(other).designed;
            }
        }
    }
}

TEST(TownMusic, ADisabledTimerDoesNotAdvanceTheLoop) {
    auto p = inTown(1);
    p.game().form.disable(Timer::TownMusic);
    p.then(std::string("tick ") + designed(Timer::TownMusic) + " 10");
    EXPECT_EQ(p.state().TownMusicTick, 0);
    EXPECT_FALSE(p.sound().state(Tune::OldManTheme).playing);
}

}  // namespace
}  // namespace verminadia
