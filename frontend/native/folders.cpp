#include "frontend/native/folders.h"

#include <cstdlib>
#include <string_view>

namespace verminadia::frontend {

namespace {

// $HOME without a trailing slash ("/" when it is unset).
std::string home() {
    const char* set = std::getenv("HOME");  // NOLINT(concurrency-mt-unsafe): read before any thread
    std::string h = set != nullptr && *set != '\0' ? set : "/";
    while (h.size() > 1 && h.back() == '/') h.pop_back();
    return h == "/" ? "" : h;
}

std::string xdgFolder(const char* variable, std::string_view underHome) {
    const char* set = std::getenv(variable);  // NOLINT(concurrency-mt-unsafe)
    if (set != nullptr && set[0] == '/') return set;
    return home() + std::string(underHome);
}

}  // namespace

std::string configHome() { return xdgFolder("XDG_CONFIG_HOME", "/.config"); }

std::string stateHome() { return xdgFolder("XDG_STATE_HOME", "/.local/state"); }

}  // namespace verminadia::frontend
