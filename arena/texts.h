#pragma once
// The fight's texts are whole templates that name the state's fields they show, "{HeroName}"
// and "{EnemyName}" among them, so that a translation can put the names where its words need them.

#include <cstdint>
#include <string_view>

#include "core/text/text.h"

namespace verminadia {

// The line that tells a blow landed, for attacks and skills alike.
inline constexpr CountedText kDamageDealt = NP_("{EnemyName}に{LastAmount}のダメージを与えた。");

// How an opponent is named: by what it is (a slime, a fan man), which languages with articles
// give one ("the Fan Man"), or by who it is (Zundara, Officer Mukka), which they give none.
enum class Naming : std::uint8_t { Thing, Person };

// TRANSLATORS: an opponent named by what it is, within a sentence ("the {name}" in English).
inline constexpr std::string_view kThingWithinSentence =
    NC_("an opponent named by what it is, within a sentence", "{name}");
// TRANSLATORS: the same at the start of a sentence ("The {name}" in English).
inline constexpr std::string_view kThingStartingSentence =
    NC_("an opponent named by what it is, starting a sentence", "{name}");

// The opponent's name, with the forms a sentence wants of it (kFieldForms).
inline Text opponentName(std::string_view name, Naming naming) {
    Text t(name);
    if (naming == Naming::Person) return t;
    const Text bare = t;
    return t.withForm("within a sentence", Text(kThingWithinSentence).with("name", bare))
        .withForm("starting a sentence", Text(kThingStartingSentence).with("name", bare));
}

}  // namespace verminadia
