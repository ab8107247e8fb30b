// The shell with every part in memory: the one table of keys, the focus and what a reader is
// told after each input, the language at start, and continuing the last session.

#include "frontend/shell.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <sstream>

#include "frontend/menu.h"
#include "frontend/screen_reader/announcements.h"
#include "language/choice.h"

namespace verminadia::frontend {
namespace {

struct MemorySettings final : SettingsStore {
    std::map<std::string, std::string, std::less<>> kept;
    std::optional<std::string> value(std::string_view key) const override {
        const auto it = kept.find(key);
        return it == kept.end() ? std::nullopt : std::optional(it->second);
    }
    void setValue(std::string_view key, const std::string& v) override { kept[std::string(key)] = v; }
    bool save() override { return true; }
    bool readable() const override { return true; }
    std::string where() const override { return "memory"; }
};

// A record that keeps what is flushed into it.
struct MemoryRecord final : RecordStore {
    std::optional<std::string> kept;
    struct Buffer final : std::stringbuf {
        explicit Buffer(MemoryRecord& to) : to_(to) {}
        int sync() override {
            to_.kept->append(str());
            str({});
            return 0;
        }
        MemoryRecord& to_;
    };
    struct Stream final : std::ostream {
        explicit Stream(MemoryRecord& to) : std::ostream(&buf), buf(to) {}
        ~Stream() override { flush(); }
        Buffer buf;
    };
    bool exists() const override { return kept.has_value(); }
    std::unique_ptr<std::istream> read(std::string&) const override {
        return kept ? std::make_unique<std::istringstream>(*kept) : nullptr;
    }
    std::unique_ptr<std::ostream> replace(const std::string& start, std::string&) override {
        kept = start;
        return std::make_unique<Stream>(*this);
    }
    void remove() override { kept.reset(); }
    std::string where() const override { return "memory"; }
};

// English is a catalogue that says "English" for its name; every other text stays as it is.
struct English final : Catalogue {
    std::string_view find(std::string_view msgid) const override {
        return msgid == "日本語" ? std::string_view("English") : std::string_view();
    }
};
struct Catalogues final : CatalogueSource {
    English english;
    void get(const std::string& language, std::function<void(const Catalogue&)> ready) override {
        ready(language == "en" ? static_cast<const Catalogue&>(english) : untranslated());
    }
};

// Silent, but it hears mute.
struct Output final : SoundOutput {
    bool muted = false;
    void play(Player) override {}
    void stop(Player) override {}
    void seekToStart(Player) override {}
    void beep() override {}
    void setMuted(bool m) override { muted = m; }
};

struct Session {
    Output sound;
    MemoryRecord& last;
    MemorySettings& settings;
    Catalogues catalogues;
    std::ostringstream complaints;
    std::vector<Effects> told;
    Shell shell;

    Session(MemoryRecord& record, MemorySettings& kept, const char* lang = nullptr, Capabilities can = {})
        : last(record),
          settings(kept),
          shell({sound, last, settings, catalogues,
                 [lang](const char* name) { return std::string_view(name) == "LANGUAGE" ? lang : nullptr; }, complaints,
                 can}) {
        shell.onEffects([this](const Effects& e) { told.push_back(e); });
    }
    void ticks(Timer t, int n) {
        for (int i = 0; i < n; ++i) shell.tick(t);
    }
    // The title's start, then the hero choice.
    void toTheTown() {
        ticks(Timer::Opening, 18);
        shell.click(W::Start);
        ticks(Timer::Opening, 11);
        shell.click(W::OldMoanerChoice);
    }
};

TEST(Shell, KeysGoThroughOneTableAndTheFocusFollowsTheScreen) {
    MemoryRecord record;
    MemorySettings kept;
    Session s(record, kept, nullptr, {.scale = true});
    ASSERT_TRUE(s.shell.start());
    ASSERT_FALSE(s.told.empty());
    EXPECT_EQ(s.told.back().startTimers.size(), 1U) << "the title's timer runs from the start";
    s.ticks(Timer::Opening, 17);
    s.shell.key(Key::Enter);  // nothing to press on the title yet
    EXPECT_EQ(s.shell.game().state.TitleTick, 17);
    s.ticks(Timer::Opening, 1);
    EXPECT_EQ(s.shell.focus(), W::Start);
    EXPECT_FALSE(s.shell.key(Key::Tab, {.ctrl = true}));
    EXPECT_FALSE(s.shell.key(Key::F11)) << "a view that cannot fill the screen keeps F11";
    EXPECT_TRUE(s.shell.key(Key::Plus, {.shift = true, .ctrl = true}));
    EXPECT_EQ(s.shell.view().scale, 2);
    EXPECT_EQ(kept.kept["view/scale"], "2");
    s.shell.key(Key::Enter);
    s.ticks(Timer::Opening, 11);
    EXPECT_EQ(s.shell.focus(), W::TorubaChoice);
    s.shell.key(Key::Down);
    s.shell.key(Key::Space);
    EXPECT_EQ(s.shell.game().state.HeroId, 1);

    // The status screen's values are stops a press does nothing on; S says the hero's state at once.
    s.shell.click(W::StatusButton);
    for (int i = 0; i < 30 && (!s.shell.focus() || pressable(*s.shell.focus())); ++i) s.shell.key(Key::Tab);
    ASSERT_TRUE(s.shell.focus() && isReadingStop(*s.shell.focus()));
    const std::uint64_t revision = s.shell.game().form.revision();
    s.shell.key(Key::Enter);
    EXPECT_EQ(s.shell.game().form.revision(), revision);
    s.told.clear();
    EXPECT_TRUE(s.shell.key(Key::S));
    ASSERT_EQ(s.told.size(), 1U);
    EXPECT_EQ(s.told[0].said, (std::vector<Announcement>{{heroStatus(s.shell.game().form), Urgency::Assertive}}));
}

TEST(Shell, StartsInTheSavedLanguageElseTheEnvironmentsAndContinuesTheLastSession) {
    MemoryRecord record;
    MemorySettings kept;
    {
        Session s(record, kept, "en_US:ja");
        ASSERT_TRUE(s.shell.start());
        EXPECT_EQ(s.shell.language(), "en");
        s.toTheTown();
        s.shell.chooseLanguage("ja");  // in the middle of the game, and remembered
        EXPECT_EQ(s.shell.language(), "ja");
        EXPECT_TRUE(s.told.back().language);
    }
    Session again(record, kept, "en");
    ASSERT_TRUE(again.shell.start({}, true));
    EXPECT_EQ(again.shell.language(), "ja") << "the saved choice comes before the environment's";
    EXPECT_EQ(again.shell.game().state.HeroId, 1) << "the last session goes on";
    EXPECT_FALSE(again.shell.canContinue());

    // A new session can go back into the last one until its first click, not after.
    Session fresh(record, kept);
    ASSERT_TRUE(fresh.shell.start("en"));
    EXPECT_EQ(fresh.shell.language(), "en") << "this run's language comes first";
    EXPECT_TRUE(fresh.shell.canContinue());
    fresh.shell.continueLast();
    EXPECT_EQ(fresh.shell.game().state.HeroId, 1);
    EXPECT_EQ(fresh.complaints.str(), "");
}

TEST(Shell, ItsMenuListsWhatTheViewCanDoInTheGamesLanguageAndChoosesThroughIt) {
    MemoryRecord record;
    MemorySettings kept;
    {
        Session last(record, kept);
        ASSERT_TRUE(last.shell.start());
        last.toTheTown();
    }
    Session s(record, kept, nullptr, {.scale = true, .fullscreen = true});
    ASSERT_TRUE(s.shell.start());
    Menu menu(s.shell);
    menu.offerLanguages(s.catalogues);
    const auto entry = [&menu](MenuChoice what, const std::string& language = {}) {
        const std::vector<MenuEntry> all = menu.entries();
        return *std::find_if(all.begin(), all.end(),
                             [&](const MenuEntry& e) { return e.what == what && e.language == language; });
    };
    std::vector<MenuEntry> all = menu.entries();
    ASSERT_EQ(all.size(), static_cast<std::size_t>(kMaxScale) + 1 + languages().size() + 2);
    EXPECT_EQ(all[1].text, "2倍 (1042 × 702)");
    EXPECT_TRUE(all[0].checked && all[0].group == MenuGroup::View);
    EXPECT_EQ(all[kMaxScale].what, MenuChoice::Fullscreen);
    EXPECT_EQ(all[kMaxScale].shortcut, "F11");
    EXPECT_EQ(all.back().what, MenuChoice::Continue);
    EXPECT_TRUE(all.back().shown) << "the last session can be continued until the first click";
    EXPECT_EQ(entry(MenuChoice::Language, "ja").text, "日本語");
    EXPECT_TRUE(entry(MenuChoice::Language, "ja").checked);
    EXPECT_EQ(entry(MenuChoice::Mute).shortcut, "M");
    EXPECT_EQ(menu.languagesTitle(), "言語");

    menu.choose(entry(MenuChoice::Language, "en"));
    EXPECT_EQ(s.shell.language(), "en");
    EXPECT_EQ(kept.kept["language"], "en") << "a language chosen from the menu is remembered";
    EXPECT_EQ(entry(MenuChoice::Language, "en").text, "English");
    EXPECT_TRUE(entry(MenuChoice::Language, "en").checked);
    menu.choose(entry(MenuChoice::Mute));
    EXPECT_TRUE(s.sound.muted) << "the shell mutes its output";
    EXPECT_TRUE(entry(MenuChoice::Mute).checked);
    menu.choose(entry(MenuChoice::Fullscreen));
    all = menu.entries();
    EXPECT_TRUE(all[kMaxScale].checked);
    EXPECT_TRUE(std::none_of(all.begin(), all.begin() + kMaxScale, [](const MenuEntry& e) { return e.checked; }));
    menu.choose(entry(MenuChoice::Continue));
    EXPECT_EQ(s.shell.game().state.HeroId, 1) << "the last session goes on";
    EXPECT_FALSE(entry(MenuChoice::Continue).shown);
    EXPECT_TRUE(s.sound.muted) << "the game played in afresh unmuted the sound";

    // A view that can neither scale nor fill the screen (the page) has no such entries.
    Session page(record, kept);
    ASSERT_TRUE(page.shell.start());
    EXPECT_EQ(Menu(page.shell).entries().front().what, MenuChoice::Mute);
}

}  // namespace
}  // namespace verminadia::frontend
