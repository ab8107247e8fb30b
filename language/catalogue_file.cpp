#include "language/catalogue_file.h"

#include <algorithm>
#include <cstdint>

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

    // The string described at `at` (its length, then its offset), up to its first NUL: a plural's
    // further forms and a context's separator play no part in this game.
    bool string(std::size_t at, std::string_view& out) const {
        std::uint32_t length = 0, offset = 0;
        if (!word(at, length) || !word(at + 4, offset)) return false;
        if (offset > bytes.size() || bytes.size() - offset <= length || bytes[offset + length] != '\0') return false;
        out = bytes.substr(offset, length);
        out = out.substr(0, out.find('\0'));
        return true;
    }
};

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
            header = true;
            continue;
        }
        if (msgstr.empty()) continue;  // untranslated: the game's own text is shown
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

}  // namespace verminadia
