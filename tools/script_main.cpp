// verminadia-script [FILE]: plays the game headless from a script (standard input without FILE),
// in the language the environment asks for, as the game does (LANGUAGE=en plays in English).

#include <cstdlib>
#include <fstream>
#include <iostream>

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
    verminadia::Script script(catalogues.get(language));
    if (argc == 2) {
        std::ifstream in(argv[1]);
        if (!in) {
            std::cerr << "verminadia-script: cannot read " << argv[1] << '\n';
            return 2;
        }
        return script.run(in, std::cout, std::cerr);
    }
    return script.run(std::cin, std::cout, std::cerr);
}
