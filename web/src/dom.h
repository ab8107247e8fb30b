#pragma once
// The few DOM calls the page makes, over emscripten::val: elements, their styles and attributes,
// and the colours and lengths of the widget table written as CSS.

#include <emscripten/val.h>
#include <string>
#include <string_view>

#include "core/widgets/table.h"

namespace verminadia::web {

using emscripten::val;

inline val document() { return val::global("document"); }
inline val byId(const char* id) { return document().call<val>("getElementById", val(id)); }

// A new element of `tag` with `className`.
val createElement(const char* tag, const char* className);

inline void setStyle(val e, const char* property, const std::string& value) { e["style"].set(property, value); }
inline void setAttribute(val e, const char* name, const std::string& value) {
    e.call<void>("setAttribute", val(name), val(value));
}
inline void setText(val e, const std::string& text) { e.set("textContent", text); }

// "#D4D0C8"
std::string cssColor(Rgb rgb);
// "12px"
std::string px(int n);

}  // namespace verminadia::web
