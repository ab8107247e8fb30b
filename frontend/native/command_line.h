#pragma once
// The game's command line: one parser for every option, read before any window exists so that
// --help and --version answer without a display. The view's options, --scale N and --fullscreen,
// choose this run's view over the saved one, without saving it.

#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "frontend/settings/settings.h"

namespace verminadia::frontend {

// How much faster than it was played --replay may play a record: a range, so that every wait
// between its events is one a timer can keep.
inline constexpr double kMinSpeed = 0.01;
inline constexpr double kMaxSpeed = 1000;

struct CommandLine {
    // Set when the parser has already answered (help, version, a bad option): exit with it.
    std::optional<int> exitStatus;

    // The session record: continue the last session, write the record to a file of one's own too,
    // or watch a record played (`speed` times faster than it was played).
    bool continueLast = false;
    std::string recordPath;
    std::string replayPath;
    double speed = 1.0;
    // The view for this run, over the saved one and not saved: --scale N, --fullscreen.
    std::optional<ViewChoice> view;
    // The game's language for this run ("ja", "en"); empty: the remembered choice or the locale.
    std::string language;
};

// What the program says of itself in --help and --version.
struct ProgramText {
    std::string_view about;  // under the usage line
    std::string_view version;
};

// Prints the help or the version on `out`, or one line naming a bad argument on `err` (status 2).
// Started without options, the game runs as it always did.
CommandLine parseCommandLine(const std::vector<std::string>& arguments, const ProgramText& program,
                             std::ostream& out = std::cout, std::ostream& err = std::cerr);

// The options as given: each one's values in order, and what was not an option.
struct GivenOptions {
    std::vector<std::vector<std::string>> values;  // by the option's place in the table
    std::vector<bool> set;
    std::vector<std::string> unknown;  // names of options the game does not have
    std::vector<std::string> positional;
    std::string error;  // a value missing or unexpected, the last one found
    bool ok() const { return unknown.empty() && error.empty(); }
};
// Reads the options the way the game always has: "--name value", "--name=value", a single dash
// as good as two ("-help"), "--" ending the options.
GivenOptions readOptions(const std::vector<std::string>& arguments);

// Puts the view's options given into `view`. False after saying in one line on `err` what is
// wrong with them; then nothing is changed.
bool readViewOptions(const GivenOptions& given, ViewChoice& view, std::ostream& err = std::cerr);

}  // namespace verminadia::frontend
