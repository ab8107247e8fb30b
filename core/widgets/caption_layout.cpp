#include "core/widgets/caption_layout.h"

#include <algorithm>
#include <cmath>

namespace verminadia {

namespace {

std::string tabsAsSpaces(std::string_view text) {
    std::string out(text);
    std::replace(out.begin(), out.end(), kColumnBreak, ' ');
    return out;
}

}  // namespace

CaptionSplit splitCaption(const WidgetDef& d, std::string_view caption) {
    const std::size_t tab = caption.find(kColumnBreak);
    if (tab == std::string_view::npos || d.column.at == 0)
        return {.head = tabsAsSpaces(caption), .value = {}, .inColumn = false};
    return {
        .head = std::string(caption.substr(0, tab)), .value = tabsAsSpaces(caption.substr(tab + 1)), .inColumn = true};
}

int columnEdge(const WidgetDef& d, double scale) {
    // Each edge where the scaled window puts it (rounded half up), so that the column lines up
    // across labels.
    const auto placed = [scale](int x) { return static_cast<int>(std::floor(x * scale + 0.5)); };
    return placed(d.column.at) - placed(d.left);
}

int alignedOffset(const WidgetDef& d, int designed, int width) {
    const int spare = designed - width;
    switch (d.align) {
        case Align::Left: return 0;
        case Align::Centre: return spare / 2;
        case Align::Right: return spare;
    }
    return 0;
}

}  // namespace verminadia
