// Every line of every translation fits its box in the window's font at 1x. The game is played
// in the language through every screen, every opponent's answer and action and every hero's attack lines, with
// the longest names of each kind written into the state and numbers as large as a career makes
// them; after every step each caption is measured with QFontMetrics against the room its widget
// has: a label up to its panel's inner edge or the next widget of its row, a button or an edit
// box inside its own frame. Every entry of the catalogue must have been shown on the way.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <set>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include <QFontMetrics>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>

#include "arena/handlers.h"
#include "arena/outcome.h"
#include "core/text/town_bar.h"
#include "core/title.h"
#include "desktop/window/game_window.h"
#include "desktop/window/widget_views.h"
#include "ending/ending.h"
#include "frontend/menu_texts.h"
#include "frontend/screen_reader/picture_names.h"
#include "game/events.h"
#include "language/catalogues.h"
#include "language/choice.h"
#include "town/handlers.h"
#include "town/heroes.h"
#include "town/king.h"

namespace verminadia::desktop {
namespace {

// A translation, noting every entry the game looks up.
class Recording final : public Catalogue {
public:
    explicit Recording(const CatalogueFile& file) : file_(file) {}
    const std::set<std::string, std::less<>>& seen() const { return seen_; }

private:
    std::string_view find(std::string_view msgid) const override {
        seen_.emplace(msgid);
        return file_.translate(msgid);
    }
    std::string_view findPlural(std::string_view msgid, std::int64_t n) const override {
        seen_.emplace(msgid);
        return file_.translate(CountedText{msgid}, n);
    }

    const CatalogueFile& file_;
    mutable std::set<std::string, std::less<>> seen_;
};

// The catalogue this build compiled for a language.
const CatalogueFile& catalogueFile(const std::string& language) {
    static std::map<std::string, CatalogueFile> files;
    if (auto it = files.find(language); it != files.end()) return it->second;
    std::string why;
    auto c = CatalogueFile::read(
        std::filesystem::path(VERMINADIA_BUILD_DIR) / "locale" / language / "LC_MESSAGES/verminadia.mo", why);
    if (!c) throw std::runtime_error("the " + language + " catalogue: " + why);
    return files.emplace(language, std::move(*c)).first->second;
}

// Every language but the game's own.
std::vector<std::string> translations() { return {languages().begin() + 1, languages().end()}; }

int bevel(const WidgetDef& panel) {
    const int ring = panel.bevel == Bevel::Lowered2 ? 2 : 1;
    return panel.bevel == Bevel::None ? ring : 2 * ring;
}

bool holdsText(Kind k) { return k == Kind::Label || k == Kind::Button || k == Kind::Edit; }

// The room a widget's text has, in pixels.
class Rooms {
public:
    explicit Rooms(GameWindow& window) {
        for (const WidgetDef& d : kWidgets) {
            if (!holdsText(d.kind)) continue;
            room_[d.id] = d.kind == Kind::Label ? labelRoom(d) : frameRoom(window.widget(d.id));
        }
    }
    int of(W w) const { return room_.at(w); }

private:
    // From its left edge to its panel's inner edge, or to the next widget of its row. The title's
    // and the ending's labels lie on the window itself, each line alone: theirs is the window's width.
    static int labelRoom(const WidgetDef& d) {
        if (d.parent == W::Window) return 521 - d.left;
        int right = def(d.parent).width - bevel(def(d.parent));
        for (const WidgetDef& o : kWidgets) {
            if (o.id == d.id || o.parent != d.parent || !holdsText(o.kind) || o.left <= d.left) continue;
            const bool sameRow = o.top < d.top + d.height && d.top < o.top + o.height;
            if (sameRow) right = std::min(right, o.left);
        }
        return right - d.left;
    }
    // Inside the frame the style draws: what a button centres its text in, where an edit box
    // shows its text (less the two pixels it keeps on each side).
    static int frameRoom(QWidget* w) {
        if (auto* b = dynamic_cast<QPushButton*>(w)) {
            QStyleOptionButton opt;
            opt.initFrom(b);
            return b->style()->subElementRect(QStyle::SE_PushButtonContents, &opt, b).width();
        }
        auto* e = dynamic_cast<QLineEdit*>(w);
        if (e == nullptr) throw std::logic_error("a widget with text that is no label, button or edit box");
        QStyleOptionFrame opt;
        opt.initFrom(e);
        opt.lineWidth = e->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &opt, e);
        return e->style()->subElementRect(QStyle::SE_LineEditContents, &opt, e).width() - 4;
    }
    std::map<W, int> room_;
};

struct Overrun {
    int width, room;
};

// The longest name of each kind, by its width in the message panel's font.
struct LongestNames {
    std::map<std::string, std::string> byField;
};

class Fit : public ::testing::TestWithParam<std::string> {
protected:
    Recording english{catalogueFile(GetParam())};
    SilentOutput silence;
    ClockRandom random{[] { return std::uint64_t{1}; }};
    // The window whose frames give the buttons' and edit boxes' room.
    Game reference{silence, random};
    GameWindow window{reference};
    Rooms rooms{(window.ensureBuilt(), window)};
    std::map<std::string, Overrun> overruns;  // "MessageLine2: text"
    std::set<std::string> ragged;             // a label with a column, its value not in it

    static int width(int px, bool bold, const std::string& text) {
        return QFontMetrics(gameFont(px, bold)).horizontalAdvance(QString::fromStdString(text));
    }
    static int messageWidth(const std::string& text) { return width(15, true, text); }

    void measure(const Game& g) {
        for (const WidgetDef& d : kWidgets) {
            if (!holdsText(d.kind)) continue;
            const std::string& caption = g.form.caption(d.id);
            if (caption.empty()) continue;
            const std::string where = std::string(d.designed) + ": " + caption;
            if (d.kind != Kind::Label) {
                const int w = width(d.font.px, d.font.bold, caption);
                if (w > rooms.of(d.id)) overruns[where] = Overrun{w, rooms.of(d.id)};
                continue;
            }
            // A label as the window lays it out: a value in its column, after its heading.
            const QFontMetrics m(gameFont(g.form.state(d.id).fontPx, d.font.bold));
            const auto pieces = layOutCaption(d, QString::fromStdString(caption), m);
            const int w = pieces.back().left + pieces.back().width;
            if (w > rooms.of(d.id)) overruns[where] = Overrun{w, rooms.of(d.id)};
            if (d.column.at == 0) continue;
            if (pieces.size() != 2) {
                ragged.insert(where);
            } else if (const int head = pieces[0].width + m.horizontalAdvance(QStringLiteral("  "));
                       head > pieces[1].left) {
                // Two spaces at least between a heading and its value.
                overruns[where + " (up to its value)"] = Overrun{head, pieces[1].left};
            }
        }
    }

    std::unique_ptr<Game> freshGame() {
        auto g = std::make_unique<Game>(silence, random, english);
        startGame(*g);
        return g;
    }

    // Runs a handler with the draws it takes queued, then measures.
    void step(Game& g, Handler h, std::initializer_list<int> draws = {}) {
        for (int d : draws) random.queue(d);
        h(g);
        measure(g);
    }
};

// The classes' buttons with their bout counters and the size of their draw.
struct ClassButton {
    Handler click;
    std::int32_t GameState::*bouts;
    int draws;
};
const ClassButton kClasses[] = {
    {startAmateurBout, &GameState::AmateurBouts, 7}, {startLightBout, &GameState::LightBouts, 6},
    {startFlyBout, &GameState::FlyBouts, 7},         {startBantamBout, &GameState::BantamBouts, 7},
    {startFeatherBout, &GameState::FeatherBouts, 6}, {startMiddleBout, &GameState::MiddleBouts, 6},
};
const Handler kHeroChoice[] = {chooseToruba, chooseOldMoaner, chooseMizel, chooseRonin};

// Every text field that holds a name, with the kind of name it holds.
struct NameField {
    TextMember field;
    const char* kind;
};
const NameField kNameFields[] = {
    {&GameState::HeroName, "hero"},
    {&GameState::JobName, "job"},
    {&GameState::TitleName, "title"},
    {&GameState::Title0Name, "title"},
    {&GameState::Title1Name, "title"},
    {&GameState::Title2Name, "title"},
    {&GameState::Title3Name, "title"},
    {&GameState::Title4Name, "title"},
    {&GameState::Title5Name, "title"},
    {&GameState::Title6Name, "title"},
    {&GameState::WeaponName, "weapon"},
    {&GameState::ShopWeapon1Name, "weapon"},
    {&GameState::ShopWeapon2Name, "weapon"},
    {&GameState::ShopWeapon3Name, "weapon"},
    {&GameState::ShopWeapon4Name, "weapon"},
    {&GameState::ShopWeapon5Name, "weapon"},
    {&GameState::MerchantItem1Name, "weapon"},
    {&GameState::ArmorName, "armor"},
    {&GameState::StartArmorName, "armor"},
    {&GameState::ShopArmor1Name, "armor"},
    {&GameState::ShopArmor2Name, "armor"},
    {&GameState::ShopArmor3Name, "armor"},
    {&GameState::MerchantItem2Name, "armor"},
    {&GameState::Item1Name, "item"},
    {&GameState::Item2Name, "item"},
    {&GameState::Item3Name, "item"},
    {&GameState::TearName, "item"},
    {&GameState::Skill1Name, "skill"},
    {&GameState::Skill2Name, "skill"},
    {&GameState::Skill3Name, "skill"},
    {&GameState::Skill4Name, "skill"},
    {&GameState::EnemyName, "opponent"},
};

TEST_P(Fit, EveryLineFitsItsBoxWithTheLongestNames) {
    std::map<std::string, std::string> longest;  // by kind of name
    const auto consider = [&](const char* kind, const std::string& name) {
        std::string& best = longest[kind];
        if (messageWidth(name) > messageWidth(best)) best = name;
    };
    // The opponent's name as each place in a sentence has it ("the ..."), longest of each.
    std::map<std::string_view, std::string> longestForms;
    const auto considerOpponent = [&](const Game& g) {
        consider("opponent", g.shown(&GameState::EnemyName));
        for (const FieldForm& f : kFieldForms) {
            const std::string name = g.state.EnemyName.form(f.form).render(g.catalogue());
            if (messageWidth(name) > messageWidth(longestForms[f.form])) longestForms[f.form] = name;
        }
    };

    // The title and the prologue.
    {
        auto g = freshGame();
        measure(*g);
        for (int tick = 1; tick <= 29; ++tick) {
            step(*g, advanceOpening);
            if (tick == 18) step(*g, beginPrologue);
        }
    }
    // Every hero's names, and every opponent each class can send, with its opening lines.
    for (int hero = 0; hero < kHeroCount; ++hero) {
        auto g = freshGame();
        step(*g, kHeroChoice[hero]);
        for (const NameField& f : kNameFields) {
            if (f.field != &GameState::EnemyName) consider(f.kind, g->shown(f.field));
        }
        g->state.TitleIndex = 6;
        for (const ClassButton& c : kClasses) {
            for (int bouts : {0, 20}) {
                for (int wins = 0; wins <= 6; ++wins) {
                    for (int d = 0; d < c.draws; ++d) {
                        g->state.*c.bouts = bouts;
                        g->state.ChampionWins = wins;
                        step(*g, c.click, {d});
                        considerOpponent(*g);
                    }
                }
            }
        }
        for (int wins = 0; wins < 6; ++wins) {
            g->state.ChallengerWins = wins;
            g->state.HeavyBouts = 98;
            step(*g, startHeavyBout);
            considerOpponent(*g);
        }
    }

    Text opponent = Text::verbatim(longest["opponent"]);
    for (const FieldForm& f : kFieldForms) opponent.withForm(f.form, Text::verbatim(longestForms[f.form]));

    for (int hero = 0; hero < kHeroCount; ++hero) {
        SCOPED_TRACE(hero);
        auto game = freshGame();
        Game& g = *game;
        GameState& s = g.state;
        step(g, kHeroChoice[hero]);
        // The longest names and numbers as large as a career makes them.
        for (const NameField& f : kNameFields) g.state.*f.field = Text::verbatim(longest[f.kind]);
        s.Gold = 99999;
        s.Hp = s.MaxHp = s.Mp = s.MaxMp = 999;
        s.Exp = 99999;
        s.Level = 20;
        s.Attack = s.Defense = s.Wisdom = s.Speed = 200;
        s.WeaponAttack = s.ArmorDefense = 30;
        s.Item2Count = s.Item3Count = s.TearCount = 5;
        step(g, showMoney);
        step(g, showLevel);
        step(g, showHp);
        step(g, showMp);
        step(g, openStatus);
        step(g, closeStatus);

        // The store: every good bought, and every one refused.
        const Handler shelf[] = {buyWeapon1, buyWeapon2, buyWeapon3, buyWeapon4, buyWeapon5,
                                 buyArmor1,  buyArmor2,  buyArmor3,  buyItem2,   buyItem3};
        step(g, openStore);
        for (Handler buy : shelf) {
            s.Gold = 0;
            step(g, buy);
            s.Gold = 99999;
            step(g, buy);
        }
        step(g, leaveStore);
        // The inn at both prices, a night and a refusal.
        for (int title : {0, 3}) {
            s.TitleIndex = title;
            step(g, openInn);
            s.Gold = 0;
            step(g, stayTheNight);
            s.Gold = 99999;
            step(g, stayTheNight);
            step(g, leaveInn);
        }
        // The king at every stage, and his last words.
        for (int wins = 0; wins <= 6; ++wins) {
            s.ChampionWins = wins;
            step(g, visitKing);
            step(g, closeKingsRoom);
        }
        s.ChallengerWins = 6;
        step(g, visitKing);
        s.ChallengerWins = 0;
        g.state.TitleName = Text::verbatim(longest["title"]);
        step(g, [](Game& in) { in.form.setCaption(W::BarRank, in.state.TitleName); });
        // The casino: every throw with every outcome.
        step(g, openCasino);
        for (Handler hand : {throwRock, throwScissors, throwPaper}) {
            for (int roll = 0; roll < 3; ++roll) {
                s.Gold = 99999;
                step(g, hand, {roll});
            }
        }
        step(g, leaveCasino);

        // A bout, then every attack line, every opponent's action and answer, every skill and item.
        s.TitleIndex = 6;
        step(g, enterArena);
        step(g, startAmateurBout, {0});
        g.state.EnemyName = opponent;
        for (int weapon = 0; weapon < 7; ++weapon) {
            for (int d = 0; d < 3; ++d) {
                s.WeaponId = weapon;
                s.EnemyHp = 99999;
                s.EnemyDefense = 0;
                step(g, attack, {d});
            }
        }
        for (int kind = 0; kind < 32; ++kind) {
            for (int d = 0; d < 3; ++d) {
                s.EnemyKind = kind;
                s.EnemyHp = 99999;
                s.Hp = 999;
                s.EnemyPower = 300;
                step(g, opponentTurnOrVictoryStep, {d});
            }
            for (int d = 0; d < 2; ++d) {
                s.EnemyKind = kind;
                step(g, talkToOpponent, {d});
                g.state.EnemyName = opponent;
            }
        }
        for (Handler offer : {buyWalther, buyLingerie, buyTear}) {
            s.Gold = 0;
            step(g, offer);
            s.Gold = 99999;
            s.TearCount = 0;
            step(g, offer);
        }
        step(g, buyNothing);
        step(g, openSkills);
        for (Handler skill : {useSkill1, useSkill2, useSkill3, useSkill4}) {
            s.Mp = 0;
            step(g, skill);
            s.Mp = 999;
            s.Hp = 1;
            s.EnemyHp = 99999;
            step(g, skill, {0});
        }
        step(g, closeSkills);
        step(g, openItems);
        for (Handler good : {useItem1, useItem2, useItem3, useTear}) {
            s.Item2Count = s.Item3Count = s.TearCount = 5;
            step(g, good);
        }
        step(g, closeItems);
        // The victory, the experience, a level-up that teaches a skill, and back.
        s.EnemyHp = 0;
        s.EnemyPower = 300;
        step(g, opponentTurnOrVictoryStep, {1});
        s.Level = 11;
        step(g, experienceStep, {0});
        step(g, levelUpStep);
        step(g, backToClassesStep);
        // A defeat and the way back to town.
        step(g, startAmateurBout, {0});
        g.state.EnemyName = opponent;
        s.Hp = 1;
        s.EnemyHp = 99999;
        s.EnemyKind = 1;
        s.EnemyPower = 300;
        step(g, opponentTurnOrVictoryStep, {0});
        step(g, defeatAftermathStep);

        // The ending and the credits, to the window closing.
        if (hero == 0) {
            step(g, startEnding);
            for (int tick = 1; tick <= 147; ++tick) step(g, advanceEnding);
        }
    }

    for (const auto& [where, o] : overruns) {
        ADD_FAILURE() << where << "\n  is " << o.width << " px wide, its box has " << o.room << " px";
    }
    for (const std::string& where : ragged)
        ADD_FAILURE() << where << "\n  is lined up by spaces: a tab starts its column";
    // Every entry was shown on the way, but the context menu's, which live outside the window, and
    // the pictures' words, which only a screen reader says.
    std::set<std::string_view> outside = {frontend::kLanguageMenuTitle, frontend::kLanguageName,
                                          frontend::kContinueItem,      frontend::kMuteItem,
                                          frontend::kScaleItem,         frontend::kFullscreenItem};
    for (const std::string_view words : frontend::pictureWords()) outside.insert(words);
    for (const std::string& msgid : catalogueFile(GetParam()).msgids()) {
        if (outside.count(msgid) == 0) {
            EXPECT_TRUE(english.seen().count(msgid)) << "never shown, so never measured: " << msgid;
        }
    }
    std::printf("longest names:");
    for (const auto& [kind, name] : longest) std::printf(" %s \"%s\",", kind.c_str(), name.c_str());
    std::printf("\n");
}

// What the designed window centres stays centred in a translation: each centred label's middle,
// as the window places it, is where the designed caption's middle is.
TEST_P(Fit, CentredCaptionsStayCentred) {
    auto g = freshGame();
    GameWindow translated(*g);
    translated.ensureBuilt();
    translated.show();
    for (const WidgetDef& d : kWidgets) {
        if (d.align != Align::Centre) continue;
        g->form.show(d.id);
        if (d.parent != W::Window) g->form.show(d.parent);
        translated.shell().sync();
        const QRect shown = translated.widget(d.id)->geometry();
        const int designed = width(d.font.px, d.font.bold, std::string(d.caption));
        EXPECT_NE(shown.width(), designed) << d.designed << ": not translated, so not measured";
        EXPECT_LE(std::abs(2 * shown.left() + shown.width() - (2 * d.left + designed)), 2)
            << d.designed << " \"" << g->form.caption(d.id) << "\" is off the designed centre";
    }
}

// The title's subtitle is centred by the window, and so is every line of the story told on it
// after; the game's own language keeps them where they were designed, padded with its spaces.
TEST_P(Fit, StoryLinesStayCentredUnderTheTitle) {
    const auto leftEdges = [&](Game& g) {
        GameWindow shown(g);
        shown.ensureBuilt();
        shown.show();
        const WidgetDef& d = def(W::StoryLine);
        const int designed = width(d.font.px, d.font.bold, std::string(d.caption));
        std::map<std::string, std::pair<int, int>> edges;  // caption: left edge, off the centre
        for (int tick = 1; tick <= 29; ++tick) {
            advanceOpening(g);
            if (tick == 18) beginPrologue(g);
            shown.shell().sync();
            const QRect at = shown.widget(W::StoryLine)->geometry();
            if (g.form.showing(W::StoryLine) && !g.form.caption(W::StoryLine).empty())
                edges[g.form.caption(W::StoryLine)] = {at.left(), 2 * at.left() + at.width() - (2 * d.left + designed)};
        }
        return edges;
    };
    auto translated = freshGame();
    const auto lines = leftEdges(*translated);
    EXPECT_EQ(lines.size(), 5u);  // the subtitle and the four lines of the prologue
    for (const auto& [caption, at] : lines)
        EXPECT_LE(std::abs(at.second), 2) << "\"" << caption << "\" is off the centre";
    Game own{silence, random};
    startGame(own);
    for (const auto& [caption, at] : leftEdges(own)) EXPECT_EQ(at.first, def(W::StoryLine).left) << caption;
}

// The values the design lines up with spaces stand in columns in a translation: on the status
// screen and the store's shelf, every row's value starts (or, for numbers, ends) at the same
// place, whole inside its label.
TEST_P(Fit, ValuesStandInColumns) {
    auto g = freshGame();
    chooseToruba(*g);
    openStore(*g);
    openStatus(*g);
    GameWindow translated(*g);
    translated.ensureBuilt();
    translated.show();
    for (const WidgetDef& d : kWidgets) {
        if (d.column.at != 0) g->form.show(d.id, d.parent);
    }
    translated.shell().sync();
    std::map<std::pair<W, int>, std::set<int>> edges;  // by panel and column: where the values line up
    for (const WidgetDef& d : kWidgets) {
        if (d.column.at == 0) continue;
        auto* view = static_cast<LabelView*>(translated.widget(d.id));
        const QRect shown = view->geometry();
        const auto pieces = layOutCaption(d, view->text(), QFontMetrics(view->font()));
        ASSERT_EQ(pieces.size(), 2u) << d.designed << " \"" << g->form.caption(d.id) << "\" has no value in a column";
        const CaptionPiece& value = pieces.back();
        EXPECT_LE(value.left + value.width, shown.width()) << d.designed << ": its value is cut off";
        const int edge = shown.left() + value.left + (d.column.align == Align::Right ? value.width : 0);
        edges[{d.parent, d.column.at}].insert(edge);
    }
    EXPECT_EQ(edges.size(), 4u);  // the shelf's prices; the hero's values, the gear's and money, the strengths
    for (const auto& [column, at] : edges)
        EXPECT_EQ(at.size(), 1u) << def(column.first).designed << " " << column.second;
}

INSTANTIATE_TEST_SUITE_P(EveryTranslation, Fit, ::testing::ValuesIn(translations()),
                         [](const ::testing::TestParamInfo<std::string>& param) { return param.param; });

}  // namespace
}  // namespace verminadia::desktop
