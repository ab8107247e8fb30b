#include "tools/desktop/played_window.h"

#include <cstdio>
#include <iostream>
#include <sstream>

#include "files/regular_file.h"
#include "frontend/settings/languages.h"
#include "game/record.h"

namespace verminadia::desktop {

PlayedWindow::PlayedWindow(const char* program)
    : program_(program), catalogues_(programDirectory(nullptr), program, std::cerr) {}

int PlayedWindow::play(const char* path, ViewChoice view) {
    std::string why;
    const std::optional<std::string> text = readRegularFile(path, kMaxRecordBytes, why);
    if (!text) {
        std::fprintf(stderr, "%s: cannot read %s: %s\n", program_, path, why.c_str());
        return 2;
    }
    std::istringstream in(*text);
    session_ = std::make_unique<Session>(catalogues_.get(frontend::startLanguage("", "")));
    if (const int status = Script(*session_).run(in, std::cout, std::cerr); status != 0) return status;
    window_ = std::make_unique<GameWindow>(session_->game());
    window_->setView(view);
    window_->ensureBuilt();
    window_->show();
    return 0;
}

}  // namespace verminadia::desktop
