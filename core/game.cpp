#include "core/game.h"

namespace verminadia {

Text Game::text(std::string_view msgid) const {
    Text t(msgid);
    for (std::string_view name : Text::fieldNames(msgid)) {
        if (t.has(name)) continue;
        for (const IntField& f : kIntFields) {
            if (f.name == name) t.with(name, state.*f.member);
        }
        for (const TextField& f : kTextFields) {
            if (f.name == name) t.with(name, state.*f.member);
        }
    }
    return t;
}

}  // namespace verminadia
