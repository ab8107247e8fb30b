#pragma once
// The arena's handlers, one per widget event, named after the widget and the event.

namespace verminadia {

struct Game;

// The weight classes and the battle theme's loop.
void Button6Click(Game& g);
void Button15Click(Game& g);
void Button9Click(Game& g);
void Button10Click(Game& g);
void Button11Click(Game& g);
void Button12Click(Game& g);
void Button16Click(Game& g);
void Button13Click(Game& g);
void Button14Click(Game& g);
void Timer3Timer(Game& g);

// The champion's and the challenger's announcements.
void Label65Click(Game& g);
void Label66Click(Game& g);

// The command column: attack, skill, item, talk.
void Label45Click(Game& g);
void Label46Click(Game& g);
void Label47Click(Game& g);
void Label48Click(Game& g);

// The skill panel.
void Label60Click(Game& g);
void Label61Click(Game& g);
void Label62Click(Game& g);
void Label63Click(Game& g);
void Label64Click(Game& g);

// The item panel.
void Label52Click(Game& g);
void Label49Click(Game& g);
void Label50Click(Game& g);
void Label51Click(Game& g);
void Label69Click(Game& g);

// The travelling merchant.
void Button17Click(Game& g);
void Button18Click(Game& g);
void Button19Click(Game& g);
void Button20Click(Game& g);

}  // namespace verminadia
