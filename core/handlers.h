#pragma once
// The window's event handlers, one per widget event, named after the widget and the event.
// The widget and timer tables bind them to their clicks and ticks.

namespace verminadia {

struct Game;

// Start-up and title.
void FormCreate(Game& g);
void Timer1Timer(Game& g);
void Label3Click(Game& g);

// The message panel and its three lines.
void Panel5Click(Game& g);

// Town.
void Label4Click(Game& g);
void Label5Click(Game& g);
void Label7Click(Game& g);
void Label6Click(Game& g);
void Button1Click(Game& g);
void Button2Click(Game& g);
void Timer2Timer(Game& g);
void Button3Click(Game& g);
void Button4Click(Game& g);
void Label34Click(Game& g);
void Label35Click(Game& g);
void Label36Click(Game& g);
void Label37Click(Game& g);
void Label38Click(Game& g);
void Label39Click(Game& g);
void Label40Click(Game& g);
void Label67Click(Game& g);
void Label41Click(Game& g);
void Label42Click(Game& g);
void Label43Click(Game& g);
void Button5Click(Game& g);
void Button7Click(Game& g);
void Button8Click(Game& g);

// Arena.
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
void Label45Click(Game& g);
void Label65Click(Game& g);
void Label66Click(Game& g);
void Label48Click(Game& g);
void Button17Click(Game& g);
void Button18Click(Game& g);
void Button19Click(Game& g);
void Button20Click(Game& g);
void Label46Click(Game& g);
void Label60Click(Game& g);
void Label61Click(Game& g);
void Label62Click(Game& g);
void Label63Click(Game& g);
void Label64Click(Game& g);
void Label47Click(Game& g);
void Label52Click(Game& g);
void Label49Click(Game& g);
void Label50Click(Game& g);
void Label51Click(Game& g);
void Label69Click(Game& g);

// Ending.
void Timer5Timer(Game& g);

// Casino.
void Button25Click(Game& g);
void Button21Click(Game& g);
void Button22Click(Game& g);
void Button23Click(Game& g);
void Button24Click(Game& g);
void Timer4Timer(Game& g);

}  // namespace verminadia
