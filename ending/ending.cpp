// The ending: what became of the four heroes, each beside a portrait, then the credits under
// their own theme, and the window closes by itself. One step per tick of Timer5, no input.

#include "ending/ending.h"

#include <string_view>

#include "core/game.h"
#include "core/whole_numbers.h"
#include "town/heroes.h"

namespace verminadia {

namespace {

// A line of the story on Label2, with the portrait that leaves (W::Form1: none) and the one that comes.
struct StoryLine {
    int tick;
    W portraitOff, portraitOn;
    std::string_view text;
};

// clang-format off
constexpr StoryLine kStory[] = {
    {1, W::Form1, W::Form1, N_(" 　　長い戦いは終わった。")},
    {3, W::Form1, W::Form1, N_("　　栄光のドラゴンマスター")},
    {5, W::Form1, W::Image53, N_("サスライの剣士は旅に出た。")},
    {13, W::Image53, W::Image54, N_("ミゼル先生は森に帰って行った。")},
    {21, W::Image54, W::Image55, N_("嘆きの老人はお星様になった。")},
    {29, W::Image55, W::Image56, N_("トルバさんは．．．．．．．．")},
};

// Two names come back later in the credits, spaced the same each time.
constexpr std::string_view kZeku = N_("　　 　　　　　 ZEKU         ");
constexpr std::string_view kNunu = N_("　　　　　　　 ヌヌくん　　 　 ");

struct CreditLine {
    int tick;
    std::string_view text;  // on Label1, whose left edge stays put: the spaces place the words
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
    g.form.hide(W::Image56);
    g.sound.stop(Player::MediaPlayer13);
    g.form.setCaption(W::Label1, "");
    g.form.setFontSizePt(W::Label1, 12);
    g.form.setTop(W::Label1, 145);
    g.sound.play(Player::MediaPlayer14);
    g.form.hide(W::Label2);
    g.form.show(W::Label1);
}

}  // namespace

void startEnding(Game& g) {
    g.form.hide(W::Image3, W::Panel5, W::Panel2);
    // Unlike stopTownMusic, nothing is rewound: the town theme is silenced for good, never
    // to be looped again, so it is only stopped where it stands.
    g.form.disable(Timer::Timer2);
    for (const Hero& h : kHeroes) g.sound.stop(h.theme);
    g.form.enable(Timer::Timer5);
    g.form.show(W::Label2);
}

void Timer5Timer(Game& g) {
    const int tick = addClamped(g.state.EndingTick, 1);
    if (tick == kEndingThemeStarts) g.sound.play(Player::MediaPlayer13);
    for (const StoryLine& line : kStory) {
        if (line.tick != tick) continue;
        if (line.portraitOff != W::Form1) g.form.hide(line.portraitOff);
        if (line.portraitOn != W::Form1) g.form.show(line.portraitOn);
        g.form.setCaption(W::Label2, Text(line.text));
    }
    if (tick == kCreditsBegin) storyToCredits(g);
    for (const CreditLine& line : kCredits) {
        if (line.tick == tick) g.form.setCaption(W::Label1, Text(line.text));
    }
    if (tick == kWindowCloses) g.form.close();
}

}  // namespace verminadia
