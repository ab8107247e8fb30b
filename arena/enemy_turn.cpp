// The click after the hero's action: the opponent answers, by its kind and a draw of 3, unless
// it is already down, in which case the same click declares the victory.

#include <array>
#include <optional>
#include <string_view>

#include "arena/foe_kind.h"
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
    FoeKind kind;
    int draw;
    std::string_view line;
    std::optional<Rgb> color = std::nullopt;
    std::optional<int> damage = std::nullopt;  // fixed, whatever the hero's armour
    W stretch = W::Window;                     // W::Window: no picture grows
};

// Kinds 1, 6, 7, 9, 10, 11, 13 and 31 have no actions: only the blows are heard.
// clang-format off
constexpr std::array kActions = {
    Action{.kind = FoeKind::Ordinary, .draw = 1, .line = N_("{EnemyName}は鋭い眼光を飛ばした！")},
    Action{.kind = FoeKind::Ordinary, .draw = 2, .line = N_("{EnemyName}は大声を上げた！")},
    Action{.kind = FoeKind::Zundara, .draw = 0, .line = N_("{EnemyName}は火を吹いた！！")},
    Action{.kind = FoeKind::Zundara, .draw = 1, .line = N_("{EnemyName}の体が赤く光り出した！"), .color = kRed},
    Action{.kind = FoeKind::Zundara, .draw = 2, .line = N_("{EnemyName}は魔神のような顔をした！！")},
    Action{.kind = FoeKind::Cockroach, .draw = 0, .line = N_("{EnemyName}はダンボールの中でカサカサしている！")},
    Action{.kind = FoeKind::Cockroach, .draw = 1, .line = N_("{EnemyName}は羽根を広げて飛びついてきた！！！")},
    Action{.kind = FoeKind::Wrestler, .draw = 0, .line = N_("{EnemyName}は関節技をかけてきた！")},
    Action{.kind = FoeKind::Wrestler, .draw = 1, .line = N_("{HeroName}は投げ飛ばされた！")},
    Action{.kind = FoeKind::Merchant, .draw = 0, .line = N_("{EnemyName}は商売をしはじめた！")},
    Action{.kind = FoeKind::Merchant, .draw = 1, .line = N_("{EnemyName}は客寄せしている！！")},
    Action{.kind = FoeKind::Chippo, .draw = 0, .line = N_("{EnemyName}はコーヒーをかけてきた！")},
    Action{.kind = FoeKind::Chippo, .draw = 1, .line = N_("{EnemyName}は泣き出した！")},
    Action{.kind = FoeKind::Policeman, .draw = 0, .line = N_("{EnemyName}は拳銃で撃った！")},
    Action{.kind = FoeKind::Policeman, .draw = 1, .line = N_("{EnemyName}は手錠をかけてきた！！")},
    Action{.kind = FoeKind::Frog, .draw = 0, .line = N_("{EnemyName}はゲロゲロ鳴いている！")},
    Action{.kind = FoeKind::Frog, .draw = 1, .line = N_("{EnemyName}は巨大化した！"), .stretch = W::FrogPicture},
    Action{.kind = FoeKind::FanMan, .draw = 0, .line = N_("「風力最大!!」")},
    Action{.kind = FoeKind::FanMan, .draw = 1, .line = N_("「扇風機パーンチ！」")},
    Action{.kind = FoeKind::Bartender, .draw = 0, .line = N_("{EnemyName}はカクテルを作り始めた！")},
    Action{.kind = FoeKind::Bartender, .draw = 1, .line = N_("{EnemyName}は照れている！")},
    Action{.kind = FoeKind::Doctor, .draw = 0, .line = N_("{EnemyName}はカエルの実験を始めた！")},
    Action{.kind = FoeKind::Doctor, .draw = 1, .line = N_("{EnemyName}は試験管を投げてきた！")},
    Action{.kind = FoeKind::DragonGodsBrother, .draw = 0, .line = N_("{EnemyName}は兄のことを考えた！")},
    Action{.kind = FoeKind::DragonGodsBrother, .draw = 1, .line = N_("{EnemyName}は龍の稲妻を落とした！"), .color = kSilver},
    Action{.kind = FoeKind::Dairyman, .draw = 0, .line = N_("{EnemyName}は酪農を始めた！")},
    Action{.kind = FoeKind::Dairyman, .draw = 1, .line = N_("{EnemyName}は自由を主張している！")},
    Action{.kind = FoeKind::Sorcerer, .draw = 0, .line = N_("{EnemyName}はマガジーンを唱えた！"), .color = kRed, .damage = 10},
    Action{.kind = FoeKind::Sorcerer, .draw = 1, .line = N_("{EnemyName}は神秘の杖を空高くかざした！")},
    Action{.kind = FoeKind::Riddler, .draw = 0, .line = N_("{EnemyName}は謎めいた！")},
    Action{.kind = FoeKind::Riddler, .draw = 1, .line = N_("{EnemyName}はナゾナゾーマを唱えた！"), .color = kNavy, .damage = 5},
    Action{.kind = FoeKind::Hermit, .draw = 0, .line = N_("{EnemyName}は本気で怒った！！")},
    Action{.kind = FoeKind::Hermit, .draw = 1, .line = N_("{EnemyName}は泉のお経を唱え始めた！")},
    Action{.kind = FoeKind::RuinGod, .draw = 0, .line = N_("{EnemyName}は遺跡になった！！")},
    Action{.kind = FoeKind::RuinGod, .draw = 1, .line = N_("{EnemyName}の体が赤く光り出した！"), .color = kRed, .damage = 7},
    Action{.kind = FoeKind::KingOfLight, .draw = 0, .line = N_("{EnemyName}はバラマキーの呪文を唱えた！"), .color = kWhite, .damage = 12},
    Action{.kind = FoeKind::KingOfLight, .draw = 1, .line = N_("{EnemyName}はアンテナンダーの呪文を唱えた！"), .color = kRed},
    Action{.kind = FoeKind::KingOfLight, .draw = 2, .line = N_("{EnemyName}は輝く光を放った。"), .color = kWhite, .damage = 5},
    Action{.kind = FoeKind::DemonKing, .draw = 0, .line = N_("{EnemyName}の凍てつく波動！！")},
    Action{.kind = FoeKind::DemonKing, .draw = 1, .line = N_("{EnemyName}は強力な炎は吹いた！"), .color = kRed, .damage = 10},
    Action{.kind = FoeKind::DemonKing, .draw = 2, .line = N_("{EnemyName}は氷の吹雪を吐いた！")},
    Action{.kind = FoeKind::Swordsman, .draw = 0, .line = N_("{EnemyName}は流離った！")},
    Action{.kind = FoeKind::Swordsman, .draw = 1, .line = N_("{EnemyName}はドラゴンの剣で斬りかかった！"), .damage = 10},
    Action{.kind = FoeKind::Mizel, .draw = 0, .line = N_("{EnemyName}は口笛を吹いた！！")},
    Action{.kind = FoeKind::Mizel, .draw = 1, .line = N_("{EnemyName}は大きく叫んだ！"), .damage = 10},
    Action{.kind = FoeKind::Toruba, .draw = 0, .line = N_("{EnemyName}はトルバサンダーを唱えた！"), .color = kRed, .damage = 10},
    Action{.kind = FoeKind::Toruba, .draw = 1, .line = N_("{EnemyName}は雄叫びを上げた！"), .color = kRed},
    Action{.kind = FoeKind::Toruba, .draw = 2, .line = N_("{EnemyName}は暴れだした！！")},
    Action{.kind = FoeKind::OldMoaner, .draw = 0, .line = N_("{EnemyName}はマリリンサンダーを唱えた！")},
    Action{.kind = FoeKind::OldMoaner, .draw = 1, .line = N_("{EnemyName}は嘆いた！！！"), .damage = 10},
    Action{.kind = FoeKind::ZundaraDeluxe, .draw = 0, .line = N_("{EnemyName}の目は狼のようだ！")},
    Action{.kind = FoeKind::ZundaraDeluxe, .draw = 1, .line = N_("{EnemyName}は巨大化した！"), .stretch = W::ZundaraDeluxePicture},
    Action{.kind = FoeKind::ZundaraDeluxe, .draw = 2, .line = N_("{EnemyName}の体が赤く光だした！！！"), .color = kRed, .damage = 3},
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
        if (a.kind != static_cast<FoeKind>(s.EnemyKind) || a.draw != drawn) continue;
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
