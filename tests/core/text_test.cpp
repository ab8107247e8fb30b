// The catalogue every text goes through: templates with named fields, the title spelled out in
// any language, and a game that switches language while it runs and comes back byte for byte.

#include "core/text/text.h"

#include <gtest/gtest.h>

#include <iostream>
#include <map>
#include <random>
#include <sstream>
#include <string>

#include "core/title.h"
#include "support/play.h"

namespace verminadia {
namespace {

using test::play;

// A language of its own for the tests: every text between brackets, its fields kept, so that
// a text that skips the catalogue stands out. A text's context tells it apart, and is not shown.
class Bracketed final : public Catalogue {
    std::string_view find(std::string_view msgid) const override {
        auto [it, fresh] = texts_.try_emplace(std::string(msgid));
        const std::size_t context = msgid.find('\004');
        if (fresh) it->second = "[" + std::string(context == msgid.npos ? msgid : msgid.substr(context + 1)) + "]";
        return it->second;
    }

private:
    mutable std::map<std::string, std::string> texts_;
};

// A translation that orders its words its own way.
class Reordering final : public Catalogue {
    std::string_view find(std::string_view msgid) const override {
        if (msgid == "{who}: {n}") return "{n} for {who}";
        if (msgid == "a name") return "another name";
        return {};
    }
};

TEST(Text, FillsNamedFieldsInTheTranslationsOrder) {
    Reordering other;
    const Text t = Text("{who}: {n}").with("who", Text("a name")).with("n", 15);
    EXPECT_EQ(t.render(untranslated()), "a name: 15");
    EXPECT_EQ(t.render(other), "15 for another name");
    EXPECT_EQ(Text::fieldNames("{HeroName} {LastAmount}"), (std::vector<std::string_view>{"HeroName", "LastAmount"}));
}

TEST(Text, AFieldWithoutAValueOrABraceThatIsNoFieldStaysAsWritten) {
    EXPECT_EQ(fill("{Gold} and {Nothing}", {{"Gold", "5"}}), "5 and {Nothing}");
    EXPECT_EQ(fill("{ not a field } {} {a-b} {", {{"a", "x"}}), "{ not a field } {} {a-b} {");
    EXPECT_EQ(Text::verbatim("{Gold}").render(Bracketed{}), "{Gold}");
}

TEST(Text, TheEmptyTextIsNeverLookedUpForItIsTheCataloguesHeader) {
    Bracketed c;
    EXPECT_EQ(Text().render(c), "");
    EXPECT_EQ(Text("").render(c), "");
    EXPECT_EQ(Text("x").render(c), "[x]");
}

TEST(Text, TheTitleIsSpelledOutInElevenShotsWhateverItsLength) {
    // Japanese: one character a shot, exactly as before.
    for (int shot = 1; shot <= 11; ++shot) {
        EXPECT_EQ(utf8Length(Text(kGameTitle).part(shot, 11).render(untranslated())), static_cast<std::size_t>(shot));
    }
    // A longer title: the first shot shows something, the last shows it all, and it never shrinks.
    class Long final : public Catalogue {
        std::string_view find(std::string_view) const override { return "Verminadia Gaiden"; }
    } english;
    std::size_t before = 0;
    for (int shot = 1; shot <= 11; ++shot) {
        const std::size_t now = Text(kGameTitle).part(shot, 11).render(english).size();
        EXPECT_GT(now, before) << shot;
        before = now;
    }
    EXPECT_EQ(Text(kGameTitle).part(11, 11).render(english), "Verminadia Gaiden");
}

// The store, open for the old man with the greeting on the panel and the status screen written.
test::Played inTheStore(const Catalogue& c) {
    return test::play(test::heroChosen(1) + "click " + designed(W::StatusButton) + "\nclick " +
                          designed(W::StatusOkButton) + "\nclick " + designed(W::StoreButton) + "\n",
                      c);
}

std::string bracketed(const std::string& japanese) { return "[" + japanese + "]"; }

TEST(GameLanguage, SwitchingRewritesEveryCaptionAndNameAtOnceAndBackByteForByte) {
    auto p = inTheStore(untranslated());
    const std::string japanese = p.script->dump();
    const Form before = p.form();
    const GameState state = p.state();
    Bracketed other;
    p.game().setCatalogue(other);
    // The shopkeeper's name and lines, a town button, the store's shelf and the status screen.
    for (W w : {W::MessageLine1, W::MessageLine2, W::MessageLine3, W::KingButton, W::StoreName, W::LeaveStore}) {
        EXPECT_EQ(p.form().caption(w), bracketed(before.caption(w))) << def(w).designed;
    }
    EXPECT_NE(p.form().caption(W::StoreWeapon1).find(bracketed(test::japanese(state.ShopWeapon1Name))),
              std::string::npos);
    EXPECT_NE(p.form().caption(W::StatusName).find(bracketed(test::japanese(state.HeroName))), std::string::npos);
    EXPECT_EQ(p.form().caption(W::BarHp).front(), '[');
    EXPECT_EQ(p.shown(&GameState::HeroName), bracketed(test::japanese(state.HeroName)));
    EXPECT_EQ(p.shown(&GameState::PendingLine2), bracketed(test::japanese(state.PendingLine2)));
    p.game().setCatalogue(untranslated());
    EXPECT_EQ(p.script->dump(), japanese);
}

TEST(GameLanguage, ALineMadeInOneLanguageKeepsItsValuesInTheNext) {
    auto p = inTheStore(untranslated());
    p.then(std::string("click ") + designed(W::LeaveStore) + "\nclick " + designed(W::ArenaButton) +
           "\ndraw 1\nclick " + designed(W::AmateurButton) + "\ndraw 0\nclick " + designed(W::AttackCommand) +
           "\ndraw 1\nclick " + designed(W::MessagePanel));
    const std::string line = p.form().caption(W::MessageLine3);  // the damage the hero took
    Bracketed other;
    p.game().setCatalogue(other);
    // The damage of that turn, not the state's value of the moment.
    p.game().state.LastAmount = 99;
    p.game().setCatalogue(untranslated());
    EXPECT_EQ(p.form().caption(W::MessageLine3), line);
}

TEST(GameLanguage, AValueWrittenStraightIntoTheStateIsShownAsItIsInAnyLanguage) {
    auto p = inTheStore(untranslated());
    p.then(std::string("click ") + designed(W::LeaveStore) + "\nset HeroName Bob\nclick " + designed(W::ArenaButton) +
           "\ndraw 0\nclick " + designed(W::AmateurButton) + "\ndraw 0\nclick " + designed(W::AttackCommand) + "\n");
    const std::string attack = p.form().caption(W::MessageLine1);
    ASSERT_EQ(attack.rfind("Bob", 0), 0u);
    Bracketed other;
    p.game().setCatalogue(other);
    EXPECT_EQ(p.shown(&GameState::HeroName), "Bob");
    EXPECT_EQ(p.form().caption(W::MessageLine1), bracketed(attack));
    p.game().setCatalogue(untranslated());
    EXPECT_EQ(p.form().caption(W::MessageLine1), attack);
}

// Where two dumps part, with a little of what comes before: a whole dump is too long to read.
std::string whereTheyDiffer(const std::string& a, const std::string& b) {
    std::size_t at = 0;
    while (at < a.size() && at < b.size() && a[at] == b[at]) ++at;
    const std::size_t from = at < 80 ? 0 : at - 80;
    return "…" + a.substr(from, 160) + "\n  against …" + b.substr(from, 160);
}

// The strongest promise: a whole random session played in another language, switched back at
// the end, is byte for byte the session played in Japanese; and so is one switched to the other
// language and back around every single event.
TEST(GameLanguage, RandomSessionsInAnotherLanguageComeBackByteForByte) {
    Bracketed other;
    for (int seed = 1; seed <= 6; ++seed) {
        Session japanese, elsewhere(other), toggled;
        for (Session* s : {&japanese, &elsewhere, &toggled}) s->random().seed(static_cast<std::uint64_t>(seed));
        std::mt19937 monkey(static_cast<std::uint32_t>(seed));
        for (int e = 0; e < 1000 && japanese.game().form.open(); ++e) {
            const auto next = test::monkeyEvent(japanese.game(), monkey);
            if (!next) break;
            const std::string line = next->line();
            std::ostringstream ignored;
            Script(japanese).step(line, ignored);
            Script(elsewhere).step(line, ignored);
            toggled.game().setCatalogue(other);
            Script(toggled).step(line, ignored);
            toggled.game().setCatalogue(untranslated());
            const std::string want = Script(japanese).dump(), got = Script(toggled).dump();
            ASSERT_TRUE(got == want) << "seed " << seed << ", event " << e << " (" << line
                                     << "): " << whereTheyDiffer(got, want);
        }
        elsewhere.game().setCatalogue(untranslated());
        const std::string want = Script(japanese).dump(), got = Script(elsewhere).dump();
        EXPECT_TRUE(got == want) << "seed " << seed << ": " << whereTheyDiffer(got, want);
    }
}

}  // namespace
}  // namespace verminadia
