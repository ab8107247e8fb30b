#pragma once
// Catalogues that come from afar (a browser fetches them): each is fetched the first time it is
// wanted, read once it comes, and kept. The game's own language needs none; one that cannot be
// fetched or read is said in one line and gives the game's own texts.

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "frontend/shell.h"
#include "language/catalogue_file.h"

namespace verminadia::frontend {

class FetchedCatalogues : public CatalogueSource {
public:
    explicit FetchedCatalogues(std::ostream& complaints) : complaints_(complaints) {}
    // Hands `ready` the catalogue of `language`, now when it is at hand, else once fetched.
    void get(const std::string& language, std::function<void(const Catalogue&)> ready) final;

protected:
    // Where the catalogue of `language` is fetched from, relative to the page.
    static std::string address(const std::string& language);
    // Starts fetching address(language); arrived() or failed() follows.
    virtual void fetch(const std::string& language) = 0;
    void arrived(const std::string& language, std::string_view bytes);
    void failed(const std::string& language);

private:
    void settle(const std::string& language, std::unique_ptr<CatalogueFile> file);

    std::ostream& complaints_;
    std::map<std::string, std::unique_ptr<CatalogueFile>> loaded_;  // nullptr: not usable
    std::map<std::string, std::vector<std::function<void(const Catalogue&)>>> waiting_;
};

// The languages a browser asks for ("en-US", "ja"), as gettext reads a LANGUAGE list
// ("en_US:ja"), for the shell's one rule of the language at start.
Environment languageTagsEnvironment(const std::vector<std::string>& tags);

}  // namespace verminadia::frontend
