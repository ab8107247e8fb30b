// "話す": the opponent answers by its kind and a draw of 2. Talking costs no turn. Two kinds
// change their strength with the answer, and the merchants open their shop.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "arena/foe_kind.h"
#include "arena/handlers.h"
#include "arena/texts.h"
#include "core/career.h"
#include "core/game.h"
#include "core/text/town_bar.h"
#include "core/whole_numbers.h"
#include "town/store.h"

namespace verminadia {

namespace {

constexpr int kAny = -1;
constexpr int kTalkDraw = 2;

// The hotheads and Zundara White power up or give in: their defence, HP and experience start over.
struct Change {
    int defense, hp, exp;
};

struct Answer {
    FoeKind kind;
    int draw;  // kAny: both draws
    std::string_view line2, line3 = {};
    std::optional<Change> change = std::nullopt;
    bool opensShop = false;
};

// clang-format off
constexpr std::array kAnswers = {
    Answer{.kind = FoeKind::Ordinary, .draw = 0, .line2 = N_("　「もしLVが上がっても特技を覚えたか分からないから自分"), .line3 = N_("でステータスとか見て確かめることだね。」")},
    Answer{.kind = FoeKind::Ordinary, .draw = 1, .line2 = N_("　「このゲームはランクがドラゴン大陸最強のドラゴンマス"), .line3 = N_("ターになったらクリアらしいんだが、俺には無理かも。」")},
    Answer{.kind = FoeKind::Zombie, .draw = 0, .line2 = N_("　「体が溶けていくよー。」")},
    Answer{.kind = FoeKind::Zombie, .draw = 1, .line2 = N_("　「お前の体も腐らしてやる！！！」")},
    Answer{.kind = FoeKind::Zundara, .draw = kAny, .line2 = N_("　「俺の名はズンダラ。ドラゴン大陸最強の男だ。俺を甘"), .line3 = N_("く見ると痛い目に会う事になるぞ。」")},
    Answer{.kind = FoeKind::Cockroach, .draw = kAny, .line2 = N_("　「我々、ゴキブリ族はもともとドラゴン大陸の支配者だっ"), .line3 = N_("た。しかし今となってはただの害虫。」")},
    Answer{.kind = FoeKind::Wrestler, .draw = 0, .line2 = N_("　「がはは、どこからでもかかって来い。俺がお前を稽古し"), .line3 = N_("てやる。」")},
    Answer{.kind = FoeKind::Wrestler, .draw = 1, .line2 = N_("　「俺は今まで55個の道場を道場破りした。そんな俺に勝て"), .line3 = N_("るかな？どこからでもかかって来い。」")},
    Answer{.kind = FoeKind::Merchant, .draw = 0, .line2 = N_("　「始めまして、私はインドから来た商人です。なかなか貴"), .line3 = N_("重な物が揃ってるので何か買って下さい。」"), .opensShop = true},
    Answer{.kind = FoeKind::Merchant, .draw = 1, .line2 = N_("　「こんにちは、インドから来た商人です。いい品を売りま"), .line3 = N_("すよ。どうですか？」"), .opensShop = true},
    Answer{.kind = FoeKind::Hothead, .draw = 0, .line2 = N_("　「ふっ、俺の戦闘意識に火を付けたようだな。かわいそう"), .line3 = N_("にお前には死あるのみだ。」"), .change = Change{.defense = 10, .hp = 70, .exp = 15}},
    Answer{.kind = FoeKind::Hothead, .draw = 1, .line2 = N_("　「ごめんなさい。僕が悪かった許して。」"), .change = Change{.defense = 0, .hp = 2, .exp = 2}},
    Answer{.kind = FoeKind::Alien, .draw = kAny, .line2 = N_("　「ワタシハ、ハルカトオク”ナントカ星”カラヤッテキタ"), .line3 = N_("オマエヲタオス！ピー、ボン！！」")},
    Answer{.kind = FoeKind::Chippo, .draw = kAny, .line2 = N_("　「僕の名前はチッポ、６才。お母さんに知らない人には近"), .line3 = N_("づくなって言われてるの。だから僕に近づかないで。」")},
    Answer{.kind = FoeKind::Beast, .draw = kAny, .line2 = N_("　「ガオー！！お前を食べちゃうぞー！！」")},
    Answer{.kind = FoeKind::WigZundara, .draw = kAny, .line2 = N_("　「うおおぉぉぉ．．．。カツラが飛ぶー！と言うことで私"), .line3 = N_("はズンダラのかつらバージョンです。」")},
    Answer{.kind = FoeKind::Hare, .draw = 0, .line2 = N_("　「ピョンピョン、人参が欲しいよー。おなか空いたよー。")},
    Answer{.kind = FoeKind::Hare, .draw = 1, .line2 = N_("　「こんにちは、僕は通りすがりのウサギです。ヨロシクし"), .line3 = N_("てね。」")},
    Answer{.kind = FoeKind::Policeman, .draw = 0, .line2 = N_("　「俺に逆らう奴は誰だろうが逮捕するぞ！！」")},
    Answer{.kind = FoeKind::Policeman, .draw = 1, .line2 = N_("　「お前は指名手配の{HeroName}だな！逮捕してやる。」")},
    Answer{.kind = FoeKind::WhiteZundara, .draw = 0, .line2 = N_("　「おおおぉぉ、力がみなぎってくるぜ！！！今の俺に勝て"), .line3 = N_("る奴はいないだろう。」"), .change = Change{.defense = 5, .hp = 100, .exp = 20}},
    Answer{.kind = FoeKind::WhiteZundara, .draw = 1, .line2 = N_("　「力が抜けるぅーー！！」"), .change = Change{.defense = 0, .hp = 25, .exp = 2}},
    Answer{.kind = FoeKind::Frog, .draw = kAny, .line2 = N_("　「俺様の大好物はゴキブリだぜ！」")},
    Answer{.kind = FoeKind::FanMan, .draw = kAny, .line2 = N_("　「俺様の風力は世界一だぜ。まいったか!?」")},
    Answer{.kind = FoeKind::Bartender, .draw = kAny, .line2 = N_("　「おいしいカクテルの作り方を教えて上げましょう。塩と"), .line3 = N_("タバスコをウォッカに入れるとドラゴンソルトができます｡｣")},
    Answer{.kind = FoeKind::Doctor, .draw = kAny, .line2 = N_("　「私はゴキブリとカエルの微妙な関係を研究しています。"), .line3 = N_("結果的にはカエルはゴキブリを食べます。」")},
    Answer{.kind = FoeKind::DragonGodsBrother, .draw = kAny, .line2 = N_("　「私の兄は海底の城に住んでいます。兄はこの世界に存在"), .line3 = N_("する二人の達人のうちの一人です。」")},
    Answer{.kind = FoeKind::Dairyman, .draw = kAny, .line2 = N_("　「カエルぴょこぴょこみぴょこぴょこ。ゴキブリ食べてピ"), .line3 = N_("ョンピョンピョン｡｣")},
    Answer{.kind = FoeKind::Sorcerer, .draw = kAny, .line2 = N_("　「魔法使いというのは非常に大変で過酷な職業じゃ。しか"), .line3 = N_("し、私はこの仕事に誇りを持っておる。」")},
    Answer{.kind = FoeKind::Riddler, .draw = kAny, .line2 = N_("　「私の正体は謎の男。謎の世界からやって来ました。私の"), .line3 = N_("プロフィールは謎です。」")},
    Answer{.kind = FoeKind::Hermit, .draw = kAny, .line2 = N_("　「私は人呼んで泉仙人。泉のことなら何でも聞きなさい。"), .line3 = N_("ところでタマゴが食べたいのう｡｣")},
    Answer{.kind = FoeKind::RuinGod, .draw = kAny, .line2 = N_("　「私は遺跡の責任者です。遺跡にある卵はドラゴン大陸を"), .line3 = N_("邪悪な心から守る守り神です。」")},
    Answer{.kind = FoeKind::KingOfLight, .draw = kAny, .line2 = N_("　「私は幻の王国にある光の城の王です。幻の王国はドラゴ"), .line3 = N_("ン大陸と魔界をつなぐ次元の境目です。」")},
    Answer{.kind = FoeKind::DemonKing, .draw = kAny, .line2 = N_("　「がははは、俺様は大魔王だぞー！好き嫌いの多い子供は"), .line3 = N_("食べちゃうぞぉー！！！」")},
    Answer{.kind = FoeKind::Swordsman, .draw = kAny, .line2 = N_("　「流離い続けてはや五年、人は私のことをサスライの剣士"), .line3 = N_("と呼ぶ。風が俺を呼ぶぜ。｣")},
    Answer{.kind = FoeKind::Mizel, .draw = kAny, .line2 = N_("　「私が迷いの森を管理して二十年が経ちます。その間、い"), .line3 = N_("ろんな人が迷いこんで来て出れずに飢死していきました。」")},
    Answer{.kind = FoeKind::Toruba, .draw = kAny, .line2 = N_("　「知ってました？私はカジノのオーナーもしています。と"), .line3 = N_("ころでよくここまで勝ち抜きましたね。｣")},
    Answer{.kind = FoeKind::OldMoaner, .draw = kAny, .line2 = N_("　「私の故郷、嘆きの谷はドラゴン大陸有数の谷じゃ。行っ"), .line3 = N_("たことがなかったら一度行ってみてみんしゃい。」")},
    Answer{.kind = FoeKind::ZundaraDeluxe, .draw = kAny, .line2 = N_("　「俺をただのズンダラだと思うなよ！偉大な博士によっ"), .line3 = N_("て究極にパワーアップしたのだ。ははは。」")},
    Answer{.kind = FoeKind::FalseSun, .draw = kAny, .line2 = N_("　「ドラゴン大陸に浮かぶ太陽は私だ！！私を倒してしまえ"), .line3 = N_("ば永遠に昼間は来なくなるだろう。わははは。」")},
};
// clang-format on

const Answer* answerFor(FoeKind kind, int drawn) {
    for (const Answer& a : kAnswers) {
        if (a.kind == kind && (a.draw == kAny || a.draw == drawn)) return &a;
    }
    return nullptr;  // no kind outside the table is ever drawn
}

enum class Good : std::uint8_t { Weapon, Armor, Tear };

struct Offer {
    W button;
    Good good;
    std::string_view caption;  // {price}: the price below
    int price;
};

// clang-format off
constexpr Offer kWalther{.button = W::BuyWaltherButton, .good = Good::Weapon, .caption = N_("ワルサーP38（{price}円）を買う"), .price = 5000};
constexpr Offer kLingerie{.button = W::BuyLingerieButton, .good = Good::Armor, .caption = N_("セクシーランジェリー（{price}円）を買う"), .price = 5000};
constexpr Offer kTear{.button = W::BuyTearButton, .good = Good::Tear, .caption = N_("ドラゴンの涙（{price}円）を買う"), .price = 150};
// clang-format on

// The shop offers the gun or the lingerie, drawn again at every talk, and always the tear.
void openShop(Game& g, int drawn) {
    for (const Offer& o : {kWalther, kLingerie, kTear})
        g.form.setCaption(o.button, g.text(o.caption).with("price", o.price));
    g.form.show(W::OfferPanel);
    g.form.hide(W::CommandPanel);
    prepareSellerReplies(g);  // the store's own words
    if (drawn == 0) {
        g.form.show(W::BuyWaltherButton);
        g.form.hide(W::BuyLingerieButton);
    } else {
        g.form.show(W::BuyLingerieButton);
        g.form.hide(W::BuyWaltherButton);
    }
}

// The strongest equipment of the game: nothing in the store comes near.
constexpr int kWaltherAttack = 30;
constexpr int kWaltherId = 6;  // the gun's own attack lines
constexpr int kLingerieDefense = 20;
// The offer goes away at this many tears and comes back when one is used.
constexpr int kTearCap = 5;

void buy(Game& g, const Offer& o) {
    GameState& s = g.state;
    // Too little money is the only refusal; the shop stays open as it was.
    if (s.Gold < o.price) {
        g.form.setCaption(W::MessageLine2, g.state.PendingLine3);
        g.form.setCaption(W::MessageLine3, "");
        return;
    }
    g.sound.beep();
    s.Gold -= o.price;
    switch (o.good) {
        case Good::Weapon:
            s.WeaponAttack = kWaltherAttack;
            s.WeaponId = kWaltherId;
            break;
        case Good::Armor: s.ArmorDefense = kLingerieDefense; break;
        case Good::Tear: addClamped(s.TearCount, 1); break;
    }
    g.form.setCaption(W::MessageLine2, g.state.PendingLine2);
    g.form.setCaption(W::MessageLine3, "");
    if (o.good == Good::Weapon) g.state.WeaponName = g.state.MerchantItem1Name;
    if (o.good == Good::Armor) g.state.ArmorName = g.state.MerchantItem2Name;
    showMoney(g);
    if (o.good == Good::Tear) g.form.show(W::StatusTears, W::TearEntry);
    g.form.hide(W::OfferPanel);
    g.form.show(W::CommandPanel);
    if (o.good == Good::Tear && s.TearCount >= kTearCap) g.form.hide(W::BuyTearButton);
}

}  // namespace

void talkToOpponent(Game& g) {
    GameState& s = g.state;
    g.form.setCaption(W::MessageLine1, g.state.EnemyName);
    s.TalkState = talk::kNothing;
    const int drawn = g.draw(kTalkDraw);
    const Answer* a = answerFor(static_cast<FoeKind>(s.EnemyKind), drawn);
    if (a == nullptr) return;
    if (a->opensShop) openShop(g, drawn);
    g.caption(W::MessageLine2, a->line2);
    g.caption(W::MessageLine3, a->line3);
    if (a->change) {
        s.EnemyDefense = a->change->defense;
        s.EnemyHp = a->change->hp;
        s.EnemyExp = a->change->exp;
    }
}

void buyWalther(Game& g) { buy(g, kWalther); }
void buyLingerie(Game& g) { buy(g, kLingerie); }
void buyTear(Game& g) { buy(g, kTear); }

void buyNothing(Game& g) {
    g.form.hide(W::OfferPanel);
    g.form.show(W::CommandPanel);
}

}  // namespace verminadia
