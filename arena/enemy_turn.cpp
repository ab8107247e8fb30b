// The click after the hero's action: the opponent answers, by its kind and a draw of 3, unless
// it is already down, in which case the same click declares the victory.

#include <array>
#include <optional>
#include <string_view>

#include "arena/outcome.h"
#include "arena/texts.h"
#include "core/career.h"
#include "core/game.h"
#include "core/town_bar_texts.h"
#include "core/whole_numbers.h"

namespace verminadia {

namespace {

constexpr Rgb kSilver = 0xC0C0C0;
constexpr Rgb kNavy = 0x000080;

constexpr std::array<std::string_view, 3> kBlows = {N_("バシッ！！"), N_("ボコッ！！"), N_("ベシッ！！")};

// One cell of the kinds' actions: the line that replaces the blow, and what else it does.
struct Action {
    int kind;
    int draw;
    std::string_view line;
    std::optional<Rgb> color = std::nullopt;
    std::optional<int> damage = std::nullopt;  // fixed, whatever the hero's armour
    W stretch = W::Form1;                      // Form1: no picture grows
};

// Kinds 1, 6, 7, 9, 10, 11, 13 and 31 have no actions: only the blows are heard.
// clang-format off
constexpr std::array kActions = {
    Action{0, 1, N_("{EnemyName}は鋭い眼光を飛ばした！")},
    Action{0, 2, N_("{EnemyName}は大声を上げた！")},
    Action{2, 0, N_("{EnemyName}は火を吹いた！！")},
    Action{2, 1, N_("{EnemyName}の体が赤く光り出した！"), kRed},
    Action{2, 2, N_("{EnemyName}は魔神のような顔をした！！")},
    Action{3, 0, N_("{EnemyName}はダンボールの中でカサカサしている！")},
    Action{3, 1, N_("{EnemyName}は羽根を広げて飛びついてきた！！！")},
    Action{4, 0, N_("{EnemyName}は関節技をかけてきた！")},
    Action{4, 1, N_("{HeroName}は投げ飛ばされた！")},
    Action{5, 0, N_("{EnemyName}は商売をしはじめた！")},
    Action{5, 1, N_("{EnemyName}は客寄せしている！！")},
    Action{8, 0, N_("{EnemyName}はコーヒーをかけてきた！")},
    Action{8, 1, N_("{EnemyName}は泣き出した！")},
    Action{12, 0, N_("{EnemyName}は拳銃で撃った！")},
    Action{12, 1, N_("{EnemyName}は手錠をかけてきた！！")},
    Action{14, 0, N_("{EnemyName}はゲロゲロ鳴いている！")},
    Action{14, 1, N_("{EnemyName}は巨大化した！"), std::nullopt, std::nullopt, W::Image27},
    Action{15, 0, N_("「風力最大!!」")},
    Action{15, 1, N_("「扇風機パーンチ！」")},
    Action{16, 0, N_("{EnemyName}はカクテルを作り始めた！")},
    Action{16, 1, N_("{EnemyName}は照れている！")},
    Action{17, 0, N_("{EnemyName}はカエルの実験を始めた！")},
    Action{17, 1, N_("{EnemyName}は試験管を投げてきた！")},
    Action{18, 0, N_("{EnemyName}は兄のことを考えた！")},
    Action{18, 1, N_("{EnemyName}は龍の稲妻を落とした！"), kSilver},
    Action{19, 0, N_("{EnemyName}は酪農を始めた！")},
    Action{19, 1, N_("{EnemyName}は自由を主張している！")},
    Action{20, 0, N_("{EnemyName}はマガジーンを唱えた！"), kRed, 10},
    Action{20, 1, N_("{EnemyName}は神秘の杖を空高くかざした！")},
    Action{21, 0, N_("{EnemyName}は謎めいた！")},
    Action{21, 1, N_("{EnemyName}はナゾナゾーマを唱えた！"), kNavy, 5},
    Action{22, 0, N_("{EnemyName}は本気で怒った！！")},
    Action{22, 1, N_("{EnemyName}は泉のお経を唱え始めた！")},
    Action{23, 0, N_("{EnemyName}は遺跡になった！！")},
    Action{23, 1, N_("{EnemyName}の体が赤く光り出した！"), kRed, 7},
    Action{24, 0, N_("{EnemyName}はバラマキーの呪文を唱えた！"), kWhite, 12},
    Action{24, 1, N_("{EnemyName}はアンテナンダーの呪文を唱えた！"), kRed},
    Action{24, 2, N_("{EnemyName}は輝く光を放った。"), kWhite, 5},
    Action{25, 0, N_("{EnemyName}の凍てつく波動！！")},
    Action{25, 1, N_("{EnemyName}は強力な炎は吹いた！"), kRed, 10},
    Action{25, 2, N_("{EnemyName}は氷の吹雪を吐いた！")},
    Action{26, 0, N_("{EnemyName}は流離った！")},
    Action{26, 1, N_("{EnemyName}はドラゴンの剣で斬りかかった！"), std::nullopt, 10},
    Action{27, 0, N_("{EnemyName}は口笛を吹いた！！")},
    Action{27, 1, N_("{EnemyName}は大きく叫んだ！"), std::nullopt, 10},
    Action{28, 0, N_("{EnemyName}はトルバサンダーを唱えた！"), kRed, 10},
    Action{28, 1, N_("{EnemyName}は雄叫びを上げた！"), kRed},
    Action{28, 2, N_("{EnemyName}は暴れだした！！")},
    Action{29, 0, N_("{EnemyName}はマリリンサンダーを唱えた！")},
    Action{29, 1, N_("{EnemyName}は嘆いた！！！"), std::nullopt, 10},
    Action{30, 0, N_("{EnemyName}の目は狼のようだ！")},
    Action{30, 1, N_("{EnemyName}は巨大化した！"), std::nullopt, std::nullopt, W::Image29},
    Action{30, 2, N_("{EnemyName}の体が赤く光だした！！！"), kRed, 3},
};
// clang-format on

constexpr int kOpponentDraw = 3;

void opponentTurn(Game& g) {
    GameState& s = g.state;
    g.sound.play(Player::MediaPlayer17);
    g.form.show(W::Panel9);
    s.TalkState = talk::kNothing;
    const int drawn = g.draw(kOpponentDraw);
    s.LastAmount = clampedInt(2 * std::int64_t{s.EnemyPower} + drawn - s.ArmorDefense - s.Defense / 4);
    if (s.LastAmount < 1) s.LastAmount = 0;
    g.caption(W::Label31, N_("{EnemyName}の攻撃！"));
    g.caption(W::Label32, kBlows[static_cast<std::size_t>(drawn)]);
    for (const Action& a : kActions) {
        if (a.kind != s.EnemyKind || a.draw != drawn) continue;
        g.caption(W::Label32, a.line);
        if (a.color) g.form.setWindowColor(*a.color);
        if (a.damage) s.LastAmount = *a.damage;
        if (a.stretch != W::Form1) g.form.setStretch(a.stretch, true);
        break;
    }
    g.caption(W::Label33, N_("{HeroName}は{LastAmount}のダメージをうけた。"));
    subtractClamped(s.Hp, s.LastAmount);
    showHp(g);
    if (s.Hp < 1) defeat(g);
}

}  // namespace

void opponentTurnOrVictoryStep(Game& g) {
    g.form.setWindowColor(kBlack);
    if (g.state.EnemyHp > 0) opponentTurn(g);
    if (g.state.EnemyHp < 1) victory(g);
}

}  // namespace verminadia
