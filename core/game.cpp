#include "core/game.h"

#include <utility>

namespace verminadia {

namespace {

std::size_t fieldIndex(TextMember field) {
    for (std::size_t i = 0; i < std::size(kTextFields); ++i) {
        if (kTextFields[i].member == field) return i;
    }
    return 0;  // unreachable: every text member is in the list
}

}  // namespace

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
            const Text value = text(f.member);
            // The forms a translation may write in its place.
            for (const FieldForm& shape : kFieldForms) {
                if (shape.base == name) t.with(shape.field, value.form(shape.form));
            }
            t.with(name, value);
        }
    }
    return t;
}

void Game::setText(TextMember field, Text t) {
    state.*field = t.render(*catalogue_);
    texts_[fieldIndex(field)] = std::move(t);
}

Text Game::text(TextMember field) const {
    const Text& t = texts_[fieldIndex(field)];
    const std::string& now = state.*field;
    if (t.render(*catalogue_) == now) return t;
    return Text::verbatim(now);
}

void Game::setCatalogue(const Catalogue& catalogue) {
    for (std::size_t i = 0; i < std::size(kTextFields); ++i) {
        std::string& value = state.*kTextFields[i].member;
        Text& t = texts_[i];
        if (t.render(*catalogue_) == value)
            value = t.render(catalogue);
        else
            t = Text::verbatim(value);
    }
    catalogue_ = &catalogue;
    form.retranslate(catalogue);
}

}  // namespace verminadia
