#pragma once
// The town's handlers, one per widget event, named after the widget and the event.

namespace verminadia {

struct Game;

// The hero choice.
void Label4Click(Game& g);
void Label5Click(Game& g);
void Label7Click(Game& g);
void Label6Click(Game& g);

// The town bar, the status screen and the town theme's loop.
void Button1Click(Game& g);
void Button2Click(Game& g);
void Timer2Timer(Game& g);

// The king's room.
void Button3Click(Game& g);

// The store.
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

// The inn.
void Button5Click(Game& g);
void Button7Click(Game& g);
void Button8Click(Game& g);

// The casino.
void Button25Click(Game& g);
void Button21Click(Game& g);
void Button22Click(Game& g);
void Button23Click(Game& g);
void Button24Click(Game& g);
void Timer4Timer(Game& g);

}  // namespace verminadia
