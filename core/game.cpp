#include "core/game.h"

namespace verminadia {

Text Game::text(std::string_view msgid) const { return filled(Text(msgid), msgid); }

Text Game::text(CountedText counted, std::int64_t n) const { return filled(Text(counted, n), counted.msgid); }

Text Game::filled(Text t, std::string_view msgid) const {
    for (std::string_view name : Text::fieldNames(msgid)) {
        if (t.has(name)) continue;
        for (const IntField& f : kIntFields) {
            if (f.name == name) t.with(name, state.*f.member);
        }
        for (const TextField& f : kTextFields) {
            if (f.name != name) continue;
            const Text& value = state.*f.member;
            // The forms a translation may write in its place.
            for (const FieldForm& shape : kFieldForms) {
                if (shape.base == name) t.with(shape.field, value.form(shape.form));
            }
            t.with(name, value);
        }
    }
    return t;
}

}  // namespace verminadia
