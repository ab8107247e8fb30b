#pragma once
// Where a label's caption goes, before any font measures it; every front end draws by these.

#include <string>
#include <string_view>

#include "core/widgets/table.h"

namespace verminadia {

// A caption cut at its first tab: the heading from the label's left edge, and the value after it
// in the label's column. Without a tab, or with no column to go to, it is all heading. Any other
// tab is a space.
struct CaptionSplit {
    std::string head;
    std::string value;
    bool inColumn = false;
};
CaptionSplit splitCaption(const WidgetDef& d, std::string_view caption);

// The column's edge (the values' left edge, or right edge for Align::Right) in pixels from the
// label's left edge, with the window drawn at `scale`.
int columnEdge(const WidgetDef& d, double scale = 1);

// How far right of the designed left edge a translated caption `width` wide starts, so that it
// lines up where the designed caption, `designed` wide, does: left, centre or right edge.
int alignedOffset(const WidgetDef& d, int designed, int width);

}  // namespace verminadia
