// The ending: what became of the four heroes, each beside a portrait, then the credits under
// their own theme, and the window closes by itself. One step per tick of its timer, no input.

#include "ending/ending.h"

#include <string_view>

#include "core/game.h"
#include "core/whole_numbers.h"
#include "town/heroes.h"

namespace verminadia {

namespace {

// A line of the story on StoryLine, with the portrait that leaves (W::Window: none) and the one that comes.
struct StoryLine {
    int tick;
    W portraitOff = W::Window, portraitOn = W::Window;
    std::string_view text;
};

// clang-format off
constexpr StoryLine kStory[] = {
    {.tick = 1, .text = N_(" 　　長い戦いは終わった。")},
    {.tick = 3, .text = N_("　　栄光のドラゴンマスター")},
    {.tick = 5, .portraitOn = W::RoninFarewell, .text = N_("サスライの剣士は旅に出た。")},
    {.tick = 13, .portraitOff = W::RoninFarewell, .portraitOn = W::MizelFarewell, .text = N_("ミゼル先生は森に帰って行った。")},
    {.tick = 21, .portraitOff = W::MizelFarewell, .portraitOn = W::OldMoanerFarewell, .text = N_("嘆きの老人はお星様になった。")},
    {.tick = 29, .portraitOff = W::OldMoanerFarewell, .portraitOn = W::TorubaFarewell, .text = N_("トルバさんは．．．．．．．．")},
};

// Two names come back later in the credits, spaced the same each time.
constexpr std::string_view kZeku = N_("　　 　　　　　 ZEKU         ");
constexpr std::string_view kNunu = N_("　　　　　　　 ヌヌくん　　 　 ");

struct CreditLine {
    int tick;
    std::string_view text;  // on GameTitle, whose left edge stays put: the spaces place the words
};

constexpr CreditLine kCredits[] = {
    {39, N_("                CAST          ")},
    {44, N_("　　　　　　　シナリオ  　    ")},
    {49, kZeku},
    {54, N_("　　　　キャラクターデザイン  ")},
    {59, N_("　　　　　　　  ZEKU　　　　 ")},
    {64, N_("　　　　　　　　Ｑ氏　    　 ")},
    {69, kNunu},
    {74, N_("　　　　　　グラフィック   　 ")},
    {79, kZeku},
    {84, N_("　　　　　　　 効果音  　    ")},
    {89, kZeku},
    {94, N_("　　　　　　　サウンド  　　　")},
    {99, kNunu},
    {104, N_("　　　　　サブタイトル考案  　")},
    {109, N_("　　　　　　  　ポム        ")},
    {114, N_("          PROGRAMING BY　   ")},
    {120, N_("　　           ZEKU     ")},
    {126, N_("        ヴェルミナーディア   ")},
    {133, N_(" 　        GLIMMERSTOVE　  ")},
    {140, N_(" 　　         ＥＮＤ         ")},
};
// clang-format on

constexpr int kEndingThemeStarts = 1;
constexpr int kCreditsBegin = 37;
constexpr int kWindowCloses = 147;

// Between the story and the credits: the ending theme gives way to the credits theme.
void storyToCredits(Game& g) {
    g.form.hide(W::TorubaFarewell);
    g.sound.stop(Tune::Ending);
    g.form.setCaption(W::GameTitle, "");
    g.form.setFontSizePt(W::GameTitle, 12);
    g.form.setTop(W::GameTitle, 145);
    g.sound.play(Tune::Credits);
    g.form.hide(W::StoryLine);
    g.form.show(W::GameTitle);
}

}  // namespace

void startEnding(Game& g) {
    g.form.hide(W::King, W::MessagePanel, W::TownBar);
    // Unlike stopTownMusic, nothing is rewound: the town theme is silenced for good, never
    // to be looped again, so it is only stopped where it stands.
    g.form.disable(Timer::TownMusic);
    for (const Hero& h : kHeroes) g.sound.stop(h.theme);
    g.form.enable(Timer::Ending);
    g.form.show(W::StoryLine);
}

void advanceEnding(Game& g) {
    const int tick = addClamped(g.state.EndingTick, 1);
    if (tick == kEndingThemeStarts) g.sound.play(Tune::Ending);
    for (const StoryLine& line : kStory) {
        if (line.tick != tick) continue;
        if (line.portraitOff != W::Window) g.form.hide(line.portraitOff);
        if (line.portraitOn != W::Window) g.form.show(line.portraitOn);
        g.form.setCaption(W::StoryLine, Text(line.text));
    }
    if (tick == kCreditsBegin) storyToCredits(g);
    for (const CreditLine& line : kCredits) {
        if (line.tick == tick) g.form.setCaption(W::GameTitle, Text(line.text));
    }
    if (tick == kWindowCloses) g.form.close();
}

}  // namespace verminadia
