// The inn: each hero's greeting at the night's price, a stay at exactly the price, the refusal
// one 円 short, and the inn tune in place of the town theme.

#include <gtest/gtest.h>

#include <string>

#include "core/career.h"
#include "in_town.h"

namespace verminadia {
namespace {

using town_testing::inTown;

constexpr const char* kThanks = "　「ありがとさん。またおいでね。」";
constexpr const char* kShortOfMoney = "　「お金が足りないねぇ。残念だけどまた今度ね。」";

TEST(Inn, EachHeroIsGreetedInTheirOwnWordsWithTheNightsPrice) {
    struct Greeting {
        const char* line2;
        const char* cheap;
        const char* dear;
    };
    constexpr Greeting kGreetings[] = {
        {"　「あら、トルバさん。私に会いに来てくれたの？うれしいわ。", "特別に一泊25円にサービスしてあげるわ。」",
         "特別に一泊40円にサービスしてあげるわ。」"},
        {"　「あら、どうしたの？そんなに嘆いて。宿に泊まって気分転", "換でもしたらどう？一泊25円よ。」",
         "換でもしたらどう？一泊40円よ。」"},
        {"　「あら、先生。大会に出るの？教師をしながらアルバイトで",
         "森の管理なんて大変ね。一泊25円だから休んでいってね。」",
         "森の管理なんて大変ね。一泊40円だから休んでいってね。」"},
        {"　「あら、お兄さん。そんなにさすらってばかりじゃダメよ。", "たまには宿にでも泊まったら？一泊25円よ。」",
         "たまには宿にでも泊まったら？一泊40円よ。」"},
    };
    for (int hero = 0; hero < 4; ++hero) {
        SCOPED_TRACE(hero);
        auto p = inTown(hero);
        p.then(std::string("set TitleIndex 2\nclick ") + designed(W::InnButton));
        EXPECT_EQ(p.form().caption(W::MessageLine1), "おフク");
        EXPECT_EQ(p.form().caption(W::MessageLine2), kGreetings[hero].line2);
        EXPECT_EQ(p.form().caption(W::MessageLine3), kGreetings[hero].cheap);
        p.then(std::string("click ") + designed(W::LeaveInnButton) + "\nset TitleIndex 3\nclick " +
               designed(W::InnButton));
        EXPECT_EQ(p.form().caption(W::MessageLine2), kGreetings[hero].line2);
        EXPECT_EQ(p.form().caption(W::MessageLine3), kGreetings[hero].dear);
    }
}

TEST(Inn, EnteringOpensTheInnInPlaceOfTheTownButtons) {
    auto p = inTown(0);
    p.then(std::string("set TalkState 1\nclick ") + designed(W::InnButton));
    const Form& f = p.form();
    EXPECT_EQ(p.state().TalkState, talk::kNothing);
    EXPECT_TRUE(f.showing(W::InnPanel));
    EXPECT_TRUE(f.showing(W::Innkeeper));
    EXPECT_TRUE(f.showing(W::MessagePanel));
    EXPECT_FALSE(f.showing(W::TownButtons));
    EXPECT_FALSE(f.showing(W::StatusButton));
}

TEST(Inn, TheNightCostsTwentyFiveUntilTheThirdTitleThenForty) {
    struct Case {
        int titleIndex, gold;
        bool stays;
    };
    for (const Case c : {Case{0, 24, false}, Case{2, 24, false}, Case{2, 25, true}, Case{3, 39, false},
                         Case{3, 40, true}, Case{6, 39, false}, Case{6, 41, true}}) {
        SCOPED_TRACE(std::to_string(c.titleIndex) + " " + std::to_string(c.gold));
        auto p = inTown(2);
        p.then("set TitleIndex " + std::to_string(c.titleIndex) + "\nset Gold " + std::to_string(c.gold) +
               "\nset Hp 1\nset Mp 0\nclick " + designed(W::InnButton) + "\nclick " + designed(W::StayButton));
        const int price = c.titleIndex < 3 ? 25 : 40;
        EXPECT_EQ(p.state().Gold, c.stays ? c.gold - price : c.gold);
        EXPECT_EQ(p.form().caption(W::MessageLine2), c.stays ? kThanks : kShortOfMoney);
        EXPECT_EQ(p.form().caption(W::MessageLine3), "");
        EXPECT_EQ(p.state().Hp, c.stays ? 20 : 1);
        EXPECT_EQ(p.state().Mp, c.stays ? 7 : 0);
    }
}

TEST(Inn, AStayRestoresEverythingAndRewritesTheTownBar) {
    auto p = inTown(1);
    p.then(std::string("set Hp 3\nset Mp 2\nset Gold 100\nclick ") + designed(W::InnButton) + "\nclick " +
           designed(W::StayButton));
    EXPECT_EQ(p.form().caption(W::BarHp), "HP　14/14");
    EXPECT_EQ(p.form().caption(W::BarMp), "MP　12/12");
    EXPECT_EQ(p.form().caption(W::BarMoney), "所持金　75");
    // Another night, full as the hero is, is charged all the same.
    p.then(std::string("click ") + designed(W::StayButton));
    EXPECT_EQ(p.state().Gold, 50);
    EXPECT_EQ(p.form().caption(W::BarMoney), "所持金　50");
}

TEST(Inn, ARefusalChangesNothingButTheLinesAndTheThemePlaysOn) {
    auto p = inTown(3);
    p.then(std::string("set Gold 24\nset Hp 5\ntick ") + designed(Timer::TownMusic) + " 10\nclick " +
           designed(W::InnButton));
    Game& g = p.game();
    const std::string before = p.script->dump();
    const std::string line2 = p.form().caption(W::MessageLine2), line3 = p.form().caption(W::MessageLine3);
    p.then(std::string("click ") + designed(W::StayButton));
    EXPECT_EQ(p.form().caption(W::MessageLine2), kShortOfMoney);
    g.form.setCaption(W::MessageLine2, line2);
    g.form.setCaption(W::MessageLine3, line3);
    EXPECT_EQ(p.script->dump(), before);
    EXPECT_TRUE(p.sound().state(Tune::SwordsmanTheme).playing);
}

TEST(Inn, AStayPlaysTheInnTuneAndLeavingRestartsTheThemeFromItsBeginning) {
    auto p = inTown(0);
    p.then(std::string("tick ") + designed(Timer::TownMusic) + " 30\nclick " + designed(W::InnButton) + "\nclick " +
           designed(W::StayButton));
    const Sound& sound = p.sound();
    EXPECT_FALSE(p.form().enabled(Timer::TownMusic));
    EXPECT_EQ(p.state().TownMusicTick, 0);
    for (Player theme : {Tune::TorubaTheme, Tune::OldManTheme, Tune::TeacherTheme, Tune::SwordsmanTheme}) {
        EXPECT_FALSE(sound.state(theme).playing) << def(theme).designed;
        EXPECT_TRUE(sound.state(theme).atStart) << def(theme).designed;
    }
    EXPECT_TRUE(sound.state(Tune::Inn).playing);
    p.then(std::string("tick ") + designed(Timer::TownMusic) + " 5");  // the timer is off while the hero sleeps
    EXPECT_FALSE(sound.state(Tune::TorubaTheme).playing);

    p.then(std::string("click ") + designed(W::LeaveInnButton));
    EXPECT_FALSE(sound.state(Tune::Inn).playing);
    EXPECT_TRUE(sound.state(Tune::Inn).atStart);
    EXPECT_TRUE(p.form().enabled(Timer::TownMusic));
    EXPECT_TRUE(p.form().showing(W::TownButtons));
    EXPECT_TRUE(p.form().showing(W::StatusButton));
    EXPECT_FALSE(p.form().showing(W::InnPanel));
    EXPECT_FALSE(p.form().showing(W::MessagePanel));
    EXPECT_FALSE(p.form().showing(W::Innkeeper));
    p.then(std::string("tick ") + designed(Timer::TownMusic));
    EXPECT_TRUE(sound.state(Tune::TorubaTheme).playing);
    EXPECT_EQ(p.state().TownMusicTick, 1);
}

TEST(Inn, LeavingWithoutAStayLeavesTheThemeUninterrupted) {
    auto p = inTown(2);
    p.then(std::string("tick ") + designed(Timer::TownMusic) + " 40\nclick " + designed(W::InnButton) + "\ntick " +
           designed(Timer::TownMusic) + " 2\nclick " + designed(W::LeaveInnButton) + "\ntick " +
           designed(Timer::TownMusic));
    EXPECT_EQ(p.state().TownMusicTick, 43);
    EXPECT_TRUE(p.sound().state(Tune::TeacherTheme).playing);
    EXPECT_FALSE(p.sound().state(Tune::Inn).playing);
    EXPECT_EQ(p.state().Gold, 50);
}

}  // namespace
}  // namespace verminadia
