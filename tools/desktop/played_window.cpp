#include "tools/desktop/played_window.h"

#include <cstdio>
#include <fstream>
#include <iostream>

#include "desktop/menu/languages.h"
#include "frontend/settings/languages.h"

namespace verminadia::desktop {

PlayedWindow::PlayedWindow(const char* program) : program_(program), catalogues_(programFolder(), program, std::cerr) {}

int PlayedWindow::play(const char* path, ViewChoice view) {
    std::ifstream in(path);
    if (!in) {
        std::fprintf(stderr, "%s: cannot read %s\n", program_, path);
        return 2;
    }
    script_ = std::make_unique<Script>(catalogues_.get(frontend::startLanguage("", "")));
    if (const int status = script_->run(in, std::cout, std::cerr); status != 0) return status;
    window_ = std::make_unique<GameWindow>(script_->game());
    window_->setView(view);
    window_->ensureBuilt();
    window_->show();
    return 0;
}

}  // namespace verminadia::desktop
