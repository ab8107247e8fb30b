// "特技": four skills, the same for every hero but for their names and sounds. A skill's blow
// ignores the opponent's defence, which is what makes the walls of defence 100 beatable.

#include "arena/skills.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "arena/handlers.h"
#include "arena/texts.h"
#include "core/career.h"
#include "core/game.h"
#include "core/text/town_bar.h"
#include "core/whole_numbers.h"

namespace verminadia {

namespace {

constexpr std::string_view kShortOfMp = N_("MPが足りない！！");

enum class Effect : std::uint8_t { Damage, Heal };

struct Skill {
    W entry;
    Text GameState::*name;
    int cost;
    Effect effect;
    int base;
    int draw;                      // the amount is base + a draw of this
    bool whiteWindow = false;      // until the next click on the message panel
    std::array<Player, 4> sounds;  // by HeroId
};

// clang-format off
constexpr std::array kSkills = {
    Skill{.entry = W::Skill1Entry, .name = &GameState::Skill1Name, .cost = kSkillCosts[0], .effect = Effect::Damage, .base = 20, .draw = 4,
          .sounds = {Sfx::Nnriro, Sfx::MuromachiBakufa, Sfx::Isono, Sfx::Nnn}},
    Skill{.entry = W::Skill2Entry, .name = &GameState::Skill2Name, .cost = kSkillCosts[1], .effect = Effect::Heal, .base = 30, .draw = 4,
          .sounds = {Sfx::Chime, Sfx::Chime, Sfx::Chime, Sfx::Chime}},
    Skill{.entry = W::Skill3Entry, .name = &GameState::Skill3Name, .cost = kSkillCosts[2], .effect = Effect::Damage, .base = 25, .draw = 15, .whiteWindow = true,
          .sounds = {Sfx::TorubaThunder, Sfx::Nnriro, Sfx::Nnriro, Sfx::Nnn}},
    Skill{.entry = W::Skill4Entry, .name = &GameState::Skill4Name, .cost = kSkillCosts[3], .effect = Effect::Damage, .base = 45, .draw = 50,
          .sounds = {Sfx::Nnriro, Sfx::Nnriro, Sfx::Nnriro, Sfx::Nnn}},
};
// clang-format on

void useSkill(Game& g, const Skill& k) {
    GameState& s = g.state;
    g.form.hide(W::SkillPanel);
    g.form.show(W::MessagePanel);
    // Short of MP: nothing is spent and the turn is not used; lines 2 and 3 stay as they were.
    if (s.Mp < k.cost) {
        g.caption(W::MessageLine1, kShortOfMp);
        g.form.show(W::CommandPanel);
        return;
    }
    if (s.HeroId >= 0 && s.HeroId < static_cast<int>(k.sounds.size())) {
        g.sound.play(k.sounds[static_cast<std::size_t>(s.HeroId)]);
    }
    if (k.whiteWindow) g.form.setWindowColor(kWhite);
    const int drawn = g.draw(k.draw);
    s.TalkState = talk::kOpponentTurn;
    s.LastAmount = clampedInt(std::int64_t{k.base} + drawn);
    if (k.effect == Effect::Damage) {
        // No floor: the next click on the panel sees a zero or negative and declares the victory.
        subtractClamped(s.EnemyHp, s.LastAmount);
        subtractClamped(s.Mp, k.cost);
    } else {
        subtractClamped(s.Mp, k.cost);
        healUpToMax(s, s.LastAmount);
    }
    g.form.setCaption(W::MessageLine1, g.state.HeroName);
    g.form.setCaption(W::MessageLine2, Text(N_("　「{skill}！！」")).with("skill", g.state.*k.name));
    const CountedText line = k.effect == Effect::Damage ? kDamageDealt : NP_("{HeroName}はHPが{LastAmount}回復した。");
    g.form.setCaption(W::MessageLine3, g.text(line, s.LastAmount));
    showMp(g);
    if (k.effect == Effect::Heal) showHp(g);
}

}  // namespace

void openInPlaceOfMessages(Game& g, W panel) {
    g.form.hide(W::CommandPanel);
    g.form.show(panel);
    g.form.hide(W::MessagePanel);
}

void backToCommands(Game& g, W panel) {
    g.form.hide(panel);
    g.form.show(W::CommandPanel, W::MessagePanel);
}

void healUpToMax(GameState& s, int amount) {
    if (std::int64_t{s.Hp} + amount > s.MaxHp) s.Hp = s.MaxHp;
    if (std::int64_t{s.Hp} + amount <= s.MaxHp) s.Hp += amount;
}

// The entries are written afresh on every opening; which of them show is the level-ups' doing.
void openSkills(Game& g) {
    for (const Skill& k : kSkills) g.form.setCaption(k.entry, skillCaption(g.state.*k.name, k.cost));
    openInPlaceOfMessages(g, W::SkillPanel);
}

void closeSkills(Game& g) { backToCommands(g, W::SkillPanel); }

void useSkill1(Game& g) { useSkill(g, kSkills[0]); }
void useSkill2(Game& g) { useSkill(g, kSkills[1]); }
void useSkill3(Game& g) { useSkill(g, kSkills[2]); }
void useSkill4(Game& g) { useSkill(g, kSkills[3]); }

}  // namespace verminadia
