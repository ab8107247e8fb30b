// The opening as a player sees it, tick by tick.

#include <gtest/gtest.h>

#include "support/play.h"

namespace verminadia {
namespace {

using test::play;

TEST(NewGame, SetsTheStartingValuesAndTheTownBarCaptions) {
    auto p = play("");
    const GameState& s = p.state();
    EXPECT_EQ(s.Gold, 50);
    EXPECT_EQ(s.Level, 1);
    EXPECT_EQ(s.ChallengerBout, 10);  // 0 would mean the first challenger
    EXPECT_EQ(s.TitleTick, 0);
    EXPECT_EQ(s.TearCount, 0);
    EXPECT_EQ(s.HeroId, 0);
    EXPECT_EQ(test::japanese(s.MerchantItem1Name), "ワルサーP38");
    EXPECT_EQ(test::japanese(s.MerchantItem2Name), "セクシーランジェリー");
    EXPECT_EQ(test::japanese(s.TearName), "ドラゴンの涙");
    EXPECT_TRUE(test::japanese(s.HeroName).empty());
    EXPECT_EQ(p.form().caption(W::BarMoney), "所持金　50");
    EXPECT_EQ(p.form().caption(W::BarLevel), "LV   1");
    // The player first sees an empty white window with the title timer running.
    EXPECT_EQ(p.form().windowColor(), kWhite);
    for (const WidgetDef& d : kWidgets) {
        if (d.parent == W::Window) {
            EXPECT_FALSE(p.form().showing(d.id)) << d.designed;
        }
    }
    EXPECT_TRUE(p.form().enabled(Timer::Opening));
}

TEST(Title, MakerThenBlackScreenThenTheTitleLetterByLetterToGunshots) {
    auto p = play(std::string("tick ") + designed(Timer::Opening) + " 1");
    EXPECT_FALSE(p.form().visible(W::GameTitle));  // tick 1 does nothing

    p.then(std::string("tick ") + designed(Timer::Opening));
    EXPECT_TRUE(p.form().visible(W::GameTitle));
    EXPECT_EQ(p.form().caption(W::GameTitle), "            GLIMMERSTOVE");

    p.then(std::string("tick ") + designed(Timer::Opening) +
           " 2");  // tick 4: black, bigger, higher, but still the maker's name
    EXPECT_EQ(p.form().windowColor(), kBlack);
    EXPECT_EQ(p.form().state(W::GameTitle).fontPx, 27);
    EXPECT_EQ(p.form().state(W::GameTitle).top, 128);
    EXPECT_EQ(p.form().caption(W::GameTitle), "            GLIMMERSTOVE");
    EXPECT_EQ(p.form().state(W::GameTitle).fontColor, kWindowText);
    EXPECT_FALSE(p.sound().state(Tune::Shots).playing);

    const char* grown[] = {"ヴ",
                           "ヴェ",
                           "ヴェル",
                           "ヴェルミ",
                           "ヴェルミナ",
                           "ヴェルミナー",
                           "ヴェルミナーデ",
                           "ヴェルミナーディ",
                           "ヴェルミナーディア",
                           "ヴェルミナーディア外",
                           "ヴェルミナーディア外伝"};
    for (const char* caption : grown) {
        p.then(std::string("tick ") + designed(Timer::Opening));
        EXPECT_EQ(p.form().caption(W::GameTitle), caption) << "tick " << p.state().TitleTick;
        EXPECT_EQ(p.form().state(W::GameTitle).fontColor, kRed);
        EXPECT_TRUE(p.sound().state(Tune::Shots).playing);
    }
    EXPECT_EQ(p.state().TitleTick, 15);
}

TEST(Title, ApplauseSubtitleAndThePromptThenWaitsForTheClick) {
    auto p = play(std::string("tick ") + designed(Timer::Opening) + " 16");
    EXPECT_TRUE(p.sound().state(Tune::Applause).playing);
    EXPECT_TRUE(p.form().showing(W::StoryLine));
    EXPECT_EQ(p.form().caption(W::StoryLine), "～ルーメンティアの灯～");
    EXPECT_EQ(p.form().state(W::StoryLine).fontColor, kYellow);

    p.then(std::string("tick ") + designed(Timer::Opening) + " 2");
    EXPECT_TRUE(p.form().showing(W::Start));
    EXPECT_FALSE(p.form().enabled(Timer::Opening));

    p.then(std::string("tick ") + designed(Timer::Opening) + " 50");  // no time-out: a disabled timer does not tick
    EXPECT_EQ(p.state().TitleTick, 18);
    EXPECT_FALSE(p.form().showing(W::HeroChoicePanel));
}

TEST(Title, StartClickRunsThePrologueAndShowsTheHeroChoiceElevenTicksLater) {
    auto p = play(std::string("tick ") + designed(Timer::Opening) + " 18\nclick " + designed(W::Start));
    EXPECT_TRUE(p.form().enabled(Timer::Opening));
    for (Player shot : {Tune::Shots, Tune::Applause}) {
        EXPECT_FALSE(p.sound().state(shot).playing);
        EXPECT_TRUE(p.sound().state(shot).atStart);
    }
    EXPECT_FALSE(p.form().visible(W::GameTitle));
    EXPECT_FALSE(p.form().visible(W::Start));
    EXPECT_TRUE(p.form().visible(W::StoryLine));
    EXPECT_EQ(p.form().caption(W::StoryLine), "");

    struct Line {
        int ticks;
        const char* caption;
        Rgb color;
    };
    const Line prologue[] = {
        {1, "このゲームはフィクションです。", kRed},      // tick 19
        {2, "", kRed},                                    // 21
        {1, "　　今からおよそ600年前", kWhite},           // 22
        {2, "      7月10日、嵐の夜", kWhite},             // 24
        {2, "ドラゴン城で闘技大会が行われた。", kWhite},  // 26
    };
    for (const Line& l : prologue) {
        p.then(std::string("tick ") + designed(Timer::Opening) + " " + std::to_string(l.ticks));
        EXPECT_EQ(p.form().caption(W::StoryLine), l.caption) << "tick " << p.state().TitleTick;
        EXPECT_EQ(p.form().state(W::StoryLine).fontColor, l.color);
    }
    p.then(std::string("tick ") + designed(Timer::Opening) + " 2");
    EXPECT_FALSE(p.form().visible(W::StoryLine));
    EXPECT_FALSE(p.form().showing(W::HeroChoicePanel));
    p.then(std::string("tick ") + designed(Timer::Opening));
    EXPECT_EQ(p.state().TitleTick, 29);
    EXPECT_TRUE(p.form().showing(W::HeroChoicePanel));
    EXPECT_TRUE(p.form().showing(W::TorubaChoice));
    EXPECT_FALSE(p.form().enabled(Timer::Opening));
    EXPECT_EQ(p.out, "");

    // The prompt is gone for good.
    p.then(std::string("click ") + designed(W::Start));
    EXPECT_EQ(p.out, std::string("ignored: ") + designed(W::Start) + " is hidden\n");
    EXPECT_FALSE(p.form().enabled(Timer::Opening));
}

}  // namespace
}  // namespace verminadia
