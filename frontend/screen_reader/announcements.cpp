#include "frontend/screen_reader/announcements.h"

#include <string_view>

#include "core/title.h"
#include "frontend/screen_reader/accessible.h"
#include "frontend/spaces.h"

namespace verminadia::frontend {

namespace {

// The lines the title, the prologue, the story, the ending and the credits are told on.
constexpr W kStoryLines[] = {W::GameTitle, W::StoryLine};
constexpr W kMessageLines[] = {W::MessageLine1, W::MessageLine2, W::MessageLine3};

// A place: its panel, what names it, and what it asks of the player, if anything.
struct Place {
    W panel;
    W name;
    std::optional<W> prompt;
};
constexpr Place kPlaces[] = {
    {.panel = W::TownButtons, .name = W::TownName, .prompt = std::nullopt},                // the town
    {.panel = W::StorePanel, .name = W::StoreName, .prompt = std::nullopt},                // the shop
    {.panel = W::InnPanel, .name = W::InnName, .prompt = std::nullopt},                    // the inn
    {.panel = W::ClassChoicePanel, .name = W::ArenaName, .prompt = W::ClassChoicePrompt},  // the arena's class choice
    {.panel = W::CasinoPanel, .name = W::CasinoName, .prompt = std::nullopt},              // the casino
};

// The hero bar in reading order: name, then level, rank, HP, MP and money.
constexpr W kHeroName = W::BarHeroName;
constexpr W kHeroValues[] = {W::BarLevel, W::BarRank, W::BarHp, W::BarMp, W::BarMoney};

bool blank(std::string_view s) { return trimSpaces(s).empty(); }

bool appeared(const Form& before, const Form& now, W w) { return now.showing(w) && !before.showing(w); }

bool rewritten(const Form& before, const Form& now, W w) {
    return now.showing(w) && before.showing(w) && now.caption(w) != before.caption(w);
}

// The title spelled out letter by letter is said once, whole.
bool partOfTitle(const Form& f, std::string_view caption) {
    const std::string_view title = f.catalogue().translate(kGameTitle);
    return caption.size() < title.size() && title.substr(0, caption.size()) == caption;
}

bool within(std::optional<W> w, W panel) {
    for (; w && *w != W::Window; w = def(*w).parent) {
        if (*w == panel) return true;
    }
    return false;
}

}  // namespace

bool messagePanelWritten(const Form& before, const Form& now) {
    for (const W line : kMessageLines) {
        if (now.captionWrites(line) != before.captionWrites(line)) return true;
    }
    return false;
}

std::vector<std::string> announcements(const Form& before, const Form& now, std::optional<W> focusBefore,
                                       std::optional<W> focusAfter) {
    std::vector<std::string> said;
    for (const W w : kStoryLines) {
        const std::string& caption = now.caption(w);
        if ((appeared(before, now, w) || rewritten(before, now, w)) && !blank(caption) && !partOfTitle(now, caption))
            said.push_back(caption);
    }
    for (const Place& p : kPlaces) {
        if (!appeared(before, now, p.panel)) continue;
        // A reader says a place's name as the focus enters it.
        if (!within(focusAfter, p.panel) && !blank(now.caption(p.name))) said.push_back(now.caption(p.name));
        if (p.prompt && now.showing(*p.prompt) && !blank(now.caption(*p.prompt)))
            said.push_back(now.caption(*p.prompt));
    }
    // The panel's own text comes with the focus when the focus moves onto it.
    const bool panelTakesFocus = focusAfter == W::MessagePanel && focusBefore != W::MessagePanel;
    if (const std::string text = messagePanelText(now);
        now.showing(W::MessagePanel) && !text.empty() && messagePanelWritten(before, now) && !panelTakesFocus)
        said.push_back(text);
    for (const W w : kHeroValues) {
        if (rewritten(before, now, w) && !blank(now.caption(w))) said.push_back(now.caption(w));
    }
    return said;
}

std::optional<W> promptedPlace(W label) {
    for (const Place& p : kPlaces) {
        if (p.prompt == label) return p.panel;
    }
    return std::nullopt;
}

std::string heroStatus(const Form& f) {
    if (blank(f.caption(kHeroName))) return {};
    std::string status = f.caption(kHeroName);
    for (const W w : kHeroValues) {
        if (blank(f.caption(w))) continue;
        status += '\n';
        status += f.caption(w);
    }
    return status;
}

}  // namespace verminadia::frontend
