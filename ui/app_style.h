#pragma once

namespace verminadia::ui {

// The look of the era's desktop: the classic Windows style with its grey button face.
void applyClassicLook();

}  // namespace verminadia::ui
