#pragma once
// The fight's texts are whole templates that name the state's fields they show, "{HeroName}"
// and "{EnemyName}" among them, so that a translation can put the names where its words need them.

#include <string_view>

#include "core/text/text.h"

namespace verminadia {

// The line that tells a blow landed, for attacks and skills alike.
inline constexpr std::string_view kDamageDealt = N_("{EnemyName}に{LastAmount}のダメージを与えた。");

}  // namespace verminadia
