#include "frontend/fetched_catalogues.h"

#include <algorithm>
#include <utility>

namespace verminadia::frontend {

std::string FetchedCatalogues::address(const std::string& language) {
    return "locale/" + language + "/LC_MESSAGES/verminadia.mo";
}

void FetchedCatalogues::get(const std::string& language, std::function<void(const Catalogue&)> ready) {
    if (language == kOwnLanguage) return ready(untranslated());
    if (const auto it = loaded_.find(language); it != loaded_.end()) {
        return ready(it->second ? static_cast<const Catalogue&>(*it->second) : untranslated());
    }
    std::vector<std::function<void(const Catalogue&)>>& waiting = waiting_[language];
    waiting.push_back(std::move(ready));
    if (waiting.size() == 1) fetch(language);  // the first to ask; the others wait for the same file
}

void FetchedCatalogues::arrived(const std::string& language, std::string_view bytes) {
    std::string why;
    std::optional<CatalogueFile> file = CatalogueFile::parse(bytes, why);
    if (!file) complaints_ << "verminadia: " << address(language) << ": " << why << ": the game stays in Japanese\n";
    settle(language, file ? std::make_unique<CatalogueFile>(std::move(*file)) : nullptr);
}

void FetchedCatalogues::failed(const std::string& language) {
    complaints_ << "verminadia: cannot fetch " << address(language) << ": the game stays in Japanese\n";
    settle(language, nullptr);
}

void FetchedCatalogues::settle(const std::string& language, std::unique_ptr<CatalogueFile> file) {
    loaded_[language] = std::move(file);
    const std::vector<std::function<void(const Catalogue&)>> waiting = std::exchange(waiting_[language], {});
    for (const auto& ready : waiting) get(language, ready);
}

Environment languageTagsEnvironment(const std::vector<std::string>& tags) {
    auto list = std::make_shared<std::string>();
    for (std::string name : tags) {
        // "en-US" is a browser's spelling of the locale name "en_US".
        std::replace(name.begin(), name.end(), '-', '_');
        list->append(list->empty() ? "" : ":").append(name);
    }
    return [list](const char* name) { return std::string_view(name) == "LANGUAGE" ? list->c_str() : nullptr; };
}

}  // namespace verminadia::frontend
