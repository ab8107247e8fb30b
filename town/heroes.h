#pragma once
// The four heroes the player can choose from, and everything that belongs to each of them.

#include <array>
#include <string_view>

#include "core/widgets/table.h"

namespace verminadia {

struct GameState;

struct Hero {
    std::string_view name, job, startTitle;
    int hp, mp, attack, defense, wisdom, speed;
    W portrait, statusPortrait;  // town bar, status screen
    Player theme;
    std::string_view weapon, startArmor;
    std::array<std::string_view, 5> shopWeapons;
    std::array<std::string_view, 3> shopArmors;
    std::array<std::string_view, 3> items;
    std::array<std::string_view, 7> titles;
    std::array<std::string_view, 4> skills;
};

inline constexpr int kHeroCount = 4;
extern const std::array<Hero, kHeroCount> kHeroes;

// The hero the state names by HeroId; nullptr before a hero is chosen properly.
const Hero* chosenHero(const GameState& s);

}  // namespace verminadia
