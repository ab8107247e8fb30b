// Choosing the language as gettext does, reading the catalogues msgfmt writes (and refusing
// damaged ones in one line), and the English catalogue itself: every field a template names is
// kept, and no Japanese is left in it.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include "arena/texts.h"
#include "core/game.h"
#include "language/catalogues.h"
#include "language/choice.h"
#include "support/japanese.h"
#include "town/heroes.h"

namespace verminadia {
namespace {

using Env = std::map<std::string, std::string>;

std::string chosen(const Env& env, const std::vector<std::string>& available = {"ja", "en"}) {
    return languageFromEnvironment(
        [&](const char* name) -> const char* {
            const auto it = env.find(name);
            return it == env.end() ? nullptr : it->second.c_str();
        },
        available);
}

TEST(LanguageChoice, LanguageIsAListWhoseFirstLanguageTheGameHasWins) {
    EXPECT_EQ(chosen({{"LANGUAGE", "en"}}), "en");
    EXPECT_EQ(chosen({{"LANGUAGE", "fr:de:en_GB:ja"}}), "en");
    EXPECT_EQ(chosen({{"LANGUAGE", "ja:en"}}), "ja");
    // A list of languages the game lacks leaves it untranslated, as gettext does; LANG is not asked.
    EXPECT_EQ(chosen({{"LANGUAGE", "fr:de"}, {"LANG", "en_US.UTF-8"}}), "ja");
    // Unlike the C library, LANGUAGE counts under the C locale: CI machines have no other.
    EXPECT_EQ(chosen({{"LANGUAGE", "en"}, {"LC_ALL", "C"}, {"LANG", "C.UTF-8"}}), "en");
    // An empty LANGUAGE is no list at all.
    EXPECT_EQ(chosen({{"LANGUAGE", ""}, {"LANG", "en_US.UTF-8"}}), "en");
}

TEST(LanguageChoice, WithoutLanguageTheFirstOfLcAllLcMessagesAndLangThatIsSetDecides) {
    EXPECT_EQ(chosen({{"LANG", "en_US.UTF-8"}}), "en");
    EXPECT_EQ(chosen({{"LC_MESSAGES", "en_GB.ISO-8859-1@euro"}, {"LANG", "ja_JP.UTF-8"}}), "en");
    EXPECT_EQ(chosen({{"LC_ALL", "ja_JP.UTF-8"}, {"LC_MESSAGES", "en_US.UTF-8"}}), "ja");
    EXPECT_EQ(chosen({{"LC_ALL", "C"}, {"LANG", "en_US.UTF-8"}}), "ja");
    EXPECT_EQ(chosen({{"LC_ALL", ""}, {"LANG", "en"}}), "en");
    for (const char* japanese : {"C", "POSIX", "C.UTF-8", "ja_JP.eucJP", "fr_FR.UTF-8", "", "@", "_US"}) {
        EXPECT_EQ(chosen({{"LANG", japanese}}), "ja") << japanese;
    }
    EXPECT_EQ(chosen({}), "ja");
}

TEST(LanguageChoice, ALanguageWithItsTerritoryIsPreferredToTheBareLanguage) {
    const std::vector<std::string> available = {"ja", "en", "pt", "pt_BR"};
    EXPECT_EQ(matchLanguage("pt_BR.UTF-8", available), "pt_BR");
    EXPECT_EQ(matchLanguage("pt_PT.UTF-8", available), "pt");
    EXPECT_EQ(matchLanguage("en", available), "en");
    EXPECT_EQ(matchLanguage("english", available), "");
}

TEST(LanguageChoice, TheGameHasJapaneseFirstAndACatalogueForEachPoFile) {
    ASSERT_FALSE(languages().empty());
    EXPECT_EQ(languages().front(), "ja");
    EXPECT_NE(std::find(languages().begin(), languages().end(), "en"), languages().end());
}

// A catalogue as msgfmt lays it out, in either byte order; with its header unless told otherwise.
std::string moFile(std::map<std::string, std::string> entries, bool bigEndian = false, bool header = true) {
    if (header) entries.emplace("", "Content-Type: text/plain; charset=UTF-8\n");
    std::string out;
    const auto word = [&](std::uint32_t v) {
        for (int i = 0; i < 4; ++i) {
            const int shift = bigEndian ? 24 - 8 * i : 8 * i;
            out += static_cast<char>((v >> shift) & 0xFF);
        }
    };
    const auto n = static_cast<std::uint32_t>(entries.size());
    word(0x950412de);
    word(0);
    word(n);
    word(28);
    word(28 + 8 * n);
    word(0);
    word(28 + 16 * n);
    std::uint32_t at = 28 + 16 * n;
    std::string strings;
    std::vector<std::pair<std::uint32_t, std::uint32_t>> originals, translations;
    for (const auto& [id, str] : entries) {
        originals.emplace_back(static_cast<std::uint32_t>(id.size()), at + static_cast<std::uint32_t>(strings.size()));
        strings += id + '\0';
    }
    for (const auto& [id, str] : entries) {
        translations.emplace_back(static_cast<std::uint32_t>(str.size()),
                                  at + static_cast<std::uint32_t>(strings.size()));
        strings += str + '\0';
    }
    for (const auto& [length, offset] : originals) word(length), word(offset);
    for (const auto& [length, offset] : translations) word(length), word(offset);
    return out + strings;
}

TEST(CatalogueFile, ReadsEitherByteOrderAndFallsBackToTheMsgid) {
    for (const bool big : {false, true}) {
        std::string why;
        const auto c =
            CatalogueFile::parse(moFile({{"犬", "dog"}, {"猫", "cat"}, {"空", ""}, {"pet\004犬", "doggy"}}, big), why);
        ASSERT_TRUE(c) << why;
        EXPECT_EQ(c->translate("犬"), "dog");
        EXPECT_EQ(c->translate("猫"), "cat");
        EXPECT_EQ(c->translate("空"), "空") << "an empty translation is no translation";
        EXPECT_EQ(c->translate("鳥"), "鳥");
        EXPECT_EQ(c->translate(""), "") << "the header is never a text";
        // The same text in another context is another entry; without one, it is the text alone.
        EXPECT_EQ(c->translate(NC_("pet", "犬")), "doggy");
        EXPECT_EQ(c->translate(NC_("pet", "猫")), "猫");
        EXPECT_EQ(untranslated().translate(NC_("pet", "犬")), "犬");
    }
}

TEST(CatalogueFile, PicksACountedTextsFormByItsHeadersRule) {
    using namespace std::string_literals;
    const auto withRule = [](const std::string& rule) {
        return moFile(
            {{"", "Content-Type: text/plain; charset=UTF-8\nPlural-Forms: nplurals=3; plural=" + rule + ";\n"},
             {"{n}匹\0{n}匹"s, "{n} pies\0{n} psy\0{n} psów"s},
             {"犬", "pies"}});
    };
    std::string why;
    const auto polish =
        CatalogueFile::parse(withRule("(n==1 ? 0 : n%10>=2 && n%10<=4 && (n%100<10 || n%100>=20) ? 1 : 2)"), why);
    ASSERT_TRUE(polish) << why;
    for (const auto& [n, form] : std::map<std::int64_t, std::string>{
             {1, "1 pies"}, {2, "2 psy"}, {5, "5 psów"}, {12, "12 psów"}, {22, "22 psy"}, {-2, "-2 psy"}}) {
        EXPECT_EQ(Text(NP_("{n}匹"), n).with("n", n).render(*polish), form);
    }
    EXPECT_EQ(polish->translate("犬"), "pies") << "a text without a count is untouched";
    EXPECT_EQ(untranslated().translate(NP_("{n}匹"), 5), "{n}匹");
    // A form the rule names that the entry lacks gives its first.
    const auto beyond = CatalogueFile::parse(withRule("n + 2"), why);
    ASSERT_TRUE(beyond) << why;
    EXPECT_EQ(beyond->translate(NP_("{n}匹"), 0), "{n} psów");
    EXPECT_EQ(beyond->translate(NP_("{n}匹"), 1), "{n} pies");
    for (const std::string& bad :
         std::vector<std::string>{"n !=", "(n == 1", "n / 0", "m != 1", std::string(200, '(') + "n"}) {
        EXPECT_FALSE(CatalogueFile::parse(withRule(bad), why)) << bad;
        EXPECT_EQ(why, "its Plural-Forms rule cannot be read") << bad;
    }
}

TEST(CatalogueFile, RefusesWhatIsNoCatalogueWithTheReason) {
    const std::string good = moFile({{"犬", "dog"}});
    std::string bad;
    const auto reason = [](const std::string& bytes) {
        std::string why;
        EXPECT_FALSE(CatalogueFile::parse(bytes, why));
        return why;
    };
    EXPECT_EQ(reason(""), "too short to be a catalogue");
    EXPECT_EQ(reason("\x95\x04\x12\xdf rest of a file"), "not a catalogue (wrong magic number)");
    EXPECT_EQ(reason(good.substr(0, 12)), "its header is cut short");
    bad = good;
    bad[6] = 2;  // major revision 2
    EXPECT_EQ(reason(bad), "an unknown revision of the format");
    EXPECT_EQ(reason(good.substr(0, good.size() - 2)), "entry 1 lies outside the file");
    bad = good;
    bad.back() = 'x';  // the last string loses its NUL
    EXPECT_EQ(reason(bad), "entry 1 lies outside the file");
    EXPECT_EQ(reason(moFile({{"", "Content-Type: text/plain; charset=EUC-JP\n"}})), "its texts are not in UTF-8");
    // Texts that cannot be shown as they are: nothing says they are UTF-8, or they are not.
    EXPECT_EQ(reason(moFile({{"犬", "dog"}}, false, false)), "it has no header naming its character set");
    EXPECT_EQ(reason(moFile({{"犬", "d\xffg"}})), "entry 1 is not valid UTF-8");
    EXPECT_EQ(reason(moFile({{"\xe7\x8a", "dog"}})), "entry 1 is not valid UTF-8");
    EXPECT_EQ(reason(moFile({{"犬", "\xed\xa0\x80"}})), "entry 1 is not valid UTF-8") << "a surrogate";
}

// A folder of its own for the test, gone with it.
struct Folder {
    inline static int made = 0;
    std::filesystem::path path = std::filesystem::temp_directory_path() /
                                 ("verminadia-language-" + std::to_string(::getpid()) + "-" + std::to_string(++made));
    Folder() { std::filesystem::create_directories(path); }
    ~Folder() { std::filesystem::remove_all(path); }
    void write(const std::filesystem::path& file, const std::string& bytes) const {
        std::filesystem::create_directories((path / file).parent_path());
        std::ofstream(path / file, std::ios::binary) << bytes;
    }
};

TEST(Catalogues, AreFoundBesideTheProgramOrInTheShareFolderOfItsParent) {
    Folder build, installed;
    build.write("locale/en/LC_MESSAGES/verminadia.mo", moFile({{"犬", "dog"}}));
    installed.write("share/locale/en/LC_MESSAGES/verminadia.mo", moFile({{"犬", "hound"}}));
    std::ostringstream said;
    Catalogues beside(build.path, "test", said), moved(installed.path / "bin", "test", said);
    EXPECT_EQ(beside.get("en").translate("犬"), "dog");
    EXPECT_EQ(moved.get("en").translate("犬"), "hound");
    EXPECT_EQ(said.str(), "");
}

TEST(Catalogues, AMissingOrDamagedFileIsSaidOnceInOneLineAndTheGameStaysJapanese) {
    Folder nothing, damaged;
    damaged.write("locale/en/LC_MESSAGES/verminadia.mo", "not a catalogue at all");
    std::ostringstream said;
    Catalogues missing(nothing.path, "verminadia", said);
    EXPECT_EQ(missing.get("en").translate("犬"), "犬");
    EXPECT_EQ(missing.get("en").translate("犬"), "犬");
    EXPECT_FALSE(missing.usable("en"));
    const std::string line = said.str();
    EXPECT_EQ(std::count(line.begin(), line.end(), '\n'), 1) << line;
    EXPECT_EQ(line.rfind("verminadia: no catalogue for the language en (looked for ", 0), 0u) << line;
    EXPECT_NE(line.find("): the game stays in Japanese\n"), std::string::npos) << line;

    said.str("");
    Catalogues broken(damaged.path, "verminadia", said);
    EXPECT_EQ(broken.get("en").translate("犬"), "犬");
    EXPECT_EQ(said.str(), "verminadia: " + (damaged.path / "locale/en/LC_MESSAGES/verminadia.mo").string() +
                              ": not a catalogue (wrong magic number): the game stays in Japanese\n");
}

TEST(Catalogues, OnlyARegularFileOfASensibleSizeIsRead) {
    Folder huge, odd;
    // Two gigabytes that take no room: refused by their size, never read.
    huge.write("locale/en/LC_MESSAGES/verminadia.mo", "");
    const std::filesystem::path big = huge.path / "locale/en/LC_MESSAGES/verminadia.mo";
    std::filesystem::resize_file(big, std::uintmax_t{2} << 30);
    std::ostringstream said;
    Catalogues c(huge.path, "verminadia", said);
    EXPECT_EQ(c.get("en").translate("犬"), "犬");
    EXPECT_EQ(said.str(), "verminadia: " + big.string() + ": it is larger than 16 MiB: the game stays in Japanese\n");

    std::string why;
    ASSERT_EQ(::mkfifo((odd.path / "fifo").c_str(), 0600), 0);
    EXPECT_FALSE(CatalogueFile::read(odd.path / "fifo", why));
    EXPECT_EQ(why, "it is not a regular file");
    EXPECT_FALSE(CatalogueFile::read(odd.path, why));
    EXPECT_EQ(why, "it is a directory");
}

TEST(Catalogues, JapaneseAndUnknownLanguagesNeedNoFile) {
    Folder nothing;
    std::ostringstream said;
    Catalogues c(nothing.path, "test", said);
    EXPECT_EQ(&c.get("ja"), &untranslated());
    EXPECT_EQ(&c.get("xx"), &untranslated());
    EXPECT_EQ(said.str(), "");
}

// The catalogue this build compiled from po/LL.po.
CatalogueFile compiled(const std::string& language) {
    std::string why;
    auto c = CatalogueFile::read(
        std::filesystem::path(VERMINADIA_BUILD_DIR) / "locale" / language / "LC_MESSAGES/verminadia.mo", why);
    if (!c) throw std::runtime_error("the " + language + " catalogue: " + why);
    return std::move(*c);
}

const CatalogueFile& english() {
    static const CatalogueFile file = compiled("en");
    return file;
}

// The fields a text names, a name's form ({TheEnemyName}) counted as the field it stands for.
std::multiset<std::string_view> fieldsOf(std::string_view text) {
    std::multiset<std::string_view> fields;
    for (std::string_view name : Text::fieldNames(text)) {
        for (const FieldForm& f : kFieldForms) {
            if (f.field == name) name = f.base;
        }
        fields.insert(name);
    }
    return fields;
}

TEST(Translations, KeepEveryFieldOfEveryTemplate) {
    for (std::size_t i = 1; i < languages().size(); ++i) {
        const CatalogueFile c = compiled(languages()[i]);
        ASSERT_GT(c.msgids().size(), 500u) << languages()[i];
        for (const std::string& msgid : c.msgids()) {
            EXPECT_EQ(fieldsOf(c.translate(msgid)), fieldsOf(msgid))
                << languages()[i] << ": " << msgid << " -> " << c.translate(msgid);
        }
    }
}

TEST(EnglishCatalogue, HoldsNoJapanese) {
    for (const std::string& msgid : english().msgids()) {
        EXPECT_FALSE(test::hasJapanese(english().translate(msgid))) << msgid << " -> " << english().translate(msgid);
    }
}

TEST(EnglishCatalogue, NamesAnOpponentWithTheArticleItsNameWants) {
    SilentOutput silence;
    ClockRandom random{[] { return std::uint64_t{1}; }};
    Game g(silence, random);
    const auto said = [&](std::string_view line) { return g.text(line).render(g.catalogue()); };
    g.state.EnemyName = opponentName(N_("扇風機マン"), Naming::Thing);
    EXPECT_EQ(said(N_("{EnemyName}の首を撥ねた。")), "扇風機マンの首を撥ねた。");
    g.setCatalogue(english());
    EXPECT_EQ(said(N_("{EnemyName}の首を撥ねた。")), "Lopped off the Fan Man's head.");
    EXPECT_EQ(said(N_("{EnemyName}の攻撃！")), "The Fan Man attacks!");
    EXPECT_EQ(g.shown(&GameState::EnemyName), "Fan Man");
    g.state.EnemyName = opponentName(N_("ズンダラ"), Naming::Person);
    EXPECT_EQ(said(N_("{EnemyName}の攻撃！")), "Zundara attacks!");
    // A name set from outside the game has no article to give.
    g.state.EnemyName = Text::verbatim("Gorilla");
    EXPECT_EQ(said(N_("{EnemyName}の首を撥ねた。")), "Lopped off Gorilla's head.");
}

TEST(EnglishCatalogue, NamesTheHeroesAsTheGlossarySays) {
    EXPECT_EQ(english().translate(kHeroes[0].name), "Mr. Toruba");
    EXPECT_EQ(english().translate(kHeroes[1].name), "Old Moaner");
    EXPECT_EQ(english().translate(kHeroes[2].name), "Mr. Mizel");
    EXPECT_EQ(english().translate(kHeroes[3].name), "Ronin");
}

}  // namespace
}  // namespace verminadia
