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
    std::string GameState::*title;  // the title granted, nullptr for none
};

// By ChampionWins, 0 to 6; title n goes with n champions beaten.
// clang-format off
constexpr std::array kSpeeches = {
    Speech{N_("　「私が今回の大会の開催者じゃ。勝ち残った者には名誉の"), N_("ある称号を与えよう。少しでも勝ったらまた来なさい。」"), nullptr},
    Speech{N_("　「お主はもうただの人ではない。新しい称号を与えよう。"), N_("もっと強くなったらまた来なさい。」"), &GameState::Title1Name},
    Speech{N_("　「なかなか勝ち進んでるようじゃのう。新しい称号を与え"), N_("よう。もっと強くなったらまた来なさい。」"), &GameState::Title2Name},
    Speech{N_("　「ここまで勝つとはお主ただ者ではないな。この調子でど"), N_("んどん頑張りなさい。」"), &GameState::Title3Name},
    Speech{N_("　「あっぱれ、あっぱれ。愉快じゃのう。我が国にこんな強"), N_("い者がいたとは。お主の事を気に入ったわい。」"), &GameState::Title4Name},
    Speech{N_("　「ほっほっほっ、見事じゃ。一つ上の位にしてやろう。ド"), N_("ラゴンマスターになる日も近いぞ。頑張れ」"), &GameState::Title5Name},
    Speech{N_("　「ほんと、お前は強いなぁ―。私の変わりに国王にでもな"), N_("らないか？？」"), &GameState::Title6Name},
};
// The whole challenger series beaten: the legendary title is spoken, and the ending follows.
constexpr Speech kFinalSpeech{N_("　「よくぞ闘技会で優勝した。お主に伝説の称号、ドラゴン"), N_("マスターをやろう！！」"), nullptr};
// clang-format on

}  // namespace

void visitKing(Game& g) {
    GameState& s = g.state;
    g.form.hide(W::Panel4);
    s.TalkState = talk::kCloseKingsRoom;
    g.form.show(W::Image3, W::Panel5);
    g.form.hide(W::Button1);
    g.caption(W::Label31, N_("ドラゴン王"));
    if (s.ChampionWins >= 0 && s.ChampionWins < static_cast<int>(kSpeeches.size())) {
        const Speech& speech = kSpeeches[static_cast<std::size_t>(s.ChampionWins)];
        g.form.setCaption(W::Label32, Text(speech.line2));
        g.form.setCaption(W::Label33, Text(speech.line3));
        if (speech.title != nullptr) {
            g.setText(&GameState::TitleName, g.text(speech.title));
            s.TitleIndex = s.ChampionWins;
            g.form.setCaption(W::Label13, g.text(&GameState::TitleName));
        }
    }
    if (s.ChallengerWins == kChallengerCount) {
        g.form.setCaption(W::Label32, Text(kFinalSpeech.line2));
        g.form.setCaption(W::Label33, Text(kFinalSpeech.line3));
        s.TalkState = talk::kEnding;
        g.form.hide(W::Button1, W::Panel4);
    }
}

void closeKingsRoom(Game& g) {
    g.form.show(W::Button1);
    g.form.hide(W::Panel5);
    g.form.hide(W::Image3);
    g.form.show(W::Panel4);
}

}  // namespace verminadia
