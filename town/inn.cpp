// The inn: HP and MP back in full for a night's price, with the inn tune in place of the town
// theme until the hero leaves.

#include <array>
#include <string>
#include <string_view>

#include "core/career.h"
#include "core/game.h"
#include "core/text/town_bar.h"
#include "town/handlers.h"
#include "town/heroes.h"
#include "town/town_music.h"

namespace verminadia {

namespace {

constexpr std::string_view kInnkeeper = N_("おフク");
constexpr std::string_view kThanks = N_("　「ありがとさん。またおいでね。」");
constexpr std::string_view kShortOfMoney = N_("　「お金が足りないねぇ。残念だけどまた今度ね。」");

// The price rises once, with the third title, and never comes down again.
constexpr int kCheapPrice = 25;
constexpr int kDearPrice = 40;
constexpr int kDearFromTitle = 3;

int price(const GameState& s) { return s.TitleIndex < kDearFromTitle ? kCheapPrice : kDearPrice; }

// The innkeeper greets each hero in her own words; the second line names the price.
struct Greeting {
    std::string_view line2, line3;
};

// By HeroId.
// clang-format off
constexpr std::array<Greeting, kHeroCount> kGreetings = {
    Greeting{.line2 = N_("　「あら、トルバさん。私に会いに来てくれたの？うれしいわ。"), .line3 = N_("特別に一泊{price}円にサービスしてあげるわ。」")},
    Greeting{.line2 = N_("　「あら、どうしたの？そんなに嘆いて。宿に泊まって気分転"), .line3 = N_("換でもしたらどう？一泊{price}円よ。」")},
    Greeting{.line2 = N_("　「あら、先生。大会に出るの？教師をしながらアルバイトで"), .line3 = N_("森の管理なんて大変ね。一泊{price}円だから休んでいってね。」")},
    Greeting{.line2 = N_("　「あら、お兄さん。そんなにさすらってばかりじゃダメよ。"), .line3 = N_("たまには宿にでも泊まったら？一泊{price}円よ。」")},
};
// clang-format on

}  // namespace

void openInn(Game& g) {
    GameState& s = g.state;
    g.form.hide(W::TownButtons);
    g.form.show(W::InnPanel);
    s.TalkState = talk::kNothing;
    g.form.show(W::Innkeeper, W::MessagePanel);
    g.form.hide(W::StatusButton);
    g.caption(W::MessageLine1, kInnkeeper);
    if (s.HeroId >= 0 && s.HeroId < kHeroCount) {
        const Greeting& greeting = kGreetings[static_cast<std::size_t>(s.HeroId)];
        g.caption(W::MessageLine2, greeting.line2);
        g.form.setCaption(W::MessageLine3, g.text(greeting.line3).with("price", price(s)));
    }
}

void stayTheNight(Game& g) {
    GameState& s = g.state;
    s.TalkState = talk::kNothing;
    const int night = price(s);
    // Short of money: told, and the town theme plays on.
    if (s.Gold < night) {
        g.caption(W::MessageLine2, kShortOfMoney);
        g.form.setCaption(W::MessageLine3, "");
        return;
    }
    stopTownMusic(g);
    g.sound.play(Tune::Inn);
    s.Gold -= night;
    g.caption(W::MessageLine2, kThanks);
    g.form.setCaption(W::MessageLine3, "");
    s.Hp = s.MaxHp;
    s.Mp = s.MaxMp;
    showHp(g);
    showMp(g);
    showMoney(g);
}

// After a stay the town theme starts again from its beginning on the timer's first tick;
// without one it was never interrupted.
void leaveInn(Game& g) {
    g.sound.stopAndRewind(Tune::Inn);
    g.form.enable(Timer::TownMusic);
    g.form.show(W::StatusButton);
    g.form.hide(W::MessagePanel, W::InnPanel, W::Innkeeper);
    g.form.show(W::TownButtons);
}

}  // namespace verminadia
