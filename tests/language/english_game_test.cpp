// Whole games in English through the driver, for each hero: the title, the town's shops and the
// status screen, every champion with a visit to the king after each, a talk, an item and a skill
// in a fight, a defeat, the six challengers, the casino, the king's last words and the ending
// until the window closes. After every line of the script, no caption on the screen holds a
// Japanese character or an unfilled field, nor what a screen reader is told of it.

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>

#include "frontend/screen_reader/accessible.h"
#include "language/catalogues.h"
#include "support/arena.h"
#include "support/japanese.h"

namespace verminadia {
namespace {

using arena_testing::attack;
using arena_testing::bout;
using arena_testing::kChampionClasses;
using arena_testing::kClick;
using arena_testing::next;
using test::Played;

const Catalogue& english() {
    static std::ostringstream complaints;
    static Catalogues catalogues(VERMINADIA_BUILD_DIR, "test", complaints);
    EXPECT_TRUE(catalogues.usable("en")) << complaints.str();
    return catalogues.get("en");
}

// Plays the lines one at a time, looking at the screen after each.
void playChecked(Played& p, std::string_view lines) {
    if (::testing::Test::HasFatalFailure()) return;  // the first failure tells; the rest would only echo it
    std::istringstream in{std::string(lines)};
    for (std::string line; std::getline(in, line);) {
        p.then(line);
        for (const WidgetDef& d : kWidgets) {
            if (!p.form().showing(d.id)) continue;
            const std::string& caption = p.form().caption(d.id);
            ASSERT_FALSE(test::hasJapanese(caption))
                << "after '" << line << "', " << d.designed << " shows: " << caption;
            // A field the translation names but the game did not fill shows as it is written.
            ASSERT_TRUE(Text::fieldNames(caption).empty())
                << "after '" << line << "', " << d.designed << " shows: " << caption;
            // A screen reader's words too: the pictures', the panels', and the values in columns
            // without the tab that puts them there.
            const std::string heard = frontend::accessibleName(d.id, p.game());
            ASSERT_FALSE(test::hasJapanese(heard))
                << "after '" << line << "', " << d.designed << " is read as: " << heard;
            ASSERT_EQ(heard.find(kColumnBreak), std::string::npos) << d.designed << " is read with a tab: " << heard;
        }
    }
    ASSERT_EQ(p.err, "");
}

class EnglishGame : public ::testing::TestWithParam<int> {};

TEST_P(EnglishGame, FromTheTitleToTheWindowClosingWithoutAJapaneseCaption) {
    const int hero = GetParam();
    Played p = test::play("", english());
    playChecked(p, test::heroChosen(hero));
    // The town: the status screen, the store with a purchase and a refusal, the inn, the king.
    playChecked(p, std::string("click ") + designed(W::StatusButton) + "\nclick " + designed(W::StatusOkButton) +
                       "\nclick " + designed(W::StoreButton) + "\nclick " + designed(W::StoreWeapon2) + "\nclick " +
                       designed(W::StoreItem2) + "\nclick " + designed(W::LeaveStore) + "\n");
    playChecked(p, std::string("click ") + designed(W::InnButton) + "\nclick " + designed(W::StayButton) + "\nclick " +
                       designed(W::LeaveInnButton) + "\nclick " + designed(W::KingButton) + "\nclick " +
                       designed(W::MessagePanel) + "\n");
    // A defeat at the amateurs' hands, and back to town with half the money.
    playChecked(p, std::string("click ") + designed(W::ArenaButton) + "\nset Hp 1\n" +
                       bout(designed(W::AmateurButton), 0) + "set EnemyPower 99\nset EnemyHp 999\n" + attack(0) +
                       next(2) + std::string(kClick));
    ASSERT_TRUE(p.form().showing(W::TownButtons));
    // A strong hero from here on, with something in every pocket.
    playChecked(p, "set Attack 150\nset MaxHp 999\nset Hp 999\nset Level 2\nset Exp 30\nset Gold 99999\n");
    playChecked(p, std::string("click ") + designed(W::StoreButton) + "\nclick " + designed(W::StoreItem2) +
                       "\nclick " + designed(W::LeaveStore) + "\nclick " + designed(W::ArenaButton) + "\n");

    for (std::size_t k = 0; k < kChampionClasses.size(); ++k) {
        const arena_testing::ChampionClass& cls = kChampionClasses[k];
        for (int n = 1; n < cls.threshold; ++n) {
            playChecked(p, bout(cls.button, 0));
            if (k == 0 && n == 1) {
                // Talk, the travelling merchant, an item and the skill panel on the first bout.
                playChecked(p, arena_testing::draws({0}) + "click " + designed(W::TalkCommand) + "\nset EnemyKind 5\n" +
                                   arena_testing::draws({0}) + "click " + designed(W::TalkCommand) + "\nclick " +
                                   designed(W::BuyTearButton) + "\n");
                playChecked(p, std::string("click ") + designed(W::ItemCommand) + "\nclick " + designed(W::ItemCancel) +
                                   "\nclick " + designed(W::ItemCommand) + "\nclick " + designed(W::Item2Entry) + "\n" +
                                   next(0));
                playChecked(p, std::string("click ") + designed(W::SkillCommand) + "\nclick " +
                                   designed(W::SkillCancel) + "\n");
            }
            // The first level-up taught a skill.
            if (k == 0 && n == 2)
                playChecked(p, std::string("set Mp 99\nclick ") + designed(W::SkillCommand) + "\nclick " +
                                   designed(W::Skill1Entry) + "\n" + next(0));
            arena_testing::winTheBout(p, playChecked);
        }
        playChecked(p, bout(cls.button, cls.slot) + "click " + designed(W::ChampionAppears) + "\n");
        arena_testing::winTheBout(p, playChecked);
        playChecked(p, std::string("click ") + designed(W::LeaveArenaButton) + "\nclick " + designed(W::KingButton) +
                           "\nclick " + designed(W::MessageLine2) + "\nclick " + designed(W::StatusButton) +
                           "\nclick " + designed(W::StatusOkButton) + "\nclick " + designed(W::ArenaButton) + "\n");
        ASSERT_EQ(p.state().TitleIndex, static_cast<int>(k) + 1);
    }
    for (int k = 0; k < 6; ++k) {
        playChecked(
            p, std::string("click ") + designed(W::HeavyButton) + "\nclick " + designed(W::ChallengerAppears) + "\n");
        arena_testing::winTheBout(p, playChecked);
    }
    playChecked(p, std::string("click ") + designed(W::LeaveArenaButton) + "\n");
    if (hero != 0)
        playChecked(p, std::string("click ") + designed(W::CasinoButton) + "\ndraw 1\nclick " +
                           designed(W::RockButton) + "\ndraw 0\nclick " + designed(W::ScissorsButton) + "\nclick " +
                           designed(W::LeaveCasinoButton) + "\n");
    playChecked(p, std::string("click ") + designed(W::KingButton) + "\nclick " + designed(W::MessageLine1) + "\n");
    for (int tick = 1; tick <= 147; ++tick) playChecked(p, std::string("tick ") + designed(Timer::Ending) + "\n");
    EXPECT_FALSE(p.form().open());
    EXPECT_EQ(p.state().ChallengerWins, 6);
    EXPECT_EQ(p.state().EndingTick, 147);
    EXPECT_EQ(p.out, "");
}

INSTANTIATE_TEST_SUITE_P(EveryHero, EnglishGame, ::testing::Values(0, 1, 2, 3),
                         [](const ::testing::TestParamInfo<int>& param) {
                             return "Hero" + std::to_string(param.param);
                         });

}  // namespace
}  // namespace verminadia
