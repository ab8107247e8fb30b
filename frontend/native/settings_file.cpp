#include "frontend/native/settings_file.h"

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>
#include <unistd.h>

#include "files/regular_file.h"
#include "frontend/native/folders.h"
#include "frontend/spaces.h"

namespace verminadia::frontend {

namespace {

namespace fs = std::filesystem;

// A few lines are all the game keeps.
constexpr std::uintmax_t kMaxSettingsBytes = std::uintmax_t{64} * 1024;

constexpr std::string_view kGeneral = "General";

// The file's lines as values under "group/key"; the last of a key counts.
void parse(const std::string& text, std::map<std::string, std::string, std::less<>>& values) {
    std::string group;
    std::istringstream lines(text);
    for (std::string raw; std::getline(lines, raw);) {
        const std::string_view line = trimSpaces(raw);
        if (line.empty() || line.front() == ';' || line.front() == '#') continue;
        if (line.front() == '[' && line.back() == ']' && line.size() > 1) {
            group = trimSpaces(line.substr(1, line.size() - 2));
            if (group == kGeneral) group.clear();
            continue;
        }
        const std::size_t equals = line.find('=');
        if (equals == 0 || equals == std::string_view::npos) continue;  // no setting of ours
        const std::string key(trimSpaces(line.substr(0, equals)));
        std::string name = group;
        if (!name.empty()) name += '/';
        name += key;
        values[name] = trimSpaces(line.substr(equals + 1));
    }
}

// The values as the file holds them, in the keys' order: each group's together. False when a
// value cannot be written on a line of its own.
bool format(const std::map<std::string, std::string, std::less<>>& values, std::string& text) {
    std::string group;
    for (const auto& [key, value] : values) {
        const std::size_t slash = key.rfind('/');
        const std::string in = slash == std::string::npos ? std::string(kGeneral) : key.substr(0, slash);
        if (value.find('\n') != std::string::npos) return false;
        if (in != group || text.empty()) text += (text.empty() ? "[" : "\n[") + in + "]\n";
        group = in;
        text += key.substr(slash + 1) + '=' + value + '\n';
    }
    return true;
}

// `text` in place of `file`, whole or not at all: written beside it and renamed into its place,
// with the old file's permissions.
bool replaceFile(const fs::path& file, const std::string& text) {
    std::error_code ec;
    fs::create_directories(file.parent_path(), ec);
    const fs::file_status old = fs::status(file, ec);
    // A file there that may not be written stays as it is.
    if (fs::exists(old) && access(file.c_str(), W_OK) != 0) return false;
    const std::string beside = file.string() + '.' + std::to_string(getpid()) + ".new";
    const int fd = open(beside.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0) return false;
    bool ok = true;
    for (std::size_t done = 0; ok && done < text.size();) {
        const ssize_t n = write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR) continue;
        ok = n > 0;
        if (ok) done += static_cast<std::size_t>(n);
    }
    ok = fsync(fd) == 0 && ok;
    ok = close(fd) == 0 && ok;
    if (ok && fs::exists(old)) fs::permissions(beside, old.permissions(), ec);
    if (ok) {
        fs::rename(beside, file, ec);
        ok = !ec;
    }
    if (!ok) fs::remove(beside, ec);
    return ok;
}

}  // namespace

SettingsFile::SettingsFile() : file_(configHome() + "/verminadia/verminadia.conf") {
    // Asked before the file is opened: a FIFO would keep it waiting for ever.
    load(values_, refused_);
}

bool SettingsFile::load(Values& values, std::string& why) const {
    values.clear();
    std::error_code ec;
    if (!fs::exists(fs::status(file_, ec))) return true;
    const std::optional<std::string> text = readRegularFile(file_, kMaxSettingsBytes, why);
    if (!text) return false;
    parse(*text, values);
    return true;
}

std::optional<std::string> SettingsFile::value(std::string_view key) const {
    if (!readable()) return std::nullopt;
    const auto it = values_.find(key);
    if (it == values_.end()) return std::nullopt;
    return it->second;
}

void SettingsFile::setValue(std::string_view key, const std::string& value) {
    values_[std::string(key)] = value;
    changed_[std::string(key)] = value;
}

bool SettingsFile::save() {
    if (!readable()) return false;
    if (changed_.empty()) return true;
    // What another run saved meanwhile is kept, under what was set here.
    Values merged;
    std::string why;
    if (!load(merged, why)) return false;
    for (const auto& [key, value] : changed_) merged[key] = value;
    std::string text;
    if (!format(merged, text) || !replaceFile(file_, text)) return false;
    values_ = std::move(merged);
    changed_.clear();
    return true;
}

FileSettings::FileSettings(std::ostream& complaints) : Settings(static_cast<SettingsFile&>(*this), complaints) {}

}  // namespace verminadia::frontend
