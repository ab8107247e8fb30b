// "攻撃": the hero's plain attack. One draw of 3 adds to the damage and picks the line that
// tells it, so the wildest line always comes with the hardest blow.

#include <array>
#include <string>

#include "arena/texts.h"
#include "core/career.h"
#include "core/game.h"
#include "arena/handlers.h"

namespace verminadia {

namespace {

constexpr std::string_view kWa = "は";
constexpr std::string_view kPoke = "を突っついた。";
constexpr std::string_view kThrow = "に投げ飛ばした。";
constexpr std::string_view kBite = "に噛み付いた。";
constexpr std::string_view kTackle = "に体当たりした。";
constexpr std::string_view kSlash = "を斬り裂いた。";
constexpr std::string_view kBeheaded = "の首を撥ねた。";
// The travelling merchant's gun. It came with no lines of its own, which left the previous
// line on the panel; these three are ours.
constexpr std::string_view kWalther = "ワルサーP38";

using Draws = std::array<Text, 3>;
constexpr int kWeapons = 7;  // the starting weapon, the store's five, the merchant's gun
using Arsenal = std::array<Draws, kWeapons>;

constexpr Draws kWaltherLines = {{
    {kWalther, "で", Enemy, "を撃った。"},
    {Hero, kWa, kWalther, "を乱射した。"},
    {kWalther, "で", Enemy, "を撃ち抜いた。"},
}};

// clang-format off
// By HeroId, then WeaponId, then the draw.
constexpr std::array<Arsenal, 4> kAttackLines = {{
    {{  // トルバさん
        {{{Hero, "は木の枝で", Enemy, kPoke}, {Hero, "は木の枝を振り回した。"}, {Hero, kWa, Enemy, "に飛びかかった。"}}},
        {{{Hero, "はひのきの棒を", Enemy, kThrow}, {Hero, "はひのきの棒を振り回した。"}, {Hero, kWa, Enemy, kBite}}},
        {{{Enemy, "を困惑させた。"}, {Hero, "は困惑した。"}, {Hero, kWa, Enemy, kTackle}}},
        {{{Enemy, "を悲しませた。"}, {Hero, "は悲しくなった。"}, {Hero, "は悲しみの極限にたどりついた。"}}},
        {{{"悪夢のつるぎで", Enemy, kSlash}, {Hero, "は悪夢にうなされた。"}, {Hero, kWa, Enemy, "に飛びついた。"}}},
        {{{"無力のつるぎで", Enemy, "を斬り刻んだ。"}, {Hero, "は自分の力に無力さを感じた。"}, {Hero, "のあまりの力の無さに", Enemy, "は同情した。"}}},
        kWaltherLines,
    }},
    {{  // 嘆きの老人
        {{{"木の杖で", Enemy, kPoke}, {Hero, "は木の杖を振り回した。"}, {Hero, "は入れ歯", Enemy, "に投げた。"}}},
        {{{"嘆きの杖を", Enemy, kThrow}, {Hero, "は嘆いた。"}, {Hero, kWa, Enemy, kBite}}},
        {{{Enemy, "を女神にした。"}, {Hero, "は女神を呼んだ。"}, {Hero, "は女神になった。"}}},
        {{{Enemy, "を究極のムチで打った。"}, {Hero, "はムチを手にするとＳの気を感じた。"}, {Hero, "は究極にムチムチした。"}}},
        {{{"神を呼ぶ杖で", Enemy, "を叩いた。"}, {Hero, "は神を呼んだ。"}, {Hero, kWa, Enemy, "を神に変えた。"}}},
        {{{"ドラゴンの杖で", Enemy, "を打った。"}, {Hero, "はドラゴンの杖を天にかざした。"}, {"ドラゴンの杖で炎を吹いた。"}}},
        kWaltherLines,
    }},
    {{  // ミゼル先生
        {{{Hero, "は鎌で", Enemy, "を斬った。"}, {Hero, "は鎌で草を刈った。"}, {Enemy, "に頭突きをくらわした。"}}},
        {{{"キコリの斧を", Enemy, kThrow}, {Hero, "はキコリの斧で木を切り倒した。"}, {Enemy, "に殴りかかった。"}}},
        {{{Enemy, "を夢心地にさせた。"}, {Hero, "は夢心地になった。"}, {Hero, kWa, Enemy, kTackle}}},
        {{{Hero, kWa, Enemy, "を迷わした。"}, {Hero, "は迷ってしまった。"}, {Hero, "はすべての生物を迷わした。"}}},
        {{{Enemy, "を迷子にした。"}, {Hero, "は迷子になった。"}, {Hero, kWa, Enemy, "を蹴り飛ばした。"}}},
        {{{"覇王神の斧で", Enemy, "を真っ二つにした。"}, {Hero, "は覇王神を呼んだ。"}, {Enemy, kBeheaded}}},
        kWaltherLines,
    }},
    {{  // サスライの剣士
        {{{"銅のつるぎで", Enemy, kSlash}, {Hero, "は銅のつるぎを振り回した。"}, {Enemy, "に目潰しをかました。"}}},
        {{{"銀のつるぎを", Enemy, kThrow}, {Hero, "は銀のつるぎを振り回した。"}, {Enemy, "を八つ裂きにした。"}}},
        {{{"金のつるぎで", Enemy, "をみじん切りにした。"}, {Hero, "は金のつるぎを天にかざした。"}, {Enemy, "を半殺しにした。"}}},
        {{{Enemy, "を破壊した。"}, {Hero, "は破壊した。"}, {Hero, "はすべての物を破壊した。"}}},
        {{{Hero, kWa, Enemy, "を魔神にした。"}, {Hero, "は魔神と化した。"}, {Enemy, "を千切りにした。"}}},
        {{{Enemy, kBeheaded}, {Hero, "は自分のことを覇王神だと思いこんでいる。"}, {Enemy, "は切断された。"}}},
        kWaltherLines,
    }},
}};
// clang-format on

constexpr int kAttackDraw = 3;

const Text* attackLine(const GameState& s, int drawn) {
    if (s.HeroId < 0 || s.HeroId >= static_cast<int>(kAttackLines.size())) return nullptr;
    if (s.WeaponId < 0 || s.WeaponId >= kWeapons) return nullptr;
    return &kAttackLines[static_cast<std::size_t>(s.HeroId)][static_cast<std::size_t>(s.WeaponId)]
                        [static_cast<std::size_t>(drawn)];
}

}  // namespace

void Label45Click(Game& g) {
    GameState& s = g.state;
    g.form.hide(W::Panel9);
    s.TalkState = talk::kOpponentTurn;
    g.form.setWindowColor(kBlack);
    g.sound.play(Player::MediaPlayer15);
    const int drawn = g.draw(kAttackDraw);
    s.LastAmount = drawn + s.Attack + s.WeaponAttack - s.EnemyDefense;
    if (s.LastAmount < 1) s.LastAmount = 0;
    g.form.setCaption(W::Label31, s.HeroName + "の攻撃！！");
    if (const Text* line = attackLine(s, drawn)) g.form.setCaption(W::Label32, compose(s, *line));
    s.EnemyHp -= s.LastAmount;
    g.form.setCaption(W::Label33, damageDealtLine(s));
}

}  // namespace verminadia
