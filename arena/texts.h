#pragma once
// Fight texts are fixed pieces joined with the hero's and the opponent's names. A table cell
// lists its pieces in order; compose() joins them with nothing between.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/game.h"

namespace verminadia {

enum class Name : std::uint8_t { None, Hero, Enemy };

struct Piece {
    constexpr Piece() = default;
    constexpr Piece(Name n) : name(n) {}                // NOLINT: cells read as plain lists
    constexpr Piece(std::string_view t) : text(t) {}    // NOLINT
    constexpr Piece(const char* t) : text(t) {}         // NOLINT
    Name name = Name::None;
    std::string_view text;
};

inline constexpr Name Hero = Name::Hero;
inline constexpr Name Enemy = Name::Enemy;

// Up to four pieces; an empty text means the cell has none.
using Text = std::array<Piece, 4>;

constexpr bool empty(const Text& t) {
    for (const Piece& p : t) {
        if (p.name != Name::None || !p.text.empty()) return false;
    }
    return true;
}

inline std::string compose(const GameState& s, const Text& t) {
    std::string out;
    for (const Piece& p : t) {
        switch (p.name) {
            case Name::Hero: out += s.HeroName; break;
            case Name::Enemy: out += s.EnemyName; break;
            case Name::None: out += p.text; break;
        }
    }
    return out;
}

// The line that tells a blow landed, for attacks and skills alike.
inline std::string damageDealtLine(const GameState& s) {
    return s.EnemyName + "に" + std::to_string(s.LastAmount) + "のダメージを与えた。";
}

}  // namespace verminadia
