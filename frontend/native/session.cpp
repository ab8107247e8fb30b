#include "frontend/native/session.h"

#include <iostream>

#include "frontend/settings/languages.h"

namespace verminadia::frontend {

bool watchable(const CommandLine& line, std::ostream& err) {
    if (line.replayPath.empty()) return true;
    Session session;
    Script check(session);
    std::string error;
    if (replayFile(check, line.replayPath, error)) return true;
    err << "verminadia: " << error << '\n';
    return false;
}

NativeSession::NativeSession(const CommandLine& line, const char* argv0, SoundOutput& sound, Capabilities can)
    : line_(line),
      catalogues_(programDirectory(argv0), "verminadia", std::cerr),
      own_(line.recordPath, RecordFile::Whose::Player),
      shell_({sound, lastRecord_, settings_, source_, processEnvironment(), std::cerr, can}) {
    // The view saved last time, unless the command line asks for another this once.
    if (line.view) shell_.presetView(*line.view);
}

bool NativeSession::start() {
    return shell_.start(line_.language, line_.continueLast, line_.recordPath.empty() ? nullptr : &own_,
                        !line_.replayPath.empty());
}

}  // namespace verminadia::frontend
