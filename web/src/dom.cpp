#include "web/src/dom.h"

#include <cstdio>

namespace verminadia::web {

val createElement(const char* tag, const char* className) {
    val e = document().call<val>("createElement", val(tag));
    if (*className != '\0') e.set("className", val(className));
    return e;
}

std::string cssColor(Rgb rgb) {
    char text[8];
    std::snprintf(text, sizeof text, "#%06X", static_cast<unsigned>(rgb & 0xFFFFFFu));
    return text;
}

std::string px(int n) { return std::to_string(n) + "px"; }

}  // namespace verminadia::web
