#pragma once
// The general store.

namespace verminadia {

struct Game;

// After the fourth champion the shelf changes for good: the cheap goods go, the three strong
// weapons and the best armour come. Called by the fight's outcome.
void changeStoreStock(Game& g);

}  // namespace verminadia
