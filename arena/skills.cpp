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
#include "core/town_bar_texts.h"
#include "core/whole_numbers.h"

namespace verminadia {

namespace {

constexpr std::string_view kShortOfMp = N_("MPが足りない！！");

enum class Effect : std::uint8_t { Damage, Heal };

struct Skill {
    W entry;
    std::string GameState::*name;
    std::string_view caption;  // on the entry, as on the status screen: the name and the cost
    int cost;
    Effect effect;
    int base;
    int draw;                      // the amount is base + a draw of this
    bool whiteWindow;              // until the next click on the message panel
    std::array<Player, 4> sounds;  // by HeroId
};

using P = Player;
// clang-format off
constexpr std::array kSkills = {
    Skill{W::Label61, &GameState::Skill1Name, N_("{Skill1Name}(MP3)"), 3, Effect::Damage, 20, 4, false,
          {P::MediaPlayer22, P::MediaPlayer19, P::MediaPlayer20, P::MediaPlayer21}},
    Skill{W::Label62, &GameState::Skill2Name, N_("{Skill2Name}(MP4)"), 4, Effect::Heal, 30, 4, false,
          {P::MediaPlayer16, P::MediaPlayer16, P::MediaPlayer16, P::MediaPlayer16}},
    Skill{W::Label63, &GameState::Skill3Name, N_("{Skill3Name}(MP7)"), 7, Effect::Damage, 25, 15, true,
          {P::MediaPlayer18, P::MediaPlayer22, P::MediaPlayer22, P::MediaPlayer21}},
    Skill{W::Label64, &GameState::Skill4Name, N_("{Skill4Name}(MP15)"), 15, Effect::Damage, 45, 50, false,
          {P::MediaPlayer22, P::MediaPlayer22, P::MediaPlayer22, P::MediaPlayer21}},
};
// clang-format on

void useSkill(Game& g, const Skill& k) {
    GameState& s = g.state;
    g.form.hide(W::Panel11);
    g.form.show(W::Panel5);
    // Short of MP: nothing is spent and the turn is not used; lines 2 and 3 stay as they were.
    if (s.Mp < k.cost) {
        g.caption(W::Label31, kShortOfMp);
        g.form.show(W::Panel9);
        return;
    }
    if (s.HeroId >= 0 && s.HeroId < static_cast<int>(k.sounds.size())) {
        g.sound.play(k.sounds[static_cast<std::size_t>(s.HeroId)]);
    }
    if (k.whiteWindow) g.form.setWindowColor(kWhite);
    g.draw(k.draw);
    s.TalkState = talk::kOpponentTurn;
    s.LastAmount = clampedInt(std::int64_t{k.base} + s.Roll);
    if (k.effect == Effect::Damage) {
        // No floor: the next click on the panel sees a zero or negative and declares the victory.
        subtractClamped(s.EnemyHp, s.LastAmount);
        subtractClamped(s.Mp, k.cost);
    } else {
        subtractClamped(s.Mp, k.cost);
        healUpToMax(s, s.LastAmount);
    }
    g.form.setCaption(W::Label31, g.text(&GameState::HeroName));
    g.form.setCaption(W::Label32, Text(N_("　「{skill}！！」")).with("skill", g.text(k.name)));
    g.caption(W::Label33, k.effect == Effect::Damage ? kDamageDealt : N_("{HeroName}はHPが{LastAmount}回復した。"));
    showMp(g);
    if (k.effect == Effect::Heal) showHp(g);
}

}  // namespace

void openInPlaceOfMessages(Game& g, W panel) {
    g.form.hide(W::Panel9);
    g.form.show(panel);
    g.form.hide(W::Panel5);
}

void backToCommands(Game& g, W panel) {
    g.form.hide(panel);
    g.form.show(W::Panel9, W::Panel5);
}

void healUpToMax(GameState& s, int amount) {
    if (std::int64_t{s.Hp} + amount > s.MaxHp) s.Hp = s.MaxHp;
    if (std::int64_t{s.Hp} + amount <= s.MaxHp) s.Hp += amount;
}

// The entries are written afresh on every opening; which of them show is the level-ups' doing.
void Label46Click(Game& g) {
    for (const Skill& k : kSkills) g.caption(k.entry, k.caption);
    openInPlaceOfMessages(g, W::Panel11);
}

void Label60Click(Game& g) { backToCommands(g, W::Panel11); }

void Label61Click(Game& g) { useSkill(g, kSkills[0]); }
void Label62Click(Game& g) { useSkill(g, kSkills[1]); }
void Label63Click(Game& g) { useSkill(g, kSkills[2]); }
void Label64Click(Game& g) { useSkill(g, kSkills[3]); }

}  // namespace verminadia
