#pragma once
// The page's languages: the one the browser prefers among those the game has, and each one's
// catalogue, fetched from the folder's locale/ the first time it is wanted.

#include <functional>
#include <map>
#include <memory>
#include <string>

#include "frontend/shell.h"
#include "language/catalogue_file.h"

namespace verminadia::web {

// The browser's languages (navigator.languages) as gettext reads a LANGUAGE list, for the shell's
// one rule of the language at start.
Environment browserEnvironment();

class PageLanguages final : public frontend::CatalogueSource {
public:
    using Ready = std::function<void(const Catalogue&)>;
    // Hands `ready` the catalogue of `language`, now when it is at hand, else once fetched. The
    // game's own language needs none; one that cannot be fetched or read is said in one line and
    // gives the game's own texts.
    void get(const std::string& language, Ready ready) override;

private:
    struct Fetch;
    static void fetched(void* fetch, void* bytes, int size);
    static void failed(void* fetch);
    void settle(const std::string& language, std::unique_ptr<CatalogueFile> file);

    std::map<std::string, std::unique_ptr<CatalogueFile>> loaded_;  // nullptr: not usable
};

}  // namespace verminadia::web
