#pragma once
// Everything a handler touches: the game state, the window's model, the sound players, the
// random source and the catalogue its texts are shown in.

#include <string>
#include <string_view>

#include "core/game_state.h"
#include "core/random.h"
#include "core/sound.h"
#include "core/text/text.h"
#include "core/widgets/form.h"

namespace verminadia {

struct Game;

// A handler: one widget event, or one step of a screen.
using Handler = void (*)(Game&);

using TextMember = Text GameState::*;

struct Game {
    Game(SoundOutput& out, Random& rng, const Catalogue& catalogue = untranslated())
        : form(catalogue), sound(out), random_(rng), catalogue_(&catalogue) {}

    GameState state;
    Form form;
    Sound sound;

    // A draw of n, kept in Roll until the next one.
    int draw(int n) { return state.Roll = random_.draw(n); }
    // A draw for decoration only: no reseed, and Roll is left alone.
    int drawWithoutReseed(int n) { return random_.drawWithoutReseed(n); }

    // A template whose fields name the state's fields ("{HeroName}は{LastAmount}円手に入れた。"),
    // filled with their values as they are now. Other fields are left for Text::with.
    Text text(std::string_view msgid) const;
    // The same for a text that names a count, in the form the count wants.
    Text text(CountedText counted, std::int64_t n) const;
    // A caption from such a template.
    void caption(W w, std::string_view msgid) { form.setCaption(w, text(msgid)); }

    // A text field of the state in the game's language now.
    std::string shown(TextMember field) const { return (state.*field).render(*catalogue_); }

    const Catalogue& catalogue() const { return *catalogue_; }
    // Another language from now on: every caption is made again in it, and the state's texts are
    // shown in it.
    void setCatalogue(const Catalogue& catalogue) {
        catalogue_ = &catalogue;
        form.retranslate(catalogue);
    }

private:
    // `t`, whose template is `msgid`, with the state's fields it names.
    Text filled(Text t, std::string_view msgid) const;

    Random& random_;
    const Catalogue* catalogue_;
};

}  // namespace verminadia
