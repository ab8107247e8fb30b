// The click after the hero's action: the opponent answers, by its kind and a draw of 3, unless
// it is already down, in which case the same click declares the victory.

#include <array>
#include <optional>
#include <string_view>

#include "arena/outcome.h"
#include "arena/texts.h"
#include "core/career.h"
#include "core/game.h"
#include "core/text/town_bar.h"
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
    W stretch = W::Window;                     // W::Window: no picture grows
};

// Kinds 1, 6, 7, 9, 10, 11, 13 and 31 have no actions: only the blows are heard.
// clang-format off
constexpr std::array kActions = {
    Action{.kind = 0, .draw = 1, .line = N_("{EnemyName}は鋭い眼光を飛ばした！")},
    Action{.kind = 0, .draw = 2, .line = N_("{EnemyName}は大声を上げた！")},
    Action{.kind = 2, .draw = 0, .line = N_("{EnemyName}は火を吹いた！！")},
    Action{.kind = 2, .draw = 1, .line = N_("{EnemyName}の体が赤く光り出した！"), .color = kRed},
    Action{.kind = 2, .draw = 2, .line = N_("{EnemyName}は魔神のような顔をした！！")},
    Action{.kind = 3, .draw = 0, .line = N_("{EnemyName}はダンボールの中でカサカサしている！")},
    Action{.kind = 3, .draw = 1, .line = N_("{EnemyName}は羽根を広げて飛びついてきた！！！")},
    Action{.kind = 4, .draw = 0, .line = N_("{EnemyName}は関節技をかけてきた！")},
    Action{.kind = 4, .draw = 1, .line = N_("{HeroName}は投げ飛ばされた！")},
    Action{.kind = 5, .draw = 0, .line = N_("{EnemyName}は商売をしはじめた！")},
    Action{.kind = 5, .draw = 1, .line = N_("{EnemyName}は客寄せしている！！")},
    Action{.kind = 8, .draw = 0, .line = N_("{EnemyName}はコーヒーをかけてきた！")},
    Action{.kind = 8, .draw = 1, .line = N_("{EnemyName}は泣き出した！")},
    Action{.kind = 12, .draw = 0, .line = N_("{EnemyName}は拳銃で撃った！")},
    Action{.kind = 12, .draw = 1, .line = N_("{EnemyName}は手錠をかけてきた！！")},
    Action{.kind = 14, .draw = 0, .line = N_("{EnemyName}はゲロゲロ鳴いている！")},
    Action{.kind = 14, .draw = 1, .line = N_("{EnemyName}は巨大化した！"), .stretch = W::FrogPicture},
    Action{.kind = 15, .draw = 0, .line = N_("「風力最大!!」")},
    Action{.kind = 15, .draw = 1, .line = N_("「扇風機パーンチ！」")},
    Action{.kind = 16, .draw = 0, .line = N_("{EnemyName}はカクテルを作り始めた！")},
    Action{.kind = 16, .draw = 1, .line = N_("{EnemyName}は照れている！")},
    Action{.kind = 17, .draw = 0, .line = N_("{EnemyName}はカエルの実験を始めた！")},
    Action{.kind = 17, .draw = 1, .line = N_("{EnemyName}は試験管を投げてきた！")},
    Action{.kind = 18, .draw = 0, .line = N_("{EnemyName}は兄のことを考えた！")},
    Action{.kind = 18, .draw = 1, .line = N_("{EnemyName}は龍の稲妻を落とした！"), .color = kSilver},
    Action{.kind = 19, .draw = 0, .line = N_("{EnemyName}は酪農を始めた！")},
    Action{.kind = 19, .draw = 1, .line = N_("{EnemyName}は自由を主張している！")},
    Action{.kind = 20, .draw = 0, .line = N_("{EnemyName}はマガジーンを唱えた！"), .color = kRed, .damage = 10},
    Action{.kind = 20, .draw = 1, .line = N_("{EnemyName}は神秘の杖を空高くかざした！")},
    Action{.kind = 21, .draw = 0, .line = N_("{EnemyName}は謎めいた！")},
    Action{.kind = 21, .draw = 1, .line = N_("{EnemyName}はナゾナゾーマを唱えた！"), .color = kNavy, .damage = 5},
    Action{.kind = 22, .draw = 0, .line = N_("{EnemyName}は本気で怒った！！")},
    Action{.kind = 22, .draw = 1, .line = N_("{EnemyName}は泉のお経を唱え始めた！")},
    Action{.kind = 23, .draw = 0, .line = N_("{EnemyName}は遺跡になった！！")},
    Action{.kind = 23, .draw = 1, .line = N_("{EnemyName}の体が赤く光り出した！"), .color = kRed, .damage = 7},
    Action{.kind = 24, .draw = 0, .line = N_("{EnemyName}はバラマキーの呪文を唱えた！"), .color = kWhite, .damage = 12},
    Action{.kind = 24, .draw = 1, .line = N_("{EnemyName}はアンテナンダーの呪文を唱えた！"), .color = kRed},
    Action{.kind = 24, .draw = 2, .line = N_("{EnemyName}は輝く光を放った。"), .color = kWhite, .damage = 5},
    Action{.kind = 25, .draw = 0, .line = N_("{EnemyName}の凍てつく波動！！")},
    Action{.kind = 25, .draw = 1, .line = N_("{EnemyName}は強力な炎は吹いた！"), .color = kRed, .damage = 10},
    Action{.kind = 25, .draw = 2, .line = N_("{EnemyName}は氷の吹雪を吐いた！")},
    Action{.kind = 26, .draw = 0, .line = N_("{EnemyName}は流離った！")},
    Action{.kind = 26, .draw = 1, .line = N_("{EnemyName}はドラゴンの剣で斬りかかった！"), .damage = 10},
    Action{.kind = 27, .draw = 0, .line = N_("{EnemyName}は口笛を吹いた！！")},
    Action{.kind = 27, .draw = 1, .line = N_("{EnemyName}は大きく叫んだ！"), .damage = 10},
    Action{.kind = 28, .draw = 0, .line = N_("{EnemyName}はトルバサンダーを唱えた！"), .color = kRed, .damage = 10},
    Action{.kind = 28, .draw = 1, .line = N_("{EnemyName}は雄叫びを上げた！"), .color = kRed},
    Action{.kind = 28, .draw = 2, .line = N_("{EnemyName}は暴れだした！！")},
    Action{.kind = 29, .draw = 0, .line = N_("{EnemyName}はマリリンサンダーを唱えた！")},
    Action{.kind = 29, .draw = 1, .line = N_("{EnemyName}は嘆いた！！！"), .damage = 10},
    Action{.kind = 30, .draw = 0, .line = N_("{EnemyName}の目は狼のようだ！")},
    Action{.kind = 30, .draw = 1, .line = N_("{EnemyName}は巨大化した！"), .stretch = W::ZundaraDeluxePicture},
    Action{.kind = 30, .draw = 2, .line = N_("{EnemyName}の体が赤く光だした！！！"), .color = kRed, .damage = 3},
};
// clang-format on

constexpr int kOpponentDraw = 3;

void opponentTurn(Game& g) {
    GameState& s = g.state;
    g.sound.play(Sfx::Cry);
    g.form.show(W::CommandPanel);
    s.TalkState = talk::kNothing;
    const int drawn = g.draw(kOpponentDraw);
    s.LastAmount = clampedInt(2 * std::int64_t{s.EnemyPower} + drawn - s.ArmorDefense - s.Defense / 4);
    if (s.LastAmount < 1) s.LastAmount = 0;
    g.caption(W::MessageLine1, N_("{EnemyName}の攻撃！"));
    g.caption(W::MessageLine2, kBlows[static_cast<std::size_t>(drawn)]);
    for (const Action& a : kActions) {
        if (a.kind != s.EnemyKind || a.draw != drawn) continue;
        g.caption(W::MessageLine2, a.line);
        if (a.color) g.form.setWindowColor(*a.color);
        if (a.damage) s.LastAmount = *a.damage;
        if (a.stretch != W::Window) g.form.setStretch(a.stretch, true);
        break;
    }
    g.form.setCaption(W::MessageLine3, g.text(NP_("{HeroName}は{LastAmount}のダメージをうけた。"), s.LastAmount));
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
