// The king's room. The king speaks by the champions beaten and grants the matching title at
// every visit, so a visit after a defeat gives back the title the defeat took away.

#include "town/king.h"

#include <array>
#include <string>
#include <string_view>

#include "core/career.h"
#include "core/game.h"
#include "town/handlers.h"

namespace verminadia {

namespace {

struct Speech {
    std::string_view line2, line3;
    Text GameState::*title = nullptr;  // the title granted, nullptr for none
};

// By ChampionWins, 0 to 6; title n goes with n champions beaten.
// clang-format off
constexpr std::array kSpeeches = {
    Speech{.line2 = N_("　「私が今回の大会の開催者じゃ。勝ち残った者には名誉の"), .line3 = N_("ある称号を与えよう。少しでも勝ったらまた来なさい。」")},
    Speech{.line2 = N_("　「お主はもうただの人ではない。新しい称号を与えよう。"), .line3 = N_("もっと強くなったらまた来なさい。」"), .title = &GameState::Title1Name},
    Speech{.line2 = N_("　「なかなか勝ち進んでるようじゃのう。新しい称号を与え"), .line3 = N_("よう。もっと強くなったらまた来なさい。」"), .title = &GameState::Title2Name},
    Speech{.line2 = N_("　「ここまで勝つとはお主ただ者ではないな。この調子でど"), .line3 = N_("んどん頑張りなさい。」"), .title = &GameState::Title3Name},
    Speech{.line2 = N_("　「あっぱれ、あっぱれ。愉快じゃのう。我が国にこんな強"), .line3 = N_("い者がいたとは。お主の事を気に入ったわい。」"), .title = &GameState::Title4Name},
    Speech{.line2 = N_("　「ほっほっほっ、見事じゃ。一つ上の位にしてやろう。ド"), .line3 = N_("ラゴンマスターになる日も近いぞ。頑張れ」"), .title = &GameState::Title5Name},
    Speech{.line2 = N_("　「ほんと、お前は強いなぁ―。私の変わりに国王にでもな"), .line3 = N_("らないか？？」"), .title = &GameState::Title6Name},
};
// The whole challenger series beaten: the legendary title is spoken, and the ending follows.
constexpr Speech kFinalSpeech{.line2 = N_("　「よくぞ闘技会で優勝した。お主に伝説の称号、ドラゴン"), .line3 = N_("マスターをやろう！！」")};
// clang-format on

}  // namespace

void visitKing(Game& g) {
    GameState& s = g.state;
    g.form.hide(W::TownButtons);
    s.TalkState = talk::kCloseKingsRoom;
    g.form.show(W::King, W::MessagePanel);
    g.form.hide(W::StatusButton);
    g.caption(W::MessageLine1, N_("ドラゴン王"));
    if (s.ChampionWins >= 0 && s.ChampionWins < static_cast<int>(kSpeeches.size())) {
        const Speech& speech = kSpeeches[static_cast<std::size_t>(s.ChampionWins)];
        g.form.setCaption(W::MessageLine2, Text(speech.line2));
        g.form.setCaption(W::MessageLine3, Text(speech.line3));
        if (speech.title != nullptr) {
            g.state.TitleName = g.state.*speech.title;
            s.TitleIndex = s.ChampionWins;
            g.form.setCaption(W::BarRank, g.state.TitleName);
        }
    }
    if (s.ChallengerWins == kChallengerCount) {
        g.form.setCaption(W::MessageLine2, Text(kFinalSpeech.line2));
        g.form.setCaption(W::MessageLine3, Text(kFinalSpeech.line3));
        s.TalkState = talk::kEnding;
        g.form.hide(W::StatusButton, W::TownButtons);
    }
}

void closeKingsRoom(Game& g) {
    g.form.show(W::StatusButton);
    g.form.hide(W::MessagePanel);
    g.form.hide(W::King);
    g.form.show(W::TownButtons);
}

}  // namespace verminadia
