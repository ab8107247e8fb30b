// The window's languages: the switch from the context menu that rewrites everything on the screen at once, the window's
// caption included, and back.

#include <gtest/gtest.h>

#include <sstream>

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

#include "core/title.h"
#include "desktop/window/game_window.h"
#include "desktop/window/qtext.h"
#include "desktop/window/widget_views.h"
#include "frontend/menu_texts.h"
#include "frontend/native/settings_file.h"
#include "game/events.h"
#include "language/choice.h"
#include "live_window.h"
#include "support/japanese.h"
#include "town/heroes.h"

namespace verminadia::desktop {
namespace {

// What a widget shows on the screen.
QString shown(QWidget* w) {
    if (auto* l = dynamic_cast<LabelView*>(w)) return l->text();
    if (auto* b = dynamic_cast<QPushButton*>(w)) return b->text();
    if (auto* e = dynamic_cast<QLineEdit*>(w)) return e->text();
    return {};
}

struct Switching : ::testing::Test {
    std::ostringstream complaints;
    Catalogues catalogues{VERMINADIA_BUILD_DIR, "test", complaints};
    frontend::FileCatalogues files{catalogues};
    SilentOutput silence;
    ClockRandom random{[] { return std::uint64_t{1}; }};
    Game game{silence, random};
    GameWindow window{game};

    void SetUp() override {
        window.menu().offerLanguages(files);
        startGame(game);
        window.ensureBuilt();
        window.show();
    }
    void choose(const std::string& language) {
        window.menu().choose({.what = frontend::MenuChoice::Language, .language = language});
    }
    // The context menu's submenu of languages.
    QMenu* languages() {
        for (QAction* a : window.contextMenu()->actions())
            if (a->menu()) return a->menu();
        return nullptr;
    }
    void click(W w) {
        window.shell().click(w);
        window.shell().sync();
    }
    void expectScreenFollowsTheModel() {
        for (const WidgetDef& d : kWidgets) {
            if (d.kind == Kind::Label || d.kind == Kind::Button || d.kind == Kind::Edit) {
                EXPECT_EQ(shown(window.widget(d.id)), QString::fromStdString(game.form.caption(d.id))) << d.designed;
            }
        }
    }
};

TEST_F(Switching, TheWholeScreenIsRewrittenAtOnceAndComesBackByteForByte) {
    // In the store, after the prologue: a message panel, a shelf, the town bar and its buttons.
    for (int i = 0; i < 18; ++i) tick(game, Timer::Opening);
    window.shell().sync();
    click(W::Start);
    for (int i = 0; i < 11; ++i) tick(game, Timer::Opening);
    window.shell().sync();
    click(W::RoninChoice);
    click(W::StoreButton);
    const QString japaneseGreeting = shown(window.widget(W::MessageLine2));
    const QString japaneseButton = shown(window.widget(W::KingButton));

    choose("en");
    EXPECT_EQ(window.shell().language(), "en");
    EXPECT_EQ(window.windowTitle(), qtext(catalogues.get("en").translate(kGameTitle)));
    EXPECT_NE(window.windowTitle(), qtext(kGameTitle));
    EXPECT_NE(shown(window.widget(W::MessageLine2)), japaneseGreeting);
    EXPECT_NE(shown(window.widget(W::KingButton)), japaneseButton);
    // The hero's name in the state, and so in every line to come.
    EXPECT_EQ(game.shown(&GameState::HeroName), catalogues.get("en").translate(kHeroes[3].name));
    expectScreenFollowsTheModel();

    choose("ja");
    EXPECT_EQ(window.windowTitle(), qtext(kGameTitle));
    EXPECT_EQ(shown(window.widget(W::MessageLine2)), japaneseGreeting);
    EXPECT_EQ(shown(window.widget(W::KingButton)), japaneseButton);
    expectScreenFollowsTheModel();
    EXPECT_EQ(complaints.str(), "");
}

TEST_F(Switching, TheMenuNamesEachLanguageInItselfAndSwitchesToThePickedOne) {
    ASSERT_FALSE(fixtures::freshSettingsFile().isEmpty()) << "XDG_CONFIG_HOME is not a folder of the tests' own";
    frontend::FileSettings settings;
    window.shell().useSettings(settings);
    QMenu* menu = languages();
    ASSERT_NE(menu, nullptr);
    const QList<QAction*> entries = menu->actions();
    ASSERT_EQ(entries.size(), static_cast<qsizetype>(verminadia::languages().size()));
    // Japanese first and checked, as the game speaks it now.
    ASSERT_EQ(entries[0]->data().toString(), QStringLiteral("ja"));
    EXPECT_EQ(entries[0]->text(), qtext(frontend::kLanguageName));
    EXPECT_TRUE(entries[0]->isChecked());
    QAction* english = nullptr;
    for (QAction* entry : entries) {
        if (entry->data().toString() == QStringLiteral("en")) english = entry;
    }
    ASSERT_NE(english, nullptr);
    EXPECT_EQ(english->text(), QStringLiteral("English"));
    EXPECT_FALSE(english->isChecked());
    EXPECT_EQ(menu->title(), qtext(frontend::kLanguageMenuTitle));

    english->trigger();
    EXPECT_EQ(frontend::FileSettings().language(), "en") << "the choice is not remembered";
    EXPECT_EQ(window.shell().language(), "en");
    EXPECT_TRUE(english->isChecked());
    EXPECT_FALSE(entries[0]->isChecked());
    EXPECT_EQ(shown(window.widget(W::Start)), QStringLiteral("Start"));
    // The menu is in the language now spoken.
    EXPECT_EQ(menu->title(), QStringLiteral("Language"));
}

TEST_F(Switching, EveryEntryOfTheContextMenuSpeaksTheGamesLanguage) {
    QMenu* menu = window.contextMenu();
    choose("en");
    menu->popup(window.mapToGlobal(QPoint(10, 10)));
    ASSERT_GE(menu->actions().size(), 6);
    for (const QAction* entry : menu->actions()) {
        if (entry->isSeparator()) continue;
        EXPECT_FALSE(entry->text().isEmpty());
        EXPECT_FALSE(test::hasJapanese(entry->text().toStdString())) << entry->text().toStdString();
    }
    EXPECT_EQ(menu->actions()[1]->text(), QStringLiteral("2× (1042 × 702)"));
    menu->hide();

    choose("ja");
    menu->popup(window.mapToGlobal(QPoint(10, 10)));
    EXPECT_EQ(menu->actions()[1]->text(), QStringLiteral("2倍 (1042 × 702)"));
    EXPECT_EQ(languages()->title(), qtext(frontend::kLanguageMenuTitle));
    menu->hide();
}

}  // namespace
}  // namespace verminadia::desktop
