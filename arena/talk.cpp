// "話す": the opponent answers by its kind and a draw of 2. Talking costs no turn. Two kinds
// change their strength with the answer, and the merchants open their shop.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "arena/handlers.h"
#include "arena/texts.h"
#include "core/career.h"
#include "core/game.h"
#include "core/town_bar_texts.h"
#include "core/whole_numbers.h"
#include "town/store.h"

namespace verminadia {

namespace {

constexpr int kAny = -1;
constexpr int kTalkDraw = 2;

// Kinds 6 and 13 power up or give in: their defence, HP and experience start over.
struct Change {
    int defense, hp, exp;
};
constexpr std::optional<Change> kNoChange = std::nullopt;
constexpr bool kOpensShop = true;

struct Answer {
    int kind;
    int draw;  // kAny: both draws
    std::string_view line2, line3;
    std::optional<Change> change = kNoChange;
    bool opensShop = false;
};

// clang-format off
constexpr std::array kAnswers = {
    Answer{0, 0, N_("　「もしLVが上がっても特技を覚えたか分からないから自分"), N_("でステータスとか見て確かめることだね。」")},
    Answer{0, 1, N_("　「このゲームはランクがドラゴン大陸最強のドラゴンマス"), N_("ターになったらクリアらしいんだが、俺には無理かも。」")},
    Answer{1, 0, N_("　「体が溶けていくよー。」"), {}},
    Answer{1, 1, N_("　「お前の体も腐らしてやる！！！」"), {}},
    Answer{2, kAny, N_("　「俺の名はズンダラ。ドラゴン大陸最強の男だ。俺を甘"), N_("く見ると痛い目に会う事になるぞ。」")},
    Answer{3, kAny, N_("　「我々、ゴキブリ族はもともとドラゴン大陸の支配者だっ"), N_("た。しかし今となってはただの害虫。」")},
    Answer{4, 0, N_("　「がはは、どこからでもかかって来い。俺がお前を稽古し"), N_("てやる。」")},
    Answer{4, 1, N_("　「俺は今まで55個の道場を道場破りした。そんな俺に勝て"), N_("るかな？どこからでもかかって来い。」")},
    Answer{5, 0, N_("　「始めまして、私はインドから来た商人です。なかなか貴"), N_("重な物が揃ってるので何か買って下さい。」"), kNoChange, kOpensShop},
    Answer{5, 1, N_("　「こんにちは、インドから来た商人です。いい品を売りま"), N_("すよ。どうですか？」"), kNoChange, kOpensShop},
    Answer{6, 0, N_("　「ふっ、俺の戦闘意識に火を付けたようだな。かわいそう"), N_("にお前には死あるのみだ。」"), Change{10, 70, 15}},
    Answer{6, 1, N_("　「ごめんなさい。僕が悪かった許して。」"), {}, Change{0, 2, 2}},
    Answer{7, kAny, N_("　「ワタシハ、ハルカトオク”ナントカ星”カラヤッテキタ"), N_("オマエヲタオス！ピー、ボン！！」")},
    Answer{8, kAny, N_("　「僕の名前はチッポ、６才。お母さんに知らない人には近"), N_("づくなって言われてるの。だから僕に近づかないで。」")},
    Answer{9, kAny, N_("　「ガオー！！お前を食べちゃうぞー！！」"), {}},
    Answer{10, kAny, N_("　「うおおぉぉぉ．．．。カツラが飛ぶー！と言うことで私"), N_("はズンダラのかつらバージョンです。」")},
    Answer{11, 0, N_("　「ピョンピョン、人参が欲しいよー。おなか空いたよー。"), {}},
    Answer{11, 1, N_("　「こんにちは、僕は通りすがりのウサギです。ヨロシクし"), N_("てね。」")},
    Answer{12, 0, N_("　「俺に逆らう奴は誰だろうが逮捕するぞ！！」"), {}},
    Answer{12, 1, N_("　「お前は指名手配の{HeroName}だな！逮捕してやる。」"), {}},
    Answer{13, 0, N_("　「おおおぉぉ、力がみなぎってくるぜ！！！今の俺に勝て"), N_("る奴はいないだろう。」"), Change{5, 100, 20}},
    Answer{13, 1, N_("　「力が抜けるぅーー！！」"), {}, Change{0, 25, 2}},
    Answer{14, kAny, N_("　「俺様の大好物はゴキブリだぜ！」"), {}},
    Answer{15, kAny, N_("　「俺様の風力は世界一だぜ。まいったか!?」"), {}},
    Answer{16, kAny, N_("　「おいしいカクテルの作り方を教えて上げましょう。塩と"), N_("タバスコをウォッカに入れるとドラゴンソルトができます｡｣")},
    Answer{17, kAny, N_("　「私はゴキブリとカエルの微妙な関係を研究しています。"), N_("結果的にはカエルはゴキブリを食べます。」")},
    Answer{18, kAny, N_("　「私の兄は海底の城に住んでいます。兄はこの世界に存在"), N_("する二人の達人のうちの一人です。」")},
    Answer{19, kAny, N_("　「カエルぴょこぴょこみぴょこぴょこ。ゴキブリ食べてピ"), N_("ョンピョンピョン｡｣")},
    Answer{20, kAny, N_("　「魔法使いというのは非常に大変で過酷な職業じゃ。しか"), N_("し、私はこの仕事に誇りを持っておる。」")},
    Answer{21, kAny, N_("　「私の正体は謎の男。謎の世界からやって来ました。私の"), N_("プロフィールは謎です。」")},
    Answer{22, kAny, N_("　「私は人呼んで泉仙人。泉のことなら何でも聞きなさい。"), N_("ところでタマゴが食べたいのう｡｣")},
    Answer{23, kAny, N_("　「私は遺跡の責任者です。遺跡にある卵はドラゴン大陸を"), N_("邪悪な心から守る守り神です。」")},
    Answer{24, kAny, N_("　「私は幻の王国にある光の城の王です。幻の王国はドラゴ"), N_("ン大陸と魔界をつなぐ次元の境目です。」")},
    Answer{25, kAny, N_("　「がははは、俺様は大魔王だぞー！好き嫌いの多い子供は"), N_("食べちゃうぞぉー！！！」")},
    Answer{26, kAny, N_("　「流離い続けてはや五年、人は私のことをサスライの剣士"), N_("と呼ぶ。風が俺を呼ぶぜ。｣")},
    Answer{27, kAny, N_("　「私が迷いの森を管理して二十年が経ちます。その間、い"), N_("ろんな人が迷いこんで来て出れずに飢死していきました。」")},
    Answer{28, kAny, N_("　「知ってました？私はカジノのオーナーもしています。と"), N_("ころでよくここまで勝ち抜きましたね。｣")},
    Answer{29, kAny, N_("　「私の故郷、嘆きの谷はドラゴン大陸有数の谷じゃ。行っ"), N_("たことがなかったら一度行ってみてみんしゃい。」")},
    Answer{30, kAny, N_("　「俺をただのズンダラだと思うなよ！偉大な博士によっ"), N_("て究極にパワーアップしたのだ。ははは。」")},
    Answer{31, kAny, N_("　「ドラゴン大陸に浮かぶ太陽は私だ！！私を倒してしまえ"), N_("ば永遠に昼間は来なくなるだろう。わははは。」")},
};
// clang-format on

const Answer* answerFor(int kind, int drawn) {
    for (const Answer& a : kAnswers) {
        if (a.kind == kind && (a.draw == kAny || a.draw == drawn)) return &a;
    }
    return nullptr;  // no kind outside the table is ever drawn
}

// The shop offers the gun or the lingerie, drawn again at every talk, and always the tear.
void openShop(Game& g, int drawn) {
    g.form.show(W::Panel12);
    g.form.hide(W::Panel9);
    prepareSellerReplies(g);  // the store's own words
    if (drawn == 0) {
        g.form.show(W::Button17);
        g.form.hide(W::Button18);
    } else {
        g.form.show(W::Button18);
        g.form.hide(W::Button17);
    }
}

enum class Good : std::uint8_t { Weapon, Armor, Tear };

struct Offer {
    Good good;
    int price;
};

constexpr Offer kWalther{Good::Weapon, 5000};
constexpr Offer kLingerie{Good::Armor, 5000};
constexpr Offer kTear{Good::Tear, 150};

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
        g.form.setCaption(W::Label32, g.text(&GameState::PendingLine3));
        g.form.setCaption(W::Label33, "");
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
    g.form.setCaption(W::Label32, g.text(&GameState::PendingLine2));
    g.form.setCaption(W::Label33, "");
    if (o.good == Good::Weapon) g.setText(&GameState::WeaponName, g.text(&GameState::MerchantItem1Name));
    if (o.good == Good::Armor) g.setText(&GameState::ArmorName, g.text(&GameState::MerchantItem2Name));
    showMoney(g);
    if (o.good == Good::Tear) g.form.show(W::Label68, W::Label69);
    g.form.hide(W::Panel12);
    g.form.show(W::Panel9);
    if (o.good == Good::Tear && s.TearCount >= kTearCap) g.form.hide(W::Button19);
}

}  // namespace

void Label48Click(Game& g) {
    GameState& s = g.state;
    g.form.setCaption(W::Label31, g.text(&GameState::EnemyName));
    s.TalkState = talk::kNothing;
    const int drawn = g.draw(kTalkDraw);
    const Answer* a = answerFor(s.EnemyKind, drawn);
    if (a == nullptr) return;
    if (a->opensShop) openShop(g, drawn);
    g.caption(W::Label32, a->line2);
    g.caption(W::Label33, a->line3);
    if (a->change) {
        s.EnemyDefense = a->change->defense;
        s.EnemyHp = a->change->hp;
        s.EnemyExp = a->change->exp;
    }
}

void Button17Click(Game& g) { buy(g, kWalther); }
void Button18Click(Game& g) { buy(g, kLingerie); }
void Button19Click(Game& g) { buy(g, kTear); }

void Button20Click(Game& g) {
    g.form.hide(W::Panel12);
    g.form.show(W::Panel9);
}

}  // namespace verminadia
