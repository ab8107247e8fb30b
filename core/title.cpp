// The opening: starting values, the maker's name, the title spelled out to gunshots, the
// applause and the "スタート" prompt, then the prologue and the hero choice.

#include "core/title.h"

#include <string_view>

#include "core/career.h"
#include "core/game.h"
#include "core/text/town_bar.h"
#include "core/whole_numbers.h"

namespace verminadia {

void setStartingValues(Game& g) {
    GameState& s = g.state;
    s.TitleTick = 0;
    s.Exp = 0;
    s.Gold = 50;
    s.TownMusicTick = 0;
    s.AmateurBouts = 0;
    s.WeaponId = 0;
    s.Level = 1;
    showMoney(g);
    s.LightBouts = 0;
    s.FlyBouts = 0;
    showLevel(g);
    s.ChallengerWins = 0;
    s.WeaponAttack = 0;
    s.ArmorDefense = 0;
    s.Item2Count = 0;
    s.Item3Count = 0;
    s.TitleIndex = 0;
    g.state.MerchantItem1Name = Text(N_("ワルサーP38"));
    g.state.MerchantItem2Name = Text(N_("セクシーランジェリー"));
    g.state.TearName = Text(N_("ドラゴンの涙"));
    s.EndingTick = 0;
    s.ChallengerBout = kNoChallengerBout;
}

namespace {

// The title is spelled out over eleven shots, one character each in Japanese.
constexpr int kTitleShots = 11;

// One row of the opening: its actions run at every tick from `from` to `to`, in table order.
struct TitleStep {
    int from, to;
    void (*act)(Game&);
};

// clang-format off
constexpr TitleStep kTitleSteps[] = {
    {5, 15, [](Game& g) { g.sound.restart(Tune::Shots); }},
    {2, 2, [](Game& g) {
        g.form.show(W::GameTitle);
        g.caption(W::GameTitle, N_("            GLIMMERSTOVE"));
    }},
    {4, 4, [](Game& g) {
        g.form.setWindowColor(kBlack);
        g.form.setFontSizePt(W::GameTitle, 20);
        g.form.setTop(W::GameTitle, 128);
    }},
    {5, 5, [](Game& g) { g.form.setFontColor(W::GameTitle, kRed); }},
    {5, 15, [](Game& g) {
        g.form.setCaption(W::GameTitle, Text(kGameTitle).part(g.state.TitleTick - 4, kTitleShots));
    }},
    {16, 16, [](Game& g) {
        g.sound.restart(Tune::Applause);
        g.form.show(W::StoryLine);
    }},
    {18, 18, [](Game& g) {
        g.form.show(W::Start);
        g.form.disable(Timer::Opening);
    }},
    {19, 19, [](Game& g) {
        g.form.setFontColor(W::StoryLine, kRed);
        g.caption(W::StoryLine, N_("このゲームはフィクションです。"));
    }},
    {21, 21, [](Game& g) { g.form.setCaption(W::StoryLine, ""); }},
    {22, 22, [](Game& g) {
        g.form.setFontColor(W::StoryLine, kWhite);
        g.caption(W::StoryLine, N_("　　今からおよそ600年前"));
    }},
    {24, 24, [](Game& g) { g.caption(W::StoryLine, N_("      7月10日、嵐の夜")); }},
    {26, 26, [](Game& g) { g.caption(W::StoryLine, N_("ドラゴン城で闘技大会が行われた。")); }},
    {28, 28, [](Game& g) { g.form.hide(W::StoryLine); }},
    {29, 29, [](Game& g) {
        g.form.show(W::HeroChoicePanel);
        g.form.disable(Timer::Opening);
    }},
};
// clang-format on

}  // namespace

void advanceOpening(Game& g) {
    const int tick = addClamped(g.state.TitleTick, 1);
    for (const TitleStep& step : kTitleSteps) {
        if (tick >= step.from && tick <= step.to) step.act(g);
    }
}

void beginPrologue(Game& g) {
    g.form.enable(Timer::Opening);
    g.sound.stopAndRewind(Tune::Shots);
    g.sound.stopAndRewind(Tune::Applause);
    g.form.hide(W::GameTitle, W::Start);
    g.form.setCaption(W::StoryLine, "");
}

}  // namespace verminadia
