#pragma once
// The page's languages: the ones the browser prefers, and each catalogue fetched from the folder's
// locale/ the first time it is wanted (frontend::FetchedCatalogues keeps them).

#include <iostream>
#include <string>

#include "frontend/fetched_catalogues.h"

namespace verminadia::web {

// The browser's languages (navigator.languages) as gettext reads a LANGUAGE list.
Environment browserEnvironment();

class PageLanguages final : public frontend::FetchedCatalogues {
public:
    PageLanguages() : FetchedCatalogues(std::cerr) {}

private:
    struct Fetch;
    void fetch(const std::string& language) override;
    static void fetched(void* fetch, void* bytes, int size);
    static void failed(void* fetch);
};

}  // namespace verminadia::web
