#include "language/catalogues.h"

#include <algorithm>
#include <system_error>

#include "language/choice.h"

namespace verminadia {

namespace {

const std::filesystem::path kFile = std::filesystem::path("LC_MESSAGES") / "verminadia.mo";

}  // namespace

std::vector<std::filesystem::path> catalogueLocations(const std::string& language,
                                                      const std::filesystem::path& programDir) {
    return {
        programDir / "locale" / language / kFile,
        programDir.parent_path() / "share" / "locale" / language / kFile,
        std::filesystem::path(VERMINADIA_LOCALE_DIR) / language / kFile,
    };
}

std::filesystem::path programDirectory(const char* argv0) {
    std::error_code ec;
#ifndef __EMSCRIPTEN__
    // Under a JavaScript runtime /proc/self/exe is the runtime itself; argv[0] names the program.
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (!ec) return self.parent_path();
#endif
    return std::filesystem::absolute(argv0 == nullptr ? "" : argv0, ec).parent_path();
}

bool Catalogues::usable(const std::string& language) {
    get(language);
    const auto it = loaded_.find(language);
    return it != loaded_.end() && it->second != nullptr;
}

const Catalogue& Catalogues::get(const std::string& language) {
    const std::vector<std::string>& all = languages();
    if (language == kOwnLanguage || std::find(all.begin(), all.end(), language) == all.end()) return untranslated();
    auto [it, fresh] = loaded_.try_emplace(language);
    if (fresh) {
        const std::vector<std::filesystem::path> places = catalogueLocations(language, programDir_);
        const auto found = std::find_if(places.begin(), places.end(), [](const std::filesystem::path& p) {
            std::error_code ec;
            return std::filesystem::is_regular_file(p, ec);
        });
        if (found == places.end()) {
            complaints_ << program_ << ": no catalogue for the language " << language << " (looked for";
            for (const std::filesystem::path& p : places) complaints_ << ' ' << p.lexically_normal().string();
            complaints_ << "): the game stays in Japanese\n";
        } else {
            std::string why;
            if (auto file = CatalogueFile::read(*found, why)) {
                it->second = std::make_unique<CatalogueFile>(std::move(*file));
            } else {
                complaints_ << program_ << ": " << found->string() << ": " << why << ": the game stays in Japanese\n";
            }
        }
    }
    if (it->second == nullptr) return untranslated();
    return *it->second;
}

}  // namespace verminadia
