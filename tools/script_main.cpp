// verminadia-script [FILE]: plays the game headless from a script (standard input without FILE).

#include <fstream>
#include <iostream>

#include "tools/script.h"

int main(int argc, char** argv) {
    if (argc > 2) {
        std::cerr << "usage: verminadia-script [SCRIPT]\n";
        return 2;
    }
    verminadia::Script script;
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
