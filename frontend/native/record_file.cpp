#include "frontend/native/record_file.h"

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <system_error>
#include <unistd.h>

#include "files/regular_file.h"
#include "frontend/native/folders.h"
#include "frontend/session/session.h"
#include "game/record.h"

namespace verminadia::frontend {

namespace {

namespace fs = std::filesystem;

std::string systemReason() { return errno != 0 ? std::generic_category().message(errno) : "it cannot be written"; }

// `out` opened on `file`, holding `start`; nullptr, with the reason, when it took it not whole.
std::unique_ptr<std::ofstream> written(const fs::path& file, const std::string& start, std::string& why) {
    errno = 0;
    auto out = std::make_unique<std::ofstream>(file, std::ios::binary | std::ios::trunc);
    if (*out && *out << start << std::flush) return out;
    why = systemReason();
    return nullptr;
}

}  // namespace

std::string lastSessionPath() { return stateHome() + "/verminadia/last-session.script"; }

std::unique_ptr<std::istream> openRecord(const std::string& path, std::string& why) {
    auto in = std::make_unique<std::ifstream>();
    if (!openRegularFile(path, kMaxRecordBytes, *in, why)) return nullptr;
    return in;
}

bool RecordFile::exists() const {
    std::error_code ec;
    return fs::exists(path_, ec);
}

std::unique_ptr<std::istream> RecordFile::read(std::string& why) const { return openRecord(path_, why); }

std::unique_ptr<std::ostream> RecordFile::replace(const std::string& start, std::string& why) {
    fs::path target = path_;
    std::error_code ec;
    if (fs::is_symlink(fs::symlink_status(target, ec))) {
        const fs::path linked = fs::canonical(target, ec);
        if (!ec && fs::is_regular_file(fs::status(linked, ec))) target = linked;
    }
    const fs::file_status status = fs::status(target, ec);
    if (fs::is_directory(status)) {
        why = "it is a directory";
        return nullptr;
    }
    if (whose_ == Whose::Player && fs::exists(status) && !fs::is_regular_file(status))
        return written(target, start, why);
    // The game's own folder is made when it is missing; a file the player named goes where it is.
    if (whose_ == Whose::Game) fs::create_directories(target.parent_path(), ec);
    fs::path beside = target;
    beside += '.' + std::to_string(getpid()) + ".new";
    std::unique_ptr<std::ofstream> out = written(beside, start, why);
    if (!out) {
        fs::remove(beside, ec);
        return nullptr;
    }
    std::error_code renamed;
    fs::rename(beside, target, renamed);
    if (!renamed) return out;
    why = renamed.message();
    out.reset();
    fs::remove(beside, ec);
    return nullptr;
}

void RecordFile::remove() {
    std::error_code ec;
    fs::remove(path_, ec);
}

bool isLastSessionRecord(const std::string& path) {
    const fs::path mine = path, last = lastSessionPath();
    std::error_code ec, lastEc;
    if (fs::equivalent(mine, last, ec)) return true;
    const fs::path a = fs::weakly_canonical(mine, ec), b = fs::weakly_canonical(last, lastEc);
    return !ec && !lastEc && a == b;
}

bool replayFile(Script& script, const std::string& path, std::string& error) {
    std::string why;
    const std::unique_ptr<std::istream> in = openRecord(path, why);
    std::string reason = "cannot read " + path + ": " + why;
    if (in && replayQuietly(script, *in, path, reason)) return true;
    error = reason;
    return false;
}

}  // namespace verminadia::frontend
