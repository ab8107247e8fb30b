#pragma once
// The session record on a machine's disk: the last session's record is a file in the user's state
// folder, and the player names files of their own to record to or watch.

#include <memory>
#include <string>

#include "frontend/session/record_store.h"
#include "script/script.h"

namespace verminadia::frontend {

// $XDG_STATE_HOME/verminadia/last-session.script (~/.local/state/verminadia/ by default).
std::string lastSessionPath();

// A session's record as a file: the last session's, or one the player named. Only a regular
// file is read. A new record is written beside the old one and renamed into its place (a
// symbolic link's file is replaced, not the link). A file the player named that is a device or
// a pipe (/dev/stdout) is written straight; the last session's record never is.
class RecordFile final : public RecordStore {
public:
    enum class Whose { Game, Player };
    explicit RecordFile(std::string path = lastSessionPath(), Whose whose = Whose::Game)
        : path_(std::move(path)), whose_(whose) {}

    bool exists() const override;
    std::unique_ptr<std::istream> read(std::string& why) const override;
    std::unique_ptr<std::ostream> replace(const std::string& start, std::string& why) override;
    void remove() override;
    std::string where() const override { return path_; }

private:
    std::string path_;
    Whose whose_;
};

// A record to read: a regular file within the size a record may have; nullptr, with the reason
// to follow "cannot read PATH: ", otherwise.
std::unique_ptr<std::istream> openRecord(const std::string& path, std::string& why);

// Whether `path` names the last session's record, under its own name, a link or another name.
bool isLastSessionRecord(const std::string& path);

// Plays the record in a file into the script's game at once, without sound. False with the
// reason: the file cannot be read, or "PATH: line N: reason".
bool replayFile(Script& script, const std::string& path, std::string& error);

}  // namespace verminadia::frontend
