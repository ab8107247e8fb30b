#include "frontend/settings/languages.h"

#include <algorithm>
#include <cstdlib>

namespace verminadia::frontend {

bool knownLanguage(std::string_view code) {
    const std::vector<std::string>& all = languages();
    return std::find(all.begin(), all.end(), code) != all.end();
}

std::string knownLanguages() {
    std::string codes;
    for (const std::string& l : languages()) codes += (codes.empty() ? "" : ", ") + l;
    return codes;
}

Environment processEnvironment() {
    // Read at start-up, before the sound stream's thread starts.
    return [](const char* name) { return std::getenv(name); };  // NOLINT(concurrency-mt-unsafe)
}

std::string startLanguage(std::string_view option, std::string_view remembered, const Environment& env) {
    if (knownLanguage(option)) return std::string(option);
    if (knownLanguage(remembered)) return std::string(remembered);
    return languageFromEnvironment(env, languages());
}

}  // namespace verminadia::frontend
