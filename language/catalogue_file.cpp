#include "language/catalogue_file.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <vector>

#include "core/text/utf8.h"
#include "files/regular_file.h"

namespace verminadia {

namespace {

constexpr std::uint32_t kMagic = 0x950412de;
// Far above any catalogue of this game's few hundred texts: a larger file is refused unread.
constexpr std::uintmax_t kMaxBytes = std::uintmax_t{16} << 20;

// The file's words are in the byte order of the machine that wrote it; the magic number says which.
struct Reader {
    std::string_view bytes;
    bool swapped;

    bool word(std::size_t at, std::uint32_t& out) const {
        if (at > bytes.size() || bytes.size() - at < 4) return false;
        const auto b = [&](std::size_t i) {
            return static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + i]));
        };
        out = swapped ? (b(0) << 24 | b(1) << 16 | b(2) << 8 | b(3)) : (b(3) << 24 | b(2) << 16 | b(1) << 8 | b(0));
        return true;
    }

    // The string described at `at` (its length, then its offset), whole: a counted text's forms
    // are separated by NULs.
    bool string(std::size_t at, std::string_view& out) const {
        std::uint32_t length = 0, offset = 0;
        if (!word(at, length) || !word(at + 4, offset)) return false;
        if (offset > bytes.size() || bytes.size() - offset <= length || bytes[offset + length] != '\0') return false;
        out = bytes.substr(offset, length);
        return true;
    }
};

std::vector<std::string> splitAtNul(std::string_view s) {
    std::vector<std::string> parts;
    for (std::size_t from = 0;;) {
        const std::size_t nul = s.find('\0', from);
        parts.emplace_back(s.substr(from, nul == std::string_view::npos ? std::string_view::npos : nul - from));
        if (nul == std::string_view::npos) return parts;
        from = nul + 1;
    }
}

// The value of a Plural-Forms rule (a C expression of n: ?:, ||, &&, comparisons, + - * / %,
// !, parentheses, numbers) for one n; nothing when the rule is no such expression.
class PluralRule {
public:
    PluralRule(std::string_view rule, std::uint64_t n) : s_(rule), n_(n) {}

    std::optional<std::uint64_t> value() {
        const std::uint64_t v = ternary();
        skipSpaces();
        if (failed_ || at_ != s_.size()) return std::nullopt;
        return v;
    }

private:
    void skipSpaces() {
        while (at_ < s_.size() && (s_[at_] == ' ' || s_[at_] == '\t' || s_[at_] == '\n')) ++at_;
    }
    bool take(std::string_view op) {
        skipSpaces();
        if (s_.substr(at_, op.size()) != op) return false;
        // "<" is not the start of "<=", nor "!" of "!=".
        if (op.size() == 1 && at_ + 1 < s_.size() && s_[at_ + 1] == '=' &&
            std::string_view("<>!=").find(op) != std::string_view::npos)
            return false;
        at_ += op.size();
        return true;
    }
    std::uint64_t ternary() {
        const std::uint64_t condition = orElse();
        if (!take("?")) return condition;
        const std::uint64_t yes = ternary();
        if (!take(":")) failed_ = true;
        const std::uint64_t no = ternary();
        return condition != 0 ? yes : no;
    }
    std::uint64_t orElse() {
        std::uint64_t v = andAlso();
        while (take("||")) v = (andAlso() != 0) || v != 0 ? 1 : 0;
        return v;
    }
    std::uint64_t andAlso() {
        std::uint64_t v = equality();
        while (take("&&")) v = (equality() != 0) && v != 0 ? 1 : 0;
        return v;
    }
    std::uint64_t equality() {
        std::uint64_t v = comparison();
        for (;;) {
            if (take("=="))
                v = v == comparison() ? 1 : 0;
            else if (take("!="))
                v = v != comparison() ? 1 : 0;
            else
                return v;
        }
    }
    std::uint64_t comparison() {
        std::uint64_t v = sum();
        for (;;) {
            if (take("<="))
                v = v <= sum() ? 1 : 0;
            else if (take(">="))
                v = v >= sum() ? 1 : 0;
            else if (take("<"))
                v = v < sum() ? 1 : 0;
            else if (take(">"))
                v = v > sum() ? 1 : 0;
            else
                return v;
        }
    }
    std::uint64_t sum() {
        std::uint64_t v = product();
        for (;;) {
            if (take("+"))
                v += product();
            else if (take("-"))
                v -= product();
            else
                return v;
        }
    }
    std::uint64_t product() {
        std::uint64_t v = unary();
        for (;;) {
            const bool times = take("*");
            const bool divide = !times && take("/");
            if (!times && !divide && !take("%")) return v;
            const std::uint64_t d = unary();
            if (times)
                v *= d;
            else if (d == 0)
                failed_ = true;
            else
                v = divide ? v / d : v % d;
        }
    }
    std::uint64_t unary() {
        if (take("!")) return unary() == 0 ? 1 : 0;
        skipSpaces();
        if (++depth_ > 64 || at_ >= s_.size()) {  // a rule nested this deep is no rule
            failed_ = true;
            return 0;
        }
        std::uint64_t v = 0;
        if (take("(")) {
            v = ternary();
            if (!take(")")) failed_ = true;
        } else if (s_[at_] == 'n') {
            ++at_;
            v = n_;
        } else if (s_[at_] >= '0' && s_[at_] <= '9') {
            while (at_ < s_.size() && s_[at_] >= '0' && s_[at_] <= '9')
                v = v * 10 + static_cast<std::uint64_t>(s_[at_++] - '0');
        } else {
            failed_ = true;
        }
        --depth_;
        return v;
    }

    std::string_view s_;
    std::uint64_t n_;
    std::size_t at_ = 0;
    int depth_ = 0;
    bool failed_ = false;
};

// The rule of a header's "Plural-Forms: nplurals=2; plural=n != 1;", or nothing when it has none.
std::optional<std::string> pluralRule(std::string_view header) {
    const std::size_t line = header.find("Plural-Forms:");
    if (line == std::string_view::npos) return std::nullopt;
    std::string_view forms = header.substr(line);
    forms = forms.substr(0, forms.find('\n'));
    const std::size_t rule = forms.find("plural=");
    if (rule == std::string_view::npos) return std::string();
    forms = forms.substr(rule + 7);
    return std::string(forms.substr(0, forms.find(';')));
}

bool hasUtf8Charset(std::string_view header) {
    std::string lower(header);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
    return lower.find("charset=utf-8") != std::string::npos;
}

}  // namespace

std::optional<CatalogueFile> CatalogueFile::parse(std::string_view bytes, std::string& why) {
    Reader r{bytes, false};
    std::uint32_t magic = 0;
    if (!r.word(0, magic)) {
        why = "too short to be a catalogue";
        return std::nullopt;
    }
    if (magic != kMagic) {
        r.swapped = true;
        r.word(0, magic);
        if (magic != kMagic) {
            why = "not a catalogue (wrong magic number)";
            return std::nullopt;
        }
    }
    std::uint32_t revision = 0, count = 0, originals = 0, translations = 0;
    if (!r.word(4, revision) || !r.word(8, count) || !r.word(12, originals) || !r.word(16, translations)) {
        why = "its header is cut short";
        return std::nullopt;
    }
    if ((revision >> 16) > 1) {
        why = "an unknown revision of the format";
        return std::nullopt;
    }
    CatalogueFile file;
    bool header = false;
    for (std::uint32_t i = 0; i < count; ++i) {
        std::string_view msgid, msgstr;
        if (!r.string(originals + std::size_t{8} * i, msgid) || !r.string(translations + std::size_t{8} * i, msgstr)) {
            why = "entry " + std::to_string(i) + " lies outside the file";
            return std::nullopt;
        }
        if (!isUtf8(msgid) || !isUtf8(msgstr)) {
            why = "entry " + std::to_string(i) + " is not valid UTF-8";
            return std::nullopt;
        }
        if (msgid.empty()) {
            if (!hasUtf8Charset(msgstr)) {
                why = "its texts are not in UTF-8";
                return std::nullopt;
            }
            if (const std::optional<std::string> rule = pluralRule(msgstr)) {
                if (!PluralRule(*rule, 1).value()) {
                    why = "its Plural-Forms rule cannot be read";
                    return std::nullopt;
                }
                file.pluralRule_ = *rule;
            }
            header = true;
            continue;
        }
        if (msgstr.empty() || msgstr.front() == '\0') continue;  // untranslated: the game's own text is shown
        if (const std::size_t plural = msgid.find('\0'); plural != std::string_view::npos) {
            msgid = msgid.substr(0, plural);
            file.plurals_.emplace(msgid, splitAtNul(msgstr));
            msgstr = msgstr.substr(0, msgstr.find('\0'));
        }
        if (file.entries_.emplace(msgid, msgstr).second) file.order_.emplace_back(msgid);
    }
    // Without the header nothing says the texts are UTF-8: the window would show them garbled.
    if (!header) {
        why = "it has no header naming its character set";
        return std::nullopt;
    }
    return file;
}

std::optional<CatalogueFile> CatalogueFile::read(const std::filesystem::path& file, std::string& why) {
    const std::optional<std::string> bytes = readRegularFile(file, kMaxBytes, why);
    if (!bytes) return std::nullopt;
    return parse(*bytes, why);
}

std::string_view CatalogueFile::find(std::string_view msgid) const {
    if (msgid.empty()) return {};
    const auto it = entries_.find(std::string(msgid));
    return it == entries_.end() ? std::string_view() : std::string_view(it->second);
}

std::string_view CatalogueFile::findPlural(std::string_view msgid, std::int64_t n) const {
    const auto it = plurals_.find(std::string(msgid));
    if (it == plurals_.end()) return {};
    // A negative count takes the form of its size, as "-1 point" does.
    const std::uint64_t count = n < 0 ? static_cast<std::uint64_t>(-(n + 1)) + 1 : static_cast<std::uint64_t>(n);
    const std::optional<std::uint64_t> form = PluralRule(pluralRule_, count).value();
    if (!form || *form >= it->second.size()) return {};
    return it->second[static_cast<std::size_t>(*form)];  // below the size, so it fits
}

}  // namespace verminadia
