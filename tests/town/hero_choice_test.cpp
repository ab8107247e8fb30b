// Choosing a hero on the choice panel: the hero's values, the town bar, and no way back.

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "in_town.h"
#include "support/shipped.h"

namespace verminadia {
namespace {

using town_testing::inTown;

constexpr W kAllPortraits[] = {W::TorubaPortrait,          W::TorubaStatusPortrait, W::OldMoanerPortrait,
                               W::OldMoanerStatusPortrait, W::MizelPortrait,        W::MizelStatusPortrait,
                               W::RoninPortrait,           W::RoninStatusPortrait};

TEST(HeroChoice, EachNameOpensTheTownBarWithThatHerosOwnValues) {
    for (int hero = 0; hero < 4; ++hero) {
        const shipped::Hero& h = shipped::kHeroes[static_cast<std::size_t>(hero)];
        SCOPED_TRACE(h.name);
        auto p = inTown(hero);
        const Form& f = p.form();
        const GameState& s = p.state();
        EXPECT_EQ(s.HeroId, hero);
        EXPECT_EQ(f.caption(W::BarHeroName), h.name);
        EXPECT_EQ(f.caption(W::BarHp), "HP　" + std::to_string(h.hp) + "/" + std::to_string(h.hp));
        EXPECT_EQ(f.caption(W::BarMp), "MP　" + std::to_string(h.mp) + "/" + std::to_string(h.mp));
        EXPECT_EQ(f.caption(W::BarRank), h.startTitle);
        EXPECT_EQ(test::japanese(s.TitleName), h.startTitle);
        EXPECT_EQ((std::array{s.Attack, s.Defense, s.Wisdom, s.Speed}),
                  (std::array{h.attack, h.defense, h.wisdom, h.speed}));
        // Level and money keep what the start wrote.
        EXPECT_EQ(f.caption(W::BarLevel), "LV   1");
        EXPECT_EQ(f.caption(W::BarMoney), "所持金　50");
        EXPECT_EQ(s.Hp, s.MaxHp);
        EXPECT_EQ(s.Mp, s.MaxMp);
        EXPECT_EQ(test::japanese(s.ArmorName), test::japanese(s.StartArmorName));
        EXPECT_TRUE(f.showing(W::TownBar));
        EXPECT_TRUE(f.showing(W::TownButtons));
        EXPECT_FALSE(f.showing(W::HeroChoicePanel));
        EXPECT_TRUE(f.showing(h.portrait));
        for (W w : kAllPortraits) {
            if (w != h.portrait && w != h.statusPortrait) {
                EXPECT_FALSE(f.visible(w)) << def(w).designed;
            }
        }
        EXPECT_TRUE(f.visible(h.statusPortrait));
    }
}

TEST(HeroChoice, TheThemeStartsOneTickLaterNotOnTheClick) {
    auto p = inTown(0);
    EXPECT_TRUE(p.form().enabled(Timer::TownMusic));
    for (std::size_t i = 0; i < kPlayerCount; ++i) {
        EXPECT_FALSE(p.sound().state(static_cast<Player>(i)).playing) << def(static_cast<Player>(i)).designed;
    }
    p.then(std::string("tick ") + designed(Timer::TownMusic));
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
    p.then(std::string("click ") + designed(W::TorubaChoice) + "\nclick " + designed(W::OldMoanerChoice) + "\nclick " +
           designed(W::RoninChoice) + "\nclick " + designed(W::MizelChoice));
    EXPECT_EQ(p.out, std::string("ignored: ") + designed(W::TorubaChoice) + " is hidden\nignored: " +
                         designed(W::OldMoanerChoice) + " is hidden\nignored: " + designed(W::RoninChoice) +
                         " is hidden\nignored: " + designed(W::MizelChoice) + " is hidden\n");
    EXPECT_EQ(p.state().HeroId, 2);
    EXPECT_EQ(p.shown(&GameState::HeroName), "ミゼル先生");
}

TEST(HeroChoice, CannotBeMadeBeforeThePanelIsShown) {
    auto p = test::play(std::string("tick ") + designed(Timer::Opening) + " 18\nclick " + designed(W::Start) +
                        "\ntick " + designed(Timer::Opening) + " 10\nclick " + designed(W::TorubaChoice));
    EXPECT_EQ(p.out, std::string("ignored: ") + designed(W::TorubaChoice) + " is hidden\n");
    EXPECT_TRUE(p.shown(&GameState::HeroName).empty());
    EXPECT_FALSE(p.form().enabled(Timer::TownMusic));
}

}  // namespace
}  // namespace verminadia
