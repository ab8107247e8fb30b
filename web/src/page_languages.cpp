#include "web/src/page_languages.h"

#include <emscripten.h>
#include <memory>
#include <string_view>
#include <vector>

#include "web/src/dom.h"

namespace verminadia::web {

struct PageLanguages::Fetch {
    PageLanguages* owner;
    std::string language;
    std::string url;
};

Environment browserEnvironment() {
    const val wanted = val::global("navigator")["languages"];
    const int n = wanted.isUndefined() ? 0 : wanted["length"].as<int>();
    std::vector<std::string> tags;
    for (int i = 0; i < n; ++i) tags.push_back(wanted[i].as<std::string>());
    return frontend::languageTagsEnvironment(tags);
}

void PageLanguages::fetch(const std::string& language) {
    auto* f = new Fetch{this, language, address(language)};
    emscripten_async_wget_data(f->url.c_str(), f, &PageLanguages::fetched, &PageLanguages::failed);
}

void PageLanguages::fetched(void* fetch, void* bytes, int size) {
    const std::unique_ptr<Fetch> f(static_cast<Fetch*>(fetch));
    f->owner->arrived(f->language, std::string_view(static_cast<const char*>(bytes), static_cast<std::size_t>(size)));
}

void PageLanguages::failed(void* fetch) {
    const std::unique_ptr<Fetch> f(static_cast<Fetch*>(fetch));
    f->owner->FetchedCatalogues::failed(f->language);
}

}  // namespace verminadia::web
