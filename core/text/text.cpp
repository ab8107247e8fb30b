#include "core/text/text.h"

#include <utility>

#include "core/text/utf8.h"

namespace verminadia {

namespace {

class Untranslated final : public Catalogue {
    std::string_view find(std::string_view) const override { return {}; }
};

bool isNameChar(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

// The field at `at` ("{Name}"): its name, or nothing when no field starts there.
std::string_view fieldAt(std::string_view tmpl, std::size_t at) {
    if (tmpl[at] != '{') return {};
    std::size_t end = at + 1;
    while (end < tmpl.size() && isNameChar(tmpl[end])) ++end;
    if (end == at + 1 || end >= tmpl.size() || tmpl[end] != '}') return {};
    return tmpl.substr(at + 1, end - at - 1);
}

}  // namespace

std::string_view Catalogue::translate(std::string_view msgid) const {
    if (const std::string_view t = find(msgid); !t.empty()) return t;
    const std::size_t context = msgid.find('\004');
    return context == std::string_view::npos ? msgid : msgid.substr(context + 1);
}

std::string_view Catalogue::translate(CountedText text, std::int64_t n) const {
    if (const std::string_view t = findPlural(text.msgid, n); !t.empty()) return t;
    return translate(text.msgid);
}

const Catalogue& untranslated() {
    static const Untranslated catalogue;
    return catalogue;
}

std::size_t utf8Length(std::string_view text) {
    std::size_t n = 0;
    for (char c : text) n += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
    return n;
}

std::string fill(std::string_view tmpl, const std::vector<FieldValue>& values) {
    std::string out;
    out.reserve(tmpl.size());
    for (std::size_t i = 0; i < tmpl.size();) {
        const std::string_view name = fieldAt(tmpl, i);
        const FieldValue* value = nullptr;
        for (const FieldValue& v : values) {
            if (!name.empty() && v.name == name) value = &v;
        }
        if (value == nullptr) {
            out += tmpl[i++];
            continue;
        }
        out += value->value;
        i += name.size() + 2;
    }
    return out;
}

std::vector<std::string_view> Text::fieldNames(std::string_view tmpl) {
    std::vector<std::string_view> names;
    for (std::size_t i = 0; i < tmpl.size(); ++i) {
        const std::string_view name = fieldAt(tmpl, i);
        if (!name.empty()) names.push_back(name);
    }
    return names;
}

Text Text::verbatim(std::string text) {
    Text t;
    t.id_ = std::move(text);
    t.verbatim_ = true;
    return t;
}

Text& Text::with(std::string_view name, Text value) {
    for (std::size_t i = 0; i < names_.size(); ++i) {
        if (names_[i] == name) {
            values_[i] = std::move(value);
            return *this;
        }
    }
    names_.emplace_back(name);
    values_.push_back(std::move(value));
    return *this;
}

Text& Text::part(int shown, int of) {
    shown_ = shown;
    of_ = of;
    return *this;
}

Text Text::form(std::string_view form) const {
    for (std::size_t i = 0; i < names_.size(); ++i) {
        if (names_[i] == form) return values_[i];
    }
    return *this;
}

bool Text::has(std::string_view name) const {
    for (const std::string& n : names_) {
        if (n == name) return true;
    }
    return false;
}

std::string Text::render(const Catalogue& c) const {
    // The empty msgid is a catalogue's header, never a text.
    if (id_.empty()) return {};
    std::string whole;
    if (verbatim_) {
        whole = id_;
    } else {
        std::vector<FieldValue> values;
        values.reserve(names_.size());
        for (std::size_t i = 0; i < names_.size(); ++i) values.push_back(FieldValue{names_[i], values_[i].render(c)});
        whole = fill(counted_ ? c.translate(CountedText{id_}, count_) : c.translate(id_), values);
    }
    if (of_ <= 0) return whole;
    // Rounded up, so that the first part shows a character and the last shows them all.
    const std::size_t length = utf8Length(whole);
    const std::size_t shown = shown_ <= 0 ? 0 : static_cast<std::size_t>(shown_);
    const std::size_t of = static_cast<std::size_t>(of_);
    return std::string(utf8Prefix(whole, (length * shown + of - 1) / of));
}

}  // namespace verminadia
