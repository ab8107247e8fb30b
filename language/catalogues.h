#pragma once
// The catalogues of the languages the game has, found beside the program (the build folder's
// locale/, or ../share/locale/ of an installed program moved elsewhere) or where it was installed.

#include <filesystem>
#include <map>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "language/catalogue_file.h"

namespace verminadia {

// Where the catalogue of `language` may lie, in the order they are tried.
std::vector<std::filesystem::path> catalogueLocations(const std::string& language,
                                                      const std::filesystem::path& programDir);

// The folder of the running program, from the system where it tells, else from argv[0].
std::filesystem::path programDirectory(const char* argv0);

class Catalogues {
public:
    // `program` names the program in the one line said when a catalogue cannot be used.
    Catalogues(std::filesystem::path programDir, std::string program, std::ostream& complaints)
        : programDir_(std::move(programDir)), program_(std::move(program)), complaints_(complaints) {}

    // The catalogue of a language. The game's own language, an unknown one, or one whose file is
    // missing or damaged (said once, in one line) gives the game's own texts.
    const Catalogue& get(const std::string& language);
    // Whether the catalogue of `language` was found and read.
    bool usable(const std::string& language);

private:
    std::filesystem::path programDir_;
    std::string program_;
    std::ostream& complaints_;
    std::map<std::string, std::unique_ptr<CatalogueFile>> loaded_;  // nullptr: not usable
};

}  // namespace verminadia
