#pragma once
// A session of the game as a program on the machine runs it, as its command line asks: the
// settings and the records in their files, the catalogues beside the program, the system's
// languages and the clock's draws. The view lends it the sound and shows its shell.

#include <ostream>

#include "frontend/native/command_line.h"
#include "frontend/native/record_file.h"
#include "frontend/native/settings_file.h"
#include "frontend/shell.h"

namespace verminadia::frontend {

// The record the command line asks to watch, read whole before any window: false after saying in
// one line on `err` why it cannot be (then the program exits with status 2).
bool watchable(const CommandLine& line, std::ostream& err);

class NativeSession {
public:
    NativeSession(const CommandLine& line, const char* argv0, SoundOutput& sound, Capabilities can);
    // Starts the session in this run's view and language, the last session continued or a record
    // watched, the player's own record written too. False, said in one line, when that record
    // cannot be written: a promise the game cannot keep (status 2).
    bool start();

    Shell& shell() { return shell_; }
    CatalogueSource& catalogues() { return source_; }

private:
    const CommandLine& line_;
    SettingsFile settings_;
    Catalogues catalogues_;
    FileCatalogues source_{catalogues_};
    RecordFile lastRecord_;
    RecordFile own_;
    Shell shell_;
};

}  // namespace verminadia::frontend
