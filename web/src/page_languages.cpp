#include "web/src/page_languages.h"

#include <algorithm>
#include <emscripten.h>
#include <iostream>
#include <memory>
#include <string_view>

#include "language/choice.h"
#include "web/src/dom.h"

namespace verminadia::web {

struct PageLanguages::Fetch {
    PageLanguages* owner;
    std::string language;
    std::string url;
    Ready ready;
};

Environment browserEnvironment() {
    const val wanted = val::global("navigator")["languages"];
    const int n = wanted.isUndefined() ? 0 : wanted["length"].as<int>();
    auto list = std::make_shared<std::string>();
    for (int i = 0; i < n; ++i) {
        // "en-US" is the browser's spelling of the locale name "en_US".
        std::string name = wanted[i].as<std::string>();
        std::replace(name.begin(), name.end(), '-', '_');
        list->append(list->empty() ? "" : ":").append(name);
    }
    return [list](const char* name) { return std::string_view(name) == "LANGUAGE" ? list->c_str() : nullptr; };
}

void PageLanguages::get(const std::string& language, Ready ready) {
    if (language == kOwnLanguage) return ready(untranslated());
    if (const auto it = loaded_.find(language); it != loaded_.end()) {
        return ready(it->second ? static_cast<const Catalogue&>(*it->second) : untranslated());
    }
    auto* fetch = new Fetch{this, language, "locale/" + language + "/LC_MESSAGES/verminadia.mo", std::move(ready)};
    emscripten_async_wget_data(fetch->url.c_str(), fetch, &PageLanguages::fetched, &PageLanguages::failed);
}

void PageLanguages::fetched(void* fetch, void* bytes, int size) {
    const std::unique_ptr<Fetch> f(static_cast<Fetch*>(fetch));
    std::string why;
    std::optional<CatalogueFile> file =
        CatalogueFile::parse(std::string_view(static_cast<const char*>(bytes), static_cast<std::size_t>(size)), why);
    if (!file) std::cerr << "verminadia: " << f->url << ": " << why << ": the game stays in Japanese\n";
    f->owner->settle(f->language, file ? std::make_unique<CatalogueFile>(std::move(*file)) : nullptr);
    f->owner->get(f->language, std::move(f->ready));
}

void PageLanguages::failed(void* fetch) {
    const std::unique_ptr<Fetch> f(static_cast<Fetch*>(fetch));
    std::cerr << "verminadia: cannot fetch " << f->url << ": the game stays in Japanese\n";
    f->owner->settle(f->language, nullptr);
    f->owner->get(f->language, std::move(f->ready));
}

void PageLanguages::settle(const std::string& language, std::unique_ptr<CatalogueFile> file) {
    loaded_[language] = std::move(file);
}

}  // namespace verminadia::web
