#pragma once
// What kind of opponent is in the ring: it picks the opponent's answer to a talk and what it does
// on its turn besides its blow. The state keeps it as its number, EnemyKind.

#include <cstdint>

namespace verminadia {

enum class FoeKind : std::int32_t {
    Ordinary = 0,
    Zombie = 1,
    Zundara = 2,
    Cockroach = 3,
    Wrestler = 4,
    Merchant = 5,
    Hothead = 6,
    Alien = 7,
    Chippo = 8,
    Beast = 9,
    WigZundara = 10,
    Hare = 11,
    Policeman = 12,
    WhiteZundara = 13,
    Frog = 14,
    FanMan = 15,
    Bartender = 16,
    Doctor = 17,
    DragonGodsBrother = 18,
    Dairyman = 19,
    Sorcerer = 20,
    Riddler = 21,
    Hermit = 22,
    RuinGod = 23,
    KingOfLight = 24,
    DemonKing = 25,
    Swordsman = 26,
    Mizel = 27,
    Toruba = 28,
    OldMoaner = 29,
    ZundaraDeluxe = 30,
    FalseSun = 31,
};

}  // namespace verminadia
