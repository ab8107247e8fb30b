#pragma once
// Every text a player sees is looked up in a catalogue when it is shown, so that the game can
// speak another language. The game's own texts are Japanese: they are the catalogue's keys
// (msgids), and without a translation they are shown as they are. A text built from pieces is
// one whole template with named fields ("{HeroName}の攻撃！！"), so that a translation can order
// its words its own way.

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace verminadia {

// Marks a text for the catalogue. It changes nothing; the template po/verminadia.pot is
// extracted from the sources by this mark.
constexpr std::string_view N_(std::string_view msgid) { return msgid; }

// Marks a text that one language writes the same for two things another language tells apart
// ("雑貨屋" is the shop and its keeper): the context names which, as gettext's pgettext does.
// The msgid carries it before an EOT character, as a catalogue file keys it; shown untranslated,
// the text is the msgid alone.
#define NC_(context, msgid) std::string_view(context "\004" msgid)

// Marks a text that names a count. The game's own language writes it the same for every count;
// a catalogue gives it a form for each of its own plural forms ("1 point", "2 points"), as
// gettext's ngettext does.
struct CountedText {
    std::string_view msgid;
};
constexpr CountedText NP_(std::string_view msgid) { return {msgid}; }

class Catalogue {
public:
    virtual ~Catalogue() = default;
    // The text in the catalogue's language; where the catalogue has none, the msgid itself
    // (without a context).
    std::string_view translate(std::string_view msgid) const;
    // The form for the count `n`; where the catalogue has none, its one translation, or the msgid.
    std::string_view translate(CountedText text, std::int64_t n) const;

protected:
    // The catalogue's own translation of the msgid (with its context), or nothing.
    virtual std::string_view find(std::string_view msgid) const = 0;
    // The catalogue's own form of a counted text for `n`, or nothing.
    virtual std::string_view findPlural(std::string_view /*msgid*/, std::int64_t /*n*/) const { return {}; }
};

// The game's own language: every text as it is written.
const Catalogue& untranslated();

// A text kept with what it was made from, so that it can be made again in another language:
// a catalogue entry with the values of its fields, or a text that is shown as it is (a number,
// a value set from outside the game).
class Text {
public:
    Text() = default;  // nothing: an empty caption
    explicit Text(std::string_view msgid) : id_(msgid) {}
    // A counted text in the form `n` wants; its fields are filled as any other's.
    Text(CountedText text, std::int64_t n) : id_(text.msgid), count_(n), counted_(true) {}
    static Text verbatim(std::string text);
    static Text number(std::int64_t n) { return verbatim(std::to_string(n)); }

    // Fills the field {name}.
    Text& with(std::string_view name, Text value);
    // A name's form for a place in a sentence (see kFieldForms), kept with the name without
    // showing in it; the name itself where it has no such form.
    Text& withForm(std::string_view form, Text value) { return with(form, std::move(value)); }
    Text form(std::string_view form) const;
    Text& with(std::string_view name, std::int64_t n) { return with(name, number(n)); }
    // Only the first `shown` of `of` parts of the text, its characters shared out evenly: the
    // title spelled out one letter per shot, whatever its length in the language.
    Text& part(int shown, int of);

    std::string render(const Catalogue& c) const;

    // The names of the fields a template names, in order ("{Gold}" names Gold).
    static std::vector<std::string_view> fieldNames(std::string_view tmpl);
    bool has(std::string_view name) const;
    // Nothing to show, in any language.
    bool empty() const { return id_.empty(); }

    bool operator==(const Text&) const = default;

private:
    std::string id_;
    std::int64_t count_ = 0;  // a counted text's count
    bool counted_ = false;
    bool verbatim_ = false;
    // The fields filled so far: names_[i] with values_[i].
    std::vector<std::string> names_;
    std::vector<Text> values_;
    int shown_ = 0, of_ = 0;  // of_ 0: the whole text
};

// Fields a translation may use wherever the template gives their base field: a name as a
// sentence wants it. Languages with articles name a thing ("the Fan Man") unlike a person
// ("Zundara"), and capitalise the article that starts a sentence.
struct FieldForm {
    std::string_view field;  // what the translation writes
    std::string_view base;   // the template's field it stands for
    std::string_view form;   // the form the base's value carries (Text::withForm)
};
inline constexpr FieldForm kFieldForms[] = {
    {"theEnemyName", "EnemyName", "within a sentence"},
    {"TheEnemyName", "EnemyName", "starting a sentence"},
};

// A template with its fields filled: {name} by the value given for name. A field with no value
// stays as it is written, so a slip in a translation shows rather than vanishes.
struct FieldValue {
    std::string_view name;
    std::string value;
};
std::string fill(std::string_view tmpl, const std::vector<FieldValue>& values);

// The number of characters of a UTF-8 text.
std::size_t utf8Length(std::string_view text);

}  // namespace verminadia
