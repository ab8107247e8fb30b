#pragma once
// The general store.

namespace verminadia {

struct Game;

// The seller's thanks and refusal, made ready in PendingLine2 and PendingLine3 when a shop opens:
// the store's own words, which the travelling merchant speaks too.
void prepareSellerReplies(Game& g);

// After the fourth champion the shelf changes for good: the cheap goods go, the three strong
// weapons and the best armour come. Called by the fight's outcome.
void changeStoreStock(Game& g);

}  // namespace verminadia
