#pragma once
// A translation catalogue as msgfmt writes it (a GNU .mo file), read without the C library's
// gettext: that one needs the locale installed on the machine and ignores LANGUAGE under the C
// locale, and the game has to speak English on machines that have no English locale at all.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/text/text.h"

namespace verminadia {

class CatalogueFile final : public Catalogue {
public:
    // The catalogue in `bytes`; nothing, with the reason in `why`, when they are no catalogue.
    static std::optional<CatalogueFile> parse(std::string_view bytes, std::string& why);
    static std::optional<CatalogueFile> read(const std::filesystem::path& file, std::string& why);

    // Every msgid that has a translation, in the file's order.
    const std::vector<std::string>& msgids() const { return order_; }

private:
    std::string_view find(std::string_view msgid) const override;
    std::string_view findPlural(std::string_view msgid, std::int64_t n) const override;

    std::unordered_map<std::string, std::string> entries_;
    // A counted text's forms, by its msgid, and the header's rule that picks one.
    std::unordered_map<std::string, std::vector<std::string>> plurals_;
    std::string pluralRule_ = "n != 1";
    std::vector<std::string> order_;
};

}  // namespace verminadia
