#include "audio/sound_files.h"

#include <array>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace verminadia::audio {

namespace fs = std::filesystem;

namespace {
fs::path utf8Path(std::string_view s) {
    return fs::path(std::u8string(reinterpret_cast<const char8_t*>(s.data()), s.size()));
}
bool isFile(const fs::path& p) {
    std::error_code ec;
    return fs::is_regular_file(p, ec);
}

// strerror shares one buffer between threads, and the files are read on the loader thread.
// glibc's strerror_r returns its text; the POSIX form returns 0 and fills the buffer.
[[maybe_unused]] const char* errorText(const char* gnu, const char*) { return gnu; }
[[maybe_unused]] const char* errorText(int posix, const char* buffer) { return posix == 0 ? buffer : "unknown error"; }
std::string errorText(int code) {
    std::array<char, 256> buffer{};
    return errorText(strerror_r(code, buffer.data(), buffer.size()), buffer.data());
}
}  // namespace

std::string findSoundFile(std::string_view name, const std::vector<std::string>& folders) {
    if (isFile(utf8Path(name))) return std::string(name);
    for (const auto& folder : folders) {
        if (folder.empty()) continue;
        std::string installed = folder + "/" + std::string(name);
        if (isFile(utf8Path(installed))) return installed;
    }
    return {};
}

const std::vector<std::string>& systemSoundFonts() {
    static const std::vector<std::string> fonts = {
        "/usr/share/sounds/sf2/FluidR3_GM.sf2",
        "/usr/share/sounds/sf2/TimGM6mb.sf2",
        "/usr/share/sounds/sf2/default-GM.sf2",
    };
    return fonts;
}

std::string findSoundFont(const std::vector<std::string>& candidates) {
    for (const auto& c : candidates)
        if (isFile(utf8Path(c))) return c;
    return {};
}

bool readFile(const std::string& path, std::vector<unsigned char>& bytes, std::string& error) {
    std::ifstream in(utf8Path(path), std::ios::binary);
    if (!in) {
        error = errorText(errno);
        return false;
    }
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (in.bad()) {
        error = "read error";
        return false;
    }
    return true;
}

}  // namespace verminadia::audio
