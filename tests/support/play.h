#pragma once
// Plays a script in-process, the way verminadia-script does, and keeps the game for inspection.

#include <memory>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "script/script.h"

namespace verminadia::test {

struct Played {
    std::unique_ptr<Session> session;
    std::unique_ptr<Script> script;  // driving the session
    std::string out;                 // what the driver printed
    std::string err;
    int status = 0;

    const GameState& state() const { return session->game().state; }
    const Form& form() const { return session->game().form; }
    const Sound& sound() const { return session->game().sound; }
    // For setting a scene up directly, where no click leads there yet.
    Game& game() { return session->game(); }
    // A text field of the state as the player reads it now.
    std::string shown(TextMember field) const { return session->game().shown(field); }
    // Runs more lines on the same game; the last needs no newline here.
    Played& then(std::string_view lines);
};

// A text of the state in the game's own words.
inline std::string japanese(const Text& t) { return t.render(untranslated()); }

Played play(std::string_view lines);
// The same with the game's texts looked up in `catalogue`.
Played play(std::string_view lines, const Catalogue& catalogue);

// The script that takes a fresh game through the title and clicks "スタート": the hero choice
// is on screen when it ends.
extern const std::string kToHeroChoice;

// The name labels of the choice panel, by hero: top to bottom, MizelChoice above RoninChoice.
inline const char* kHeroLabels[] = {designed(W::TorubaChoice), designed(W::OldMoanerChoice), designed(W::MizelChoice),
                                    designed(W::RoninChoice)};
// The script to the hero choice, then the click on that hero: the town bar is on screen.
std::string heroChosen(int hero);

// Every opponent's picture, the champions' and challengers' included, and those on screen.
const std::vector<W>& opponentPictures();
std::vector<W> opponentPicturesShowing(const Form& f);

// What a monkey does next: a click on a showing clickable widget (three times in four while a
// timer runs) or a tick of a running timer; nothing when neither is left.
struct MonkeyEvent {
    std::optional<W> click;
    Timer tick = Timer::Opening;
    std::string line() const;  // as the driver writes it
};
std::optional<MonkeyEvent> monkeyEvent(const Game& g, std::mt19937& monkey);

}  // namespace verminadia::test
