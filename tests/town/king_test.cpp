// The king's room: speeches by champions beaten, the titles he grants and gives back, and the
// final title that leads into the ending.

#include <gtest/gtest.h>

#include <string>

#include "core/career.h"
#include "in_town.h"

namespace verminadia {
namespace {

using town_testing::inTown;

constexpr const char* kOrganiser2 = "　「私が今回の大会の開催者じゃ。勝ち残った者には名誉の";
constexpr const char* kOrganiser3 = "ある称号を与えよう。少しでも勝ったらまた来なさい。」";

TEST(KingsRoom, AFirstVisitIsTheOrganisersSpeechAndGrantsNothing) {
    auto p = inTown(0);
    p.then(std::string("tick ") + designed(Timer::TownMusic) + " 3\nclick " + designed(W::KingButton));
    const Form& f = p.form();
    EXPECT_EQ(f.caption(W::MessageLine1), "ドラゴン王");
    EXPECT_EQ(f.caption(W::MessageLine2), kOrganiser2);
    EXPECT_EQ(f.caption(W::MessageLine3), kOrganiser3);
    EXPECT_EQ(p.state().TitleIndex, 0);
    EXPECT_EQ(p.shown(&GameState::TitleName), "街の人");
    EXPECT_EQ(f.caption(W::BarRank), "街の人");
    EXPECT_EQ(p.state().TalkState, talk::kCloseKingsRoom);
    EXPECT_TRUE(f.showing(W::King));
    EXPECT_TRUE(f.showing(W::MessagePanel));
    EXPECT_FALSE(f.showing(W::TownButtons));
    EXPECT_FALSE(f.showing(W::StatusButton));
    EXPECT_TRUE(f.showing(W::TownBar));
    // The town theme plays on in the room.
    p.then(std::string("tick ") + designed(Timer::TownMusic));
    EXPECT_TRUE(p.sound().state(Tune::TorubaTheme).playing);
    EXPECT_EQ(p.state().TownMusicTick, 4);
}

TEST(KingsRoom, OneClickOnThePanelOrItsTextClosesTheRoom) {
    for (const char* where :
         {designed(W::MessagePanel), designed(W::MessageLine1), designed(W::MessageLine2), designed(W::MessageLine3)}) {
        SCOPED_TRACE(where);
        auto p = inTown(1);
        p.then(std::string(std::string("click ") + designed(W::KingButton) + "\nclick ") + where);
        const Form& f = p.form();
        EXPECT_TRUE(f.showing(W::StatusButton));
        EXPECT_FALSE(f.showing(W::MessagePanel));
        EXPECT_FALSE(f.showing(W::King));
        EXPECT_TRUE(f.showing(W::TownButtons));
        // The code stays until the next screen sets its own.
        EXPECT_EQ(p.state().TalkState, talk::kCloseKingsRoom);
        p.then(std::string("click ") + designed(W::MessageLine2));
        EXPECT_EQ(p.out, std::string("ignored: ") + designed(W::MessageLine2) + " is hidden\n");
    }
}

TEST(KingsRoom, EachChampionBeatenBringsItsSpeechAndTitle) {
    struct Visit {
        int champions;
        const char* line2;
        const char* line3;
        const char* title;
    };
    constexpr Visit kVisits[] = {
        {1, "　「お主はもうただの人ではない。新しい称号を与えよう。", "もっと強くなったらまた来なさい。」", "森の重役"},
        {2, "　「なかなか勝ち進んでるようじゃのう。新しい称号を与え", "よう。もっと強くなったらまた来なさい。」",
         "森の議長"},
        {3, "　「ここまで勝つとはお主ただ者ではないな。この調子でど", "んどん頑張りなさい。」", "森のクマさん"},
        {4, "　「あっぱれ、あっぱれ。愉快じゃのう。我が国にこんな強", "い者がいたとは。お主の事を気に入ったわい。」",
         "城の委員長"},
        {5, "　「ほっほっほっ、見事じゃ。一つ上の位にしてやろう。ド", "ラゴンマスターになる日も近いぞ。頑張れ」",
         "国の知事"},
        {6, "　「ほんと、お前は強いなぁ\u2015。私の変わりに国王にでもな", "らないか？？」", "総理大臣"},
    };
    // One career: a visit after each champion raises the title by one.
    auto p = inTown(2);
    for (const Visit& v : kVisits) {
        SCOPED_TRACE(v.champions);
        p.then("set ChampionWins " + std::to_string(v.champions) + "\nclick " + designed(W::KingButton));
        EXPECT_EQ(p.form().caption(W::MessageLine2), v.line2);
        EXPECT_EQ(p.form().caption(W::MessageLine3), v.line3);
        EXPECT_EQ(p.state().TitleIndex, v.champions);
        EXPECT_EQ(p.shown(&GameState::TitleName), v.title);
        EXPECT_EQ(p.form().caption(W::BarRank), v.title);
        p.then(std::string("click ") + designed(W::MessagePanel));
        EXPECT_TRUE(p.form().showing(W::TownButtons));
    }
    EXPECT_EQ(p.out, "");
}

TEST(KingsRoom, ASecondVisitWithoutANewChampionChangesNothing) {
    auto p = inTown(3);
    p.then(std::string("set ChampionWins 2\nclick ") + designed(W::KingButton) + "\nclick " +
           designed(W::MessagePanel));
    const std::string after = p.script->dump();
    p.then(std::string("click ") + designed(W::KingButton) + "\nclick " + designed(W::MessagePanel));
    EXPECT_EQ(p.script->dump(), after);
    EXPECT_EQ(p.shown(&GameState::TitleName), "城の剣士");
}

TEST(KingsRoom, AVisitAfterADefeatGivesTheTitleBack) {
    // A defeat shows title 0 in the hero summary; the king puts the earned title back.
    auto p = inTown(0);
    p.then(std::string("set ChampionWins 3\nclick ") + designed(W::KingButton) + "\nclick " +
           designed(W::MessagePanel));
    Game& g = p.game();
    g.state.TitleName = g.state.Title0Name;
    g.form.setCaption(W::BarRank, g.state.TitleName);
    p.then(std::string("click ") + designed(W::KingButton));
    EXPECT_EQ(p.form().caption(W::MessageLine2), "　「ここまで勝つとはお主ただ者ではないな。この調子でど");
    EXPECT_EQ(p.shown(&GameState::TitleName), "街の人気者");
    EXPECT_EQ(p.form().caption(W::BarRank), "街の人気者");
    EXPECT_EQ(p.state().TitleIndex, 3);
}

TEST(KingsRoom, ADefeatBeforeAnyChampionLeavesTheLowestTitle) {
    auto p = inTown(1);
    Game& g = p.game();
    g.state.TitleName = g.state.Title0Name;
    g.form.setCaption(W::BarRank, g.state.TitleName);
    p.then(std::string("click ") + designed(W::KingButton));
    EXPECT_EQ(p.form().caption(W::MessageLine2), kOrganiser2);
    EXPECT_EQ(p.form().caption(W::BarRank), "ボケ老人");
    EXPECT_EQ(p.state().TitleIndex, 0);
}

TEST(KingsRoom, TheWholeChallengerSeriesBringsTheLegendaryTitleAndTheEnding) {
    auto p = inTown(0);
    p.then(std::string("set ChampionWins 6\nset ChallengerWins 6\nclick ") + designed(W::KingButton));
    const Form& f = p.form();
    EXPECT_EQ(f.caption(W::MessageLine1), "ドラゴン王");
    EXPECT_EQ(f.caption(W::MessageLine2), "　「よくぞ闘技会で優勝した。お主に伝説の称号、ドラゴン");
    EXPECT_EQ(f.caption(W::MessageLine3), "マスターをやろう！！」");
    EXPECT_EQ(p.state().TalkState, talk::kEnding);
    // The legendary title is only spoken; the hero keeps the sixth.
    EXPECT_EQ(p.shown(&GameState::TitleName), "神様");
    EXPECT_EQ(p.state().TitleIndex, 6);
    EXPECT_FALSE(f.showing(W::StatusButton));
    EXPECT_FALSE(f.showing(W::TownButtons));
    // The room does not close: the click belongs to the ending.
    p.then(std::string("click ") + designed(W::MessagePanel));
    EXPECT_FALSE(f.showing(W::StatusButton));
    EXPECT_FALSE(f.showing(W::TownButtons));
}

}  // namespace
}  // namespace verminadia
