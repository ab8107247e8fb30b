// The catalogue every text goes through: templates with named fields, the title spelled out in
// any language, and a game that switches language while it runs and comes back byte for byte.

#include "core/text.h"

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
// a text that skips the catalogue stands out.
class Bracketed final : public Catalogue {
public:
    std::string_view translate(std::string_view msgid) const override {
        auto [it, fresh] = texts_.try_emplace(std::string(msgid));
        if (fresh) it->second = "[" + std::string(msgid) + "]";
        return it->second;
    }

private:
    mutable std::map<std::string, std::string> texts_;
};

// English for a handful of entries, as a translation orders its words.
class Reordering final : public Catalogue {
public:
    std::string_view translate(std::string_view msgid) const override {
        if (msgid == "{HeroName}は{LastAmount}円手に入れた。") return "{LastAmount} yen for {HeroName}.";
        if (msgid == "トルバさん") return "Mr. Toruba";
        return msgid;
    }
};

TEST(Text, FillsNamedFieldsInTheTranslationsOrder) {
    Reordering english;
    const Text t =
        Text("{HeroName}は{LastAmount}円手に入れた。").with("HeroName", Text("トルバさん")).with("LastAmount", 15);
    EXPECT_EQ(t.render(untranslated()), "トルバさんは15円手に入れた。");
    EXPECT_EQ(t.render(english), "15 yen for Mr. Toruba.");
    EXPECT_EQ(Text::fieldNames("{HeroName}は{LastAmount}円"),
              (std::vector<std::string_view>{"HeroName", "LastAmount"}));
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
        std::string_view translate(std::string_view) const override { return "Verminadia Gaiden"; }
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
    test::Played p;
    p.script = std::make_unique<Script>(c);
    p.then(test::heroChosen(1) + "click Button1\nclick Button2\nclick Button4\n");
    return p;
}

TEST(GameLanguage, SwitchingRewritesEveryCaptionAndNameAtOnceAndBackByteForByte) {
    auto p = inTheStore(untranslated());
    const std::string japanese = p.script->dump();
    Bracketed other;
    p.game().setCatalogue(other);
    EXPECT_EQ(p.form().caption(W::Label31), "[雑貨屋]");
    EXPECT_EQ(p.form().caption(W::Label32), "[　「いらっしゃい。大会に出るならなんか買った方がいいと]");
    EXPECT_EQ(p.form().caption(W::Label34), "[[嘆きの杖　　　  ]　　100]");
    EXPECT_EQ(p.form().caption(W::Label14), "[名前　　　[嘆きの老人]]");
    EXPECT_EQ(p.form().caption(W::Button3), "[王の部屋]");
    EXPECT_EQ(p.form().caption(W::Label11), "[HP　14/14]");
    EXPECT_EQ(p.state().HeroName, "[嘆きの老人]");
    EXPECT_EQ(p.state().PendingLine2, "[　「毎度あり。絶対、役に立つと思うぜ！」]");
    p.game().setCatalogue(untranslated());
    EXPECT_EQ(p.script->dump(), japanese);
}

TEST(GameLanguage, ALineMadeInOneLanguageKeepsItsValuesInTheNext) {
    auto p = inTheStore(untranslated());
    p.then("click Label43\nclick Button6\ndraw 1\nclick Button9\ndraw 0\nclick Label45\ndraw 1\nclick Panel5");
    const std::string line = p.form().caption(W::Label33);  // "…は3のダメージをうけた。"
    Bracketed other;
    p.game().setCatalogue(other);
    // The damage of that turn, not the state's value of the moment.
    p.game().state.LastAmount = 99;
    p.game().setCatalogue(untranslated());
    EXPECT_EQ(p.form().caption(W::Label33), line);
}

TEST(GameLanguage, AValueWrittenStraightIntoTheStateIsShownAsItIsInAnyLanguage) {
    Bracketed other;
    auto p = inTheStore(other);
    p.then("click Label43\nset HeroName Bob\nclick Button6\ndraw 0\nclick Button9\ndraw 0\nclick Label45\n");
    EXPECT_EQ(p.form().caption(W::Label31), "[Bobの攻撃！！]");
    p.game().setCatalogue(untranslated());
    EXPECT_EQ(p.state().HeroName, "Bob");
    EXPECT_EQ(p.form().caption(W::Label31), "Bobの攻撃！！");
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
    for (int seed = 1; seed <= 8; ++seed) {
        Script japanese, elsewhere(other), toggled;
        for (Script* s : {&japanese, &elsewhere, &toggled}) s->step("seed " + std::to_string(seed), std::cout);
        std::mt19937 monkey(static_cast<std::uint32_t>(seed));
        for (int e = 0; e < 1200 && japanese.game().form.open(); ++e) {
            const auto next = test::monkeyEvent(japanese.game(), monkey);
            if (!next) break;
            const std::string line = next->line();
            std::ostringstream ignored;
            japanese.step(line, ignored);
            elsewhere.step(line, ignored);
            toggled.game().setCatalogue(other);
            toggled.step(line, ignored);
            toggled.game().setCatalogue(untranslated());
            const std::string want = japanese.dump(), got = toggled.dump();
            ASSERT_TRUE(got == want) << "seed " << seed << ", event " << e << " (" << line
                                     << "): " << whereTheyDiffer(got, want);
        }
        elsewhere.game().setCatalogue(untranslated());
        const std::string want = japanese.dump(), got = elsewhere.dump();
        EXPECT_TRUE(got == want) << "seed " << seed << ": " << whereTheyDiffer(got, want);
    }
}

}  // namespace
}  // namespace verminadia
