#pragma once
// The game's command line: one parser for every option, read before the window exists so that
// --help and --version answer without a display. The view's options, --scale N and --fullscreen,
// choose this run's view over the saved one, without saving it.

#include <optional>

#include <QString>

#include "frontend/settings/settings.h"

class QCommandLineParser;

namespace verminadia::desktop {

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
    QString recordPath;
    QString replayPath;
    double speed = 1.0;
    // The view for this run, over the saved one and not saved: --scale N, --fullscreen.
    std::optional<frontend::ViewChoice> view;
    // The game's language for this run ("ja", "en"); empty: the remembered choice or the locale.
    QString language;
};

// Prints the help or the version on standard output, or one line naming a bad argument on
// standard error (status 2). Started without options, the game runs as it always did.
CommandLine parseCommandLine(int& argc, char** argv);

void addViewOptions(QCommandLineParser& parser);
// Puts the view's options given into `view`. False after saying in one line on standard error
// what is wrong with them; then nothing is changed.
bool readViewOptions(const QCommandLineParser& parser, frontend::ViewChoice& view);

}  // namespace verminadia::desktop
