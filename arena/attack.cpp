// "攻撃": the hero's plain attack. One draw of 3 adds to the damage and picks the line that
// tells it, so the wildest line always comes with the hardest blow.

#include <array>
#include <string_view>

#include "arena/handlers.h"
#include "arena/texts.h"
#include "core/career.h"
#include "core/game.h"
#include "core/whole_numbers.h"

namespace verminadia {

namespace {

// Each line is a whole template naming the hero and the opponent.
using Draws = std::array<std::string_view, 3>;
constexpr int kWeapons = 7;  // the starting weapon, the store's five, the merchant's gun
using Arsenal = std::array<Draws, kWeapons>;

// The travelling merchant's gun. It came with no lines of its own, which left the previous
// line on the panel; these three are ours.
constexpr Draws kWaltherLines = {{
    N_("ワルサーP38で{EnemyName}を撃った。"),
    N_("{HeroName}はワルサーP38を乱射した。"),
    N_("ワルサーP38で{EnemyName}を撃ち抜いた。"),
}};

// clang-format off
// By HeroId, then WeaponId, then the draw.
constexpr std::array<Arsenal, 4> kAttackLines = {{
    {{  // トルバさん
        {{N_("{HeroName}は木の枝で{EnemyName}を突っついた。"), N_("{HeroName}は木の枝を振り回した。"), N_("{HeroName}は{EnemyName}に飛びかかった。")}},
        {{N_("{HeroName}はひのきの棒を{EnemyName}に投げ飛ばした。"), N_("{HeroName}はひのきの棒を振り回した。"), N_("{HeroName}は{EnemyName}に噛み付いた。")}},
        {{N_("{EnemyName}を困惑させた。"), N_("{HeroName}は困惑した。"), N_("{HeroName}は{EnemyName}に体当たりした。")}},
        {{N_("{EnemyName}を悲しませた。"), N_("{HeroName}は悲しくなった。"), N_("{HeroName}は悲しみの極限にたどりついた。")}},
        {{N_("悪夢のつるぎで{EnemyName}を斬り裂いた。"), N_("{HeroName}は悪夢にうなされた。"), N_("{HeroName}は{EnemyName}に飛びついた。")}},
        {{N_("無力のつるぎで{EnemyName}を斬り刻んだ。"), N_("{HeroName}は自分の力に無力さを感じた。"), N_("{HeroName}のあまりの力の無さに{EnemyName}は同情した。")}},
        kWaltherLines,
    }},
    {{  // 嘆きの老人
        {{N_("木の杖で{EnemyName}を突っついた。"), N_("{HeroName}は木の杖を振り回した。"), N_("{HeroName}は入れ歯{EnemyName}に投げた。")}},
        {{N_("嘆きの杖を{EnemyName}に投げ飛ばした。"), N_("{HeroName}は嘆いた。"), N_("{HeroName}は{EnemyName}に噛み付いた。")}},
        {{N_("{EnemyName}を女神にした。"), N_("{HeroName}は女神を呼んだ。"), N_("{HeroName}は女神になった。")}},
        {{N_("{EnemyName}を究極のムチで打った。"), N_("{HeroName}はムチを手にするとＳの気を感じた。"), N_("{HeroName}は究極にムチムチした。")}},
        {{N_("神を呼ぶ杖で{EnemyName}を叩いた。"), N_("{HeroName}は神を呼んだ。"), N_("{HeroName}は{EnemyName}を神に変えた。")}},
        {{N_("ドラゴンの杖で{EnemyName}を打った。"), N_("{HeroName}はドラゴンの杖を天にかざした。"), N_("ドラゴンの杖で炎を吹いた。")}},
        kWaltherLines,
    }},
    {{  // ミゼル先生
        {{N_("{HeroName}は鎌で{EnemyName}を斬った。"), N_("{HeroName}は鎌で草を刈った。"), N_("{EnemyName}に頭突きをくらわした。")}},
        {{N_("キコリの斧を{EnemyName}に投げ飛ばした。"), N_("{HeroName}はキコリの斧で木を切り倒した。"), N_("{EnemyName}に殴りかかった。")}},
        {{N_("{EnemyName}を夢心地にさせた。"), N_("{HeroName}は夢心地になった。"), N_("{HeroName}は{EnemyName}に体当たりした。")}},
        {{N_("{HeroName}は{EnemyName}を迷わした。"), N_("{HeroName}は迷ってしまった。"), N_("{HeroName}はすべての生物を迷わした。")}},
        {{N_("{EnemyName}を迷子にした。"), N_("{HeroName}は迷子になった。"), N_("{HeroName}は{EnemyName}を蹴り飛ばした。")}},
        {{N_("覇王神の斧で{EnemyName}を真っ二つにした。"), N_("{HeroName}は覇王神を呼んだ。"), N_("{EnemyName}の首を撥ねた。")}},
        kWaltherLines,
    }},
    {{  // サスライの剣士
        {{N_("銅のつるぎで{EnemyName}を斬り裂いた。"), N_("{HeroName}は銅のつるぎを振り回した。"), N_("{EnemyName}に目潰しをかました。")}},
        {{N_("銀のつるぎを{EnemyName}に投げ飛ばした。"), N_("{HeroName}は銀のつるぎを振り回した。"), N_("{EnemyName}を八つ裂きにした。")}},
        {{N_("金のつるぎで{EnemyName}をみじん切りにした。"), N_("{HeroName}は金のつるぎを天にかざした。"), N_("{EnemyName}を半殺しにした。")}},
        {{N_("{EnemyName}を破壊した。"), N_("{HeroName}は破壊した。"), N_("{HeroName}はすべての物を破壊した。")}},
        {{N_("{HeroName}は{EnemyName}を魔神にした。"), N_("{HeroName}は魔神と化した。"), N_("{EnemyName}を千切りにした。")}},
        {{N_("{EnemyName}の首を撥ねた。"), N_("{HeroName}は自分のことを覇王神だと思いこんでいる。"), N_("{EnemyName}は切断された。")}},
        kWaltherLines,
    }},
}};
// clang-format on

constexpr int kAttackDraw = 3;

const std::string_view* attackLine(const GameState& s, int drawn) {
    if (s.HeroId < 0 || s.HeroId >= static_cast<int>(kAttackLines.size())) return nullptr;
    if (s.WeaponId < 0 || s.WeaponId >= kWeapons) return nullptr;
    return &kAttackLines[static_cast<std::size_t>(s.HeroId)][static_cast<std::size_t>(s.WeaponId)]
                        [static_cast<std::size_t>(drawn)];
}

}  // namespace

void attack(Game& g) {
    GameState& s = g.state;
    g.form.hide(W::CommandPanel);
    s.TalkState = talk::kOpponentTurn;
    g.form.setWindowColor(kBlack);
    g.sound.play(Sfx::Sword);
    const int drawn = g.draw(kAttackDraw);
    s.LastAmount = clampedInt(std::int64_t{drawn} + s.Attack + s.WeaponAttack - s.EnemyDefense);
    if (s.LastAmount < 1) s.LastAmount = 0;
    g.caption(W::MessageLine1, N_("{HeroName}の攻撃！！"));
    if (const std::string_view* line = attackLine(s, drawn)) g.caption(W::MessageLine2, *line);
    subtractClamped(s.EnemyHp, s.LastAmount);
    g.form.setCaption(W::MessageLine3, g.text(kDamageDealt, g.state.LastAmount));
}

}  // namespace verminadia
