#include "frontend/stage.h"

#include <algorithm>
#include <cmath>

namespace verminadia::frontend {

namespace {

// Half away from zero, as the toolkits round a length.
int rounded(double x) { return static_cast<int>(std::lround(x)); }

}  // namespace

double fittingScale(double width, double height) { return std::min(width / kDesignWidth, height / kDesignHeight); }

StageLayout StageLayout::fitting(int width, int height) {
    StageLayout s{fittingScale(width, height), 0, 0};
    const Box used = s.area();
    s.originLeft = (width - used.width) / 2;
    s.originTop = (height - used.height) / 2;
    return s;
}

int StageLayout::length(double designed) const { return rounded(designed * scale); }

Box StageLayout::map(const Box& designed) const {
    const int left = originLeft + length(designed.left), top = originTop + length(designed.top);
    return {left, top, originLeft + length(designed.left + designed.width) - left,
            originTop + length(designed.top + designed.height) - top};
}

Box StageLayout::place(const WidgetDef& d, const Box& designed) const {
    if (d.parent == W::Window) return map(designed);
    const WidgetDef& parent = def(d.parent);
    const Box inParent = map({parent.left, parent.top, parent.width, parent.height});
    const Box placed = map({designed.left + parent.left, designed.top + parent.top, designed.width, designed.height});
    return {placed.left - inParent.left, placed.top - inParent.top, placed.width, placed.height};
}

int ringEdge(int ring, double unit) { return rounded(ring * unit); }

Box keptInside(int scale, const Box& wanted, const Box& room) {
    const int width = kDesignWidth * scale, height = kDesignHeight * scale;
    if (scale == 1) return {wanted.left, wanted.top, width, height};
    return {std::max(room.left, std::min(wanted.left, room.left + room.width - width)),
            std::max(room.top, std::min(wanted.top, room.top + room.height - height)), width, height};
}

}  // namespace verminadia::frontend
