// Choosing a hero on the choice panel: the hero's values, the town bar, and no way back.

#include <gtest/gtest.h>

#include <string>

#include "in_town.h"

namespace verminadia {
namespace {

using town_testing::inTown;

struct Expected {
    const char* name;
    const char* hp;
    const char* mp;
    const char* title;
    W portrait, statusPortrait;
};

constexpr Expected kExpected[] = {
    {"トルバさん", "HP　16/16", "MP　5/5", "街の人", W::Image1, W::Image2},
    {"嘆きの老人", "HP　14/14", "MP　12/12", "老いぼれ", W::Image30, W::Image33},
    {"ミゼル先生", "HP　20/20", "MP　7/7", "森の管理人", W::Image32, W::Image35},
    {"サスライの剣士", "HP　18/18", "MP　6/6", "奴隷", W::Image31, W::Image34},
};
constexpr W kAllPortraits[] = {W::Image1,  W::Image2,  W::Image30, W::Image33,
                               W::Image32, W::Image35, W::Image31, W::Image34};

TEST(HeroChoice, EachNameOpensTheTownBarWithThatHerosOwnValues) {
    for (int hero = 0; hero < 4; ++hero) {
        SCOPED_TRACE(kExpected[hero].name);
        auto p = inTown(hero);
        const Form& f = p.form();
        const GameState& s = p.state();
        EXPECT_EQ(s.HeroId, hero);
        EXPECT_EQ(f.caption(W::Label8), kExpected[hero].name);
        EXPECT_EQ(f.caption(W::Label11), kExpected[hero].hp);
        EXPECT_EQ(f.caption(W::Label10), kExpected[hero].mp);
        EXPECT_EQ(f.caption(W::Label13), kExpected[hero].title);
        EXPECT_EQ(test::japanese(s.TitleName), kExpected[hero].title);
        // Level and money keep what the start wrote.
        EXPECT_EQ(f.caption(W::Label9), "LV   1");
        EXPECT_EQ(f.caption(W::Label12), "所持金　50");
        EXPECT_EQ(s.Hp, s.MaxHp);
        EXPECT_EQ(s.Mp, s.MaxMp);
        EXPECT_EQ(test::japanese(s.ArmorName), test::japanese(s.StartArmorName));
        EXPECT_TRUE(f.showing(W::Panel2));
        EXPECT_TRUE(f.showing(W::Panel4));
        EXPECT_FALSE(f.showing(W::Panel1));
        EXPECT_TRUE(f.showing(kExpected[hero].portrait));
        for (W w : kAllPortraits) {
            if (w != kExpected[hero].portrait && w != kExpected[hero].statusPortrait) {
                EXPECT_FALSE(f.visible(w)) << def(w).name;
            }
        }
        EXPECT_TRUE(f.visible(kExpected[hero].statusPortrait));
    }
}

TEST(HeroChoice, TheThemeStartsOneTickLaterNotOnTheClick) {
    auto p = inTown(0);
    EXPECT_TRUE(p.form().enabled(Timer::TownMusic));
    for (std::size_t i = 0; i < kPlayerCount; ++i) {
        EXPECT_FALSE(p.sound().state(static_cast<Player>(i)).playing) << def(static_cast<Player>(i)).name;
    }
    p.then("tick Timer2");
    EXPECT_TRUE(p.sound().state(Tune::TorubaTheme).playing);
}

TEST(HeroChoice, TheWanderersAndTheOldMansSharedValuesStayTheirOwn) {
    auto oldMan = inTown(1);
    auto wanderer = inTown(3);
    EXPECT_EQ(oldMan.shown(&GameState::JobName), "無職");
    EXPECT_EQ(wanderer.shown(&GameState::JobName), "無職");
    EXPECT_EQ(oldMan.shown(&GameState::Item1Name), "柿の種");
    EXPECT_EQ(wanderer.shown(&GameState::Item1Name), "柿の種");
    EXPECT_EQ(oldMan.shown(&GameState::Item2Name), "焼酎");
    EXPECT_EQ(wanderer.shown(&GameState::Item2Name), "薬草");
}

TEST(HeroChoice, TheSkillNamesKeepTheirBarsAndLongVowels) {
    auto torba = inTown(0);
    // U+2015 in Torba's, the long-vowel mark in the old man's.
    EXPECT_EQ(torba.shown(&GameState::Skill1Name), "サンダ\u2015ストーム");
    EXPECT_EQ(torba.shown(&GameState::Skill3Name), "トルバサンダ\u2015");
    auto oldMan = inTown(1);
    EXPECT_EQ(oldMan.shown(&GameState::Skill3Name), "マリリンサンダ\u30FC");
}

TEST(HeroChoice, IsMadeOnceTheOtherNamesVanishWithThePanel) {
    auto p = inTown(2);
    p.then("click Label4\nclick Label5\nclick Label6\nclick Label7");
    EXPECT_EQ(p.out,
              "ignored: Label4 is hidden\nignored: Label5 is hidden\n"
              "ignored: Label6 is hidden\nignored: Label7 is hidden\n");
    EXPECT_EQ(p.state().HeroId, 2);
    EXPECT_EQ(p.shown(&GameState::HeroName), "ミゼル先生");
}

TEST(HeroChoice, CannotBeMadeBeforeThePanelIsShown) {
    auto p = test::play("tick Timer1 18\nclick Label3\ntick Timer1 10\nclick Label4");
    EXPECT_EQ(p.out, "ignored: Label4 is hidden\n");
    EXPECT_TRUE(p.shown(&GameState::HeroName).empty());
    EXPECT_FALSE(p.form().enabled(Timer::TownMusic));
}

}  // namespace
}  // namespace verminadia
