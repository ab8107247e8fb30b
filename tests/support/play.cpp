#include "support/play.h"

#include <sstream>

namespace verminadia::testing {

Played& Played::then(std::string_view lines) {
    std::istringstream in{std::string(lines)};
    std::ostringstream o, e;
    status = script->run(in, o, e);
    out += o.str();
    err += e.str();
    return *this;
}

Played play(std::string_view lines) {
    Played p;
    p.script = std::make_unique<Script>();
    p.then(lines);
    return p;
}

const std::string_view kToHeroChoice =
    "tick Timer1 18\n"
    "click Label3\n"
    "tick Timer1 11\n";

}  // namespace verminadia::testing
