// What a screen reader is told, from the game's model: each widget's name and role, what it
// hears by itself after a click or a tick, and the status key's words.

#include <gtest/gtest.h>

#include <algorithm>

#include "core/title.h"
#include "frontend/screen_reader/accessible.h"
#include "frontend/screen_reader/announcements.h"
#include "support/arena.h"
#include "support/play.h"
#include "support/shipped.h"

namespace verminadia::frontend {
namespace {

TEST(ScreenReader, NamesWhatThePlayerSeesByTheRolesReadersKnow) {
    test::Played p = test::play(test::kToHeroChoice);
    const Game& g = p.game();
    EXPECT_EQ(accessibleName(W::TorubaChoice, g), g.form.caption(W::TorubaChoice));
    EXPECT_EQ(roleOf(W::TorubaChoice), Role::Button);
    EXPECT_EQ(accessibleName(W::HeroChoicePanel, g), g.form.caption(W::HeroChoicePrompt));  // by its heading
    EXPECT_EQ(roleOf(W::HeroChoicePanel), Role::Pane);
    p.then(std::string("click ") + designed(W::MizelChoice) + "\n");
    const shipped::Hero& teacher = shipped::kHeroes[2];
    EXPECT_EQ(accessibleName(teacher.portrait, g), teacher.portraitName);
    EXPECT_EQ(roleOf(teacher.portrait), Role::Graphic);

    p.then(std::string("click ") + designed(W::ArenaButton) + "\ndraw 0\nclick " + designed(W::AmateurButton) + "\n");
    EXPECT_EQ(roleOf(W::MessagePanel), Role::Section);
    EXPECT_EQ(roleOf(W::MessageLine1), Role::StaticText);  // the panel answers for its lines
    EXPECT_EQ(accessibleName(W::MessagePanel, g), g.form.caption(W::MessageLine1) + '\n' +
                                                      g.form.caption(W::MessageLine2) + '\n' +
                                                      g.form.caption(W::MessageLine3));
    ASSERT_EQ(test::opponentPicturesShowing(g.form), std::vector<W>{W::HundredYenManPicture});
    EXPECT_EQ(accessibleName(W::HundredYenManPicture, g),
              g.shown(&GameState::EnemyName));  // the opponent in the ring, by name
    EXPECT_EQ(accessibleName(W::ZundaraPicture, g), shipped::kOpponentName);
}

// Plays the lines and returns what the reader heard, the focus staying put.
std::vector<std::string> heardAfter(test::Played& p, std::string_view lines, std::optional<W> focusAfter = {}) {
    const Form before = p.form();
    p.then(lines);
    return announcements(before, p.form(), std::nullopt, focusAfter);
}

using Said = std::vector<std::string>;

TEST(Announcements, TellTheTitleWholeOnceAndEveryLineOfThePrologue) {
    test::Played p = test::play("");
    Said heard;
    const auto listen = [&](std::string_view line, int times) {
        for (int i = 0; i < times; ++i) {
            const Said now = heardAfter(p, line);
            heard.insert(heard.end(), now.begin(), now.end());
        }
    };
    listen(std::string("tick ") + designed(Timer::Opening) + " 1\n", 18);
    listen(std::string("click ") + designed(W::Start) + "\n", 1);
    listen(std::string("tick ") + designed(Timer::Opening) + " 1\n", 11);
    const std::string title(untranslated().translate(kGameTitle));
    EXPECT_EQ(std::count(heard.begin(), heard.end(), title), 1);
    for (const std::string& said : heard) EXPECT_FALSE(said.size() < title.size() && title.starts_with(said)) << said;
    for (const char* line : {"このゲームはフィクションです。", "ドラゴン城で闘技大会が行われた。"})
        EXPECT_EQ(std::count(heard.begin(), heard.end(), line), 1) << line;
}

TEST(Announcements, TellEachMessageOnceEvenTheSameAgainUnlessTheFocusBringsIt) {
    test::Played p = test::play(test::heroChosen(0));
    const Form before = p.form();
    const Said king = heardAfter(p, std::string("click ") + designed(W::KingButton) + "\n");
    EXPECT_EQ(king, Said{"ドラゴン王\n"
                         "　「私が今回の大会の開催者じゃ。勝ち残った者には名誉の\n"
                         "ある称号を与えよう。少しでも勝ったらまた来なさい。」"});
    EXPECT_TRUE(heardAfter(p, "").empty());
    // The focus moving onto the panel reads it: the reader is not told twice.
    EXPECT_TRUE(announcements(before, p.form(), W::KingButton, W::MessagePanel).empty());

    // The shop: its name when the focus stays outside it, then what a purchase cost and the money
    // left; the same line again for a second purchase.
    test::Played shop = test::play(test::heroChosen(0));
    const Said entered = heardAfter(shop, std::string("click ") + designed(W::StoreButton) + "\n");
    ASSERT_FALSE(entered.empty());
    const std::string place = "エドソンの雑貨屋";
    EXPECT_EQ(entered.front(), place);  // the place, then its greeting
    EXPECT_EQ(entered.back(),
              std::string(shipped::kStoreName) + '\n' + shipped::kStoreGreeting2 + '\n' + shipped::kStoreGreeting3);
    EXPECT_EQ(std::count(entered.begin(), entered.end(), place), 1);
    const Said again =
        heardAfter(shop, std::string("click ") + designed(W::LeaveStore) + "\nclick " + designed(W::StoreButton) + "\n",
                   W::StoreItem2);  // the focus goes in
    EXPECT_EQ(std::count(again.begin(), again.end(), place), 0);
    shop.then("set Gold 1000\n");
    for (const char* left : {"所持金　985", "所持金　970"}) {
        const Said bought = heardAfter(shop, std::string("click ") + designed(W::StoreItem2) + "\n");
        EXPECT_EQ(bought, (Said{std::string(shipped::kStoreName) + '\n' + shipped::kStoreThanks, left}));
    }
}

TEST(Announcements, TellAPlacesPromptAndTheHerosValuesThatChanged) {
    test::Played p = test::play(test::heroChosen(0));
    const Said arena = heardAfter(p, std::string("click ") + designed(W::ArenaButton) + "\n", W::AmateurButton);
    EXPECT_EQ(arena, Said{"出場する階級を選んで下さい"});  // the place's name comes with the focus
    EXPECT_EQ(promptedPlace(W::ClassChoicePrompt), W::ClassChoicePanel);
    EXPECT_EQ(promptedPlace(W::AttackCommand), std::nullopt);

    test::Played inn = test::play(test::heroChosen(0));
    inn.then(std::string("click ") + designed(W::InnButton) + "\nset Hp 3\nset Gold 40\n");
    const Said night = heardAfter(inn, std::string("click ") + designed(W::StayButton) + "\n");
    EXPECT_EQ(night, (Said{"おフク\n　「ありがとさん。またおいでね。」", "所持金　15"}));  // the money left

    // The opponent's turn: what it did, then the hero's HP.
    test::Played fight = arena_testing::inArena(0, "set EnemyPower 6\n");
    fight.then(arena_testing::bout(designed(W::AmateurButton), 0) + "set EnemyPower 6\n" + arena_testing::attack(0));
    const Said hit = heardAfter(fight, arena_testing::next(1));
    EXPECT_EQ(hit, (Said{"100円マンの攻撃！\n"
                         "100円マンは鋭い眼光を飛ばした！\n"
                         "トルバさんは11のダメージをうけた。",
                         "HP　5/16"}));
    arena_testing::expectCleanRun(fight);

    // The hero bar coming into view is no change of the hero's values: they are not said.
    test::Played chosen = test::play(test::kToHeroChoice);
    const Said choice = heardAfter(chosen, std::string("click ") + designed(W::TorubaChoice) + "\n", W::StatusButton);
    for (const W value : {W::BarLevel, W::BarHp, W::BarMoney})
        EXPECT_EQ(std::find(choice.begin(), choice.end(), chosen.form().caption(value)), choice.end()) << choice.size();
}

TEST(StatusKey, SaysTheHerosStateLineByLineOnceThereIsAHero) {
    test::Played p = test::play(test::kToHeroChoice);
    EXPECT_EQ(heroStatus(p.form()), "");
    p.then(std::string("click ") + designed(W::TorubaChoice) + "\n");
    const Form& f = p.form();
    EXPECT_EQ(heroStatus(f), f.caption(W::BarHeroName) + '\n' + f.caption(W::BarLevel) + '\n' + f.caption(W::BarRank) +
                                 '\n' + f.caption(W::BarHp) + '\n' + f.caption(W::BarMp) + '\n' +
                                 f.caption(W::BarMoney));
    // The status screen's values are read without their padding.
    p.then(std::string("click ") + designed(W::StatusButton) + "\n");
    EXPECT_EQ(roleOf(W::StatusAttack), Role::StaticText);
    const std::string attack = accessibleName(W::StatusAttack, p.game());
    EXPECT_EQ(attack.rfind("攻撃力 ", 0), 0u) << attack;
    EXPECT_EQ(attack.find("  "), std::string::npos);
    EXPECT_EQ(accessibleName(W::TownButtons, p.game()), shipped::kTownName);  // the town by its name
}

}  // namespace
}  // namespace verminadia::frontend
