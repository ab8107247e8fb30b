#include "language/choice.h"

#include <algorithm>

namespace verminadia {

namespace {

bool has(const std::vector<std::string>& available, std::string_view language) {
    return std::find(available.begin(), available.end(), language) != available.end();
}

std::vector<std::string> builtLanguages() {
    std::vector<std::string> out{std::string(kOwnLanguage)};
    // The build lists the catalogues it compiled, separated by colons.
    std::string_view built = VERMINADIA_LANGUAGES;
    while (!built.empty()) {
        const auto end = std::min(built.find(':'), built.size());
        if (end > 0) out.emplace_back(built.substr(0, end));
        built.remove_prefix(std::min(end + 1, built.size()));
    }
    return out;
}

}  // namespace

const std::vector<std::string>& languages() {
    static const std::vector<std::string> all = builtLanguages();
    return all;
}

std::string matchLanguage(std::string_view name, const std::vector<std::string>& available) {
    // language[_territory][.codeset][@modifier]
    name = name.substr(0, std::min(name.find('.'), name.find('@')));
    if (name.empty()) return {};
    if (has(available, name)) return std::string(name);
    const std::string_view language = name.substr(0, name.find('_'));
    if (has(available, language)) return std::string(language);
    return {};
}

std::string languageFromEnvironment(const Environment& env, const std::vector<std::string>& available) {
    const auto value = [&](const char* name) -> std::string_view {
        const char* v = env(name);
        return v == nullptr ? std::string_view{} : std::string_view(v);
    };
    std::string_view list = value("LANGUAGE");
    if (!list.empty()) {
        // A list that names none of ours leaves the texts untranslated, as with gettext.
        while (!list.empty()) {
            const auto end = std::min(list.find(':'), list.size());
            std::string found = matchLanguage(list.substr(0, end), available);
            if (!found.empty()) return found;
            list.remove_prefix(std::min(end + 1, list.size()));
        }
        return std::string(kOwnLanguage);
    }
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const std::string_view locale = value(name);
        if (locale.empty()) continue;
        std::string found = matchLanguage(locale, available);
        return found.empty() ? std::string(kOwnLanguage) : found;
    }
    return std::string(kOwnLanguage);
}

}  // namespace verminadia
