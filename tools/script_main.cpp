// verminadia-script [FILE]: plays the game headless from a script (standard input without FILE),
// in the language the environment asks for, as the game does (LANGUAGE=en plays in English).

#include <cstdlib>
#include <fstream>
#include <iostream>

#include "core/text/utf8.h"
#include "files/regular_file.h"
#include "game/record.h"
#include "language/catalogues.h"
#include "language/choice.h"
#include "script/script.h"

int main(int argc, char** argv) {
    if (argc > 2) {
        std::cerr << "usage: verminadia-script [SCRIPT]\n";
        return 2;
    }
    verminadia::Catalogues catalogues(verminadia::programDirectory(argv[0]), "verminadia-script", std::cerr);
    // Read before anything else runs, on the only thread.
    const auto env = [](const char* name) { return std::getenv(name); };  // NOLINT(concurrency-mt-unsafe)
    const std::string language = verminadia::languageFromEnvironment(env, verminadia::languages());
    verminadia::Session session(catalogues.get(language));
    verminadia::Script script(session);
    if (argc == 2) {
        std::ifstream in;
        std::string why;
        if (!verminadia::openRegularFile(argv[1], verminadia::kMaxRecordBytes, in, why)) {
            std::cerr << "verminadia-script: cannot read " << verminadia::escapedInput(argv[1], 4096) << ": " << why
                      << '\n';
            return 2;
        }
        return script.run(in, std::cout, std::cerr);
    }
    return script.run(std::cin, std::cout, std::cerr);
}
