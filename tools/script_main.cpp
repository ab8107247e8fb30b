// verminadia-script [FILE]: plays the game headless from a script (standard input without FILE),
// in the language the environment asks for, as the game does (LANGUAGE=en plays in English).
// FILE may be a pipe (`<(…)`, `/dev/stdin`, a FIFO): it is read to its end before a line runs,
// as a file is, so a script past the size limit plays nothing.

#include <cstdlib>
#include <iostream>
#include <optional>
#include <streambuf>
#include <string>

#include "core/text/utf8.h"
#include "files/regular_file.h"
#include "game/record.h"
#include "language/catalogues.h"
#include "language/choice.h"
#include "script/script.h"

namespace {

// Reads a script already in memory where it lies: one of 64 MiB is not copied.
class TextBuffer : public std::streambuf {
public:
    explicit TextBuffer(std::string& text) { setg(text.data(), text.data(), text.data() + text.size()); }
};

}  // namespace

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
        std::string why;
        std::optional<std::string> text = verminadia::readFileOrPipe(argv[1], verminadia::kMaxRecordBytes, why);
        if (!text) {
            std::cerr << "verminadia-script: cannot read " << verminadia::escapedInput(argv[1], 4096) << ": " << why
                      << '\n';
            return 2;
        }
        TextBuffer buffer(*text);
        std::istream in(&buffer);
        return script.run(in, std::cout, std::cerr);
    }
    return script.run(std::cin, std::cout, std::cerr);
}
