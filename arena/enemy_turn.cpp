// The click after the hero's action: the opponent answers, by its kind and a draw of 3, unless
// it is already down, in which case the same click declares the victory.

#include <array>
#include <optional>
#include <string>

#include "arena/outcome.h"
#include "arena/texts.h"
#include "core/career.h"
#include "core/game.h"
#include "core/town_bar_texts.h"

namespace verminadia {

namespace {

constexpr Rgb kSilver = 0xC0C0C0;
constexpr Rgb kNavy = 0x000080;

constexpr std::string_view kGlowsRed = "の体が赤く光り出した！";
constexpr std::string_view kGrowsHuge = "は巨大化した！";

constexpr std::array<std::string_view, 3> kBlows = {"バシッ！！", "ボコッ！！", "ベシッ！！"};

// One cell of the kinds' actions: the line that replaces the blow, and what else it does.
struct Action {
    int kind;
    int draw;
    Text line;
    std::optional<Rgb> color = std::nullopt;
    std::optional<int> damage = std::nullopt;  // fixed, whatever the hero's armour
    W stretch = W::Form1;                      // Form1: no picture grows
};

// Kinds 1, 6, 7, 9, 10, 11, 13 and 31 have no actions: only the blows are heard.
// clang-format off
constexpr std::array kActions = {
    Action{0, 1, {Enemy, "は鋭い眼光を飛ばした！"}},
    Action{0, 2, {Enemy, "は大声を上げた！"}},
    Action{2, 0, {Enemy, "は火を吹いた！！"}},
    Action{2, 1, {Enemy, kGlowsRed}, kRed},
    Action{2, 2, {Enemy, "は魔神のような顔をした！！"}},
    Action{3, 0, {Enemy, "はダンボールの中でカサカサしている！"}},
    Action{3, 1, {Enemy, "は羽根を広げて飛びついてきた！！！"}},
    Action{4, 0, {Enemy, "は関節技をかけてきた！"}},
    Action{4, 1, {Hero, "は投げ飛ばされた！"}},
    Action{5, 0, {Enemy, "は商売をしはじめた！"}},
    Action{5, 1, {Enemy, "は客寄せしている！！"}},
    Action{8, 0, {Enemy, "はコーヒーをかけてきた！"}},
    Action{8, 1, {Enemy, "は泣き出した！"}},
    Action{12, 0, {Enemy, "は拳銃で撃った！"}},
    Action{12, 1, {Enemy, "は手錠をかけてきた！！"}},
    Action{14, 0, {Enemy, "はゲロゲロ鳴いている！"}},
    Action{14, 1, {Enemy, kGrowsHuge}, std::nullopt, std::nullopt, W::Image27},
    Action{15, 0, {"「風力最大!!」"}},
    Action{15, 1, {"「扇風機パーンチ！」"}},
    Action{16, 0, {Enemy, "はカクテルを作り始めた！"}},
    Action{16, 1, {Enemy, "は照れている！"}},
    Action{17, 0, {Enemy, "はカエルの実験を始めた！"}},
    Action{17, 1, {Enemy, "は試験管を投げてきた！"}},
    Action{18, 0, {Enemy, "は兄のことを考えた！"}},
    Action{18, 1, {Enemy, "は龍の稲妻を落とした！"}, kSilver},
    Action{19, 0, {Enemy, "は酪農を始めた！"}},
    Action{19, 1, {Enemy, "は自由を主張している！"}},
    Action{20, 0, {Enemy, "はマガジーンを唱えた！"}, kRed, 10},
    Action{20, 1, {Enemy, "は神秘の杖を空高くかざした！"}},
    Action{21, 0, {Enemy, "は謎めいた！"}},
    Action{21, 1, {Enemy, "はナゾナゾーマを唱えた！"}, kNavy, 5},
    Action{22, 0, {Enemy, "は本気で怒った！！"}},
    Action{22, 1, {Enemy, "は泉のお経を唱え始めた！"}},
    Action{23, 0, {Enemy, "は遺跡になった！！"}},
    Action{23, 1, {Enemy, kGlowsRed}, kRed, 7},
    Action{24, 0, {Enemy, "はバラマキーの呪文を唱えた！"}, kWhite, 12},
    Action{24, 1, {Enemy, "はアンテナンダーの呪文を唱えた！"}, kRed},
    Action{24, 2, {Enemy, "は輝く光を放った。"}, kWhite, 5},
    Action{25, 0, {Enemy, "の凍てつく波動！！"}},
    Action{25, 1, {Enemy, "は強力な炎は吹いた！"}, kRed, 10},
    Action{25, 2, {Enemy, "は氷の吹雪を吐いた！"}},
    Action{26, 0, {Enemy, "は流離った！"}},
    Action{26, 1, {Enemy, "はドラゴンの剣で斬りかかった！"}, std::nullopt, 10},
    Action{27, 0, {Enemy, "は口笛を吹いた！！"}},
    Action{27, 1, {Enemy, "は大きく叫んだ！"}, std::nullopt, 10},
    Action{28, 0, {Enemy, "はトルバサンダーを唱えた！"}, kRed, 10},
    Action{28, 1, {Enemy, "は雄叫びを上げた！"}, kRed},
    Action{28, 2, {Enemy, "は暴れだした！！"}},
    Action{29, 0, {Enemy, "はマリリンサンダーを唱えた！"}},
    Action{29, 1, {Enemy, "は嘆いた！！！"}, std::nullopt, 10},
    Action{30, 0, {Enemy, "の目は狼のようだ！"}},
    Action{30, 1, {Enemy, kGrowsHuge}, std::nullopt, std::nullopt, W::Image29},
    Action{30, 2, {Enemy, "の体が赤く光だした！！！"}, kRed, 3},
};
// clang-format on

constexpr int kOpponentDraw = 3;

void opponentTurn(Game& g) {
    GameState& s = g.state;
    g.sound.play(Player::MediaPlayer17);
    g.form.show(W::Panel9);
    s.TalkState = talk::kNothing;
    const int drawn = g.draw(kOpponentDraw);
    s.LastAmount = 2 * s.EnemyPower + drawn - s.ArmorDefense - s.Defense / 4;
    if (s.LastAmount < 1) s.LastAmount = 0;
    g.form.setCaption(W::Label31, s.EnemyName + "の攻撃！");
    g.form.setCaption(W::Label32, std::string(kBlows[static_cast<std::size_t>(drawn)]));
    for (const Action& a : kActions) {
        if (a.kind != s.EnemyKind || a.draw != drawn) continue;
        g.form.setCaption(W::Label32, compose(s, a.line));
        if (a.color) g.form.setWindowColor(*a.color);
        if (a.damage) s.LastAmount = *a.damage;
        if (a.stretch != W::Form1) g.form.setStretch(a.stretch, true);
        break;
    }
    g.form.setCaption(W::Label33, s.HeroName + "は" + std::to_string(s.LastAmount) + "のダメージをうけた。");
    s.Hp -= s.LastAmount;
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
