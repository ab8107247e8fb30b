#include "frontend/screen_reader/picture_names.h"

#include <iterator>
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
    {W::King, N_("ドラゴン王")},
    {W::Storekeeper, N_("雑貨屋の主人")},
    {W::Innkeeper, N_("宿屋のおフク")},
};

// Pictures of a hero outside the hero's own town bar and status screen: the casino's owner is
// hero 0, and the ending shows all four.
struct HeroPicture {
    W picture;
    int hero;
    std::string_view words;  // with the hero's name for {HeroName}
};
constexpr std::string_view kPortrait = N_("{HeroName}の肖像");
constexpr HeroPicture kHeroPictures[] = {
    {W::CasinoOwner, 0, N_("カジノの主人、{HeroName}の肖像")},
    {W::RoninFarewell, 3, kPortrait},
    {W::MizelFarewell, 2, kPortrait},
    {W::OldMoanerFarewell, 1, kPortrait},
    {W::TorubaFarewell, 0, kPortrait},
};

constexpr std::string_view kOpponent = N_("対戦相手");

std::string portrait(std::string_view words, int hero, const Game& g) {
    return Text(words).with("HeroName", Text(kHeroes[static_cast<std::size_t>(hero)].name)).render(g.form.catalogue());
}

}  // namespace

std::string pictureName(W picture, const Game& g) {
    const Catalogue& words = g.form.catalogue();
    for (const Person& p : kPeople) {
        if (p.picture == picture) return std::string(words.translate(p.words));
    }
    for (const HeroPicture& h : kHeroPictures) {
        if (h.picture == picture) return portrait(h.words, h.hero, g);
    }
    for (std::size_t i = 0; i < std::size(kHeroes); ++i) {
        if (kHeroes[i].portrait == picture || kHeroes[i].statusPortrait == picture)
            return portrait(kPortrait, static_cast<int>(i), g);
    }
    // Every other picture is an opponent's; the one in the ring is the one the game names.
    if (g.form.showing(picture) && !g.state.EnemyName.empty()) return g.shown(&GameState::EnemyName);
    return std::string(words.translate(kOpponent));
}

std::vector<std::string_view> pictureWords() {
    std::vector<std::string_view> all{kPortrait, kOpponent};
    for (const Person& p : kPeople) all.push_back(p.words);
    for (const HeroPicture& h : kHeroPictures) all.push_back(h.words);
    return all;
}

}  // namespace verminadia::frontend
