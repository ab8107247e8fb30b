#pragma once
// The champions and the challenger series: who is due, and the pictures their announcements
// reveal.

#include <string_view>

#include "arena/foe_kind.h"
#include "arena/texts.h"
#include "core/widgets/table.h"

namespace verminadia {

struct GameState;

struct Challenger {
    int wins;    // ChallengerWins when this challenger is due
    int heroId;  // -1: the same for every hero
    std::string_view name;
    Naming naming = Naming::Thing;
    int hp, power, defense;
    FoeKind kind;
    int exp;
    W picture;
};

// The challenger the heavy class sends next; nullptr once the series is over.
const Challenger* dueChallenger(const GameState& s);

}  // namespace verminadia
