#include "frontend/screen_reader/announcements.h"

#include "frontend/screen_reader/accessible.h"

namespace verminadia::frontend {

Reading readScreen(const Game& g) { return Reading{messagePanelText(g.form)}; }

std::vector<Announcement> announcements(const Reading& before, const Reading& after) {
    std::vector<Announcement> out;
    if (after.messagePanel != before.messagePanel) out.push_back({W::Panel5, after.messagePanel});
    return out;
}

}  // namespace verminadia::frontend
