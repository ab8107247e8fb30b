#include "frontend/screen_reader/picture_names.h"

#include <array>
#include <string_view>

#include "town/heroes.h"

namespace verminadia::frontend {

namespace {

// The people of the town, in words.
struct Person {
    W picture;
    std::string_view words;
};
constexpr Person kPeople[] = {
    {W::Image3, "ドラゴン王"},
    {W::Image4, "雑貨屋の主人"},
    {W::Image5, "宿屋のおフク"},
};

// Pictures of a hero outside the hero's own town bar and status screen: the casino's owner is
// hero 0, and the ending shows all four.
struct HeroPicture {
    W picture;
    int hero;
    std::string_view before;  // words before the hero's name
};
constexpr HeroPicture kHeroPictures[] = {
    {W::Image52, 0, "カジノの主人、"},
    {W::Image53, 3, ""},
    {W::Image54, 2, ""},
    {W::Image55, 1, ""},
    {W::Image56, 0, ""},
};

constexpr std::string_view kPortraitOf = "の肖像";

}  // namespace

std::string pictureName(W picture, const Game& g) {
    for (const Person& p : kPeople) {
        if (p.picture == picture) return std::string(p.words);
    }
    for (const HeroPicture& h : kHeroPictures) {
        if (h.picture == picture)
            return std::string(h.before).append(kHeroes[static_cast<std::size_t>(h.hero)].name).append(kPortraitOf);
    }
    for (const Hero& h : kHeroes) {
        if (h.portrait == picture || h.statusPortrait == picture) return std::string(h.name).append(kPortraitOf);
    }
    // Every other picture is an opponent's; the one in the ring is the one the game names.
    if (g.form.showing(picture) && !g.state.EnemyName.empty()) return g.state.EnemyName;
    return "対戦相手";
}

}  // namespace verminadia::frontend
