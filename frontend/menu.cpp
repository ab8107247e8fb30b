#include "frontend/menu.h"

#include <memory>

#include "frontend/menu_texts.h"
#include "language/choice.h"

namespace verminadia::frontend {

void Menu::offerLanguages(CatalogueSource& catalogues, const std::function<void()>& ready) {
    catalogues_ = &catalogues;
    // Listed in the game's order once the last catalogue is in. The menu lives as long as its
    // view, which outlives the fetches.
    auto naming = std::make_shared<std::vector<std::pair<std::string, std::string>>>();
    for (const std::string& code : languages()) naming->emplace_back(code, std::string());
    auto left = std::make_shared<std::size_t>(naming->size());
    for (std::size_t i = 0; i < naming->size(); ++i) {
        catalogues.get((*naming)[i].first, [this, naming, left, i, ready](const Catalogue& c) {
            (*naming)[i].second = c.translate(kLanguageName);
            if (--*left > 0) return;
            languages_ = *naming;
            if (ready) ready();
        });
    }
}

std::vector<MenuEntry> Menu::entries() const {
    const Catalogue& c = shell_.game().catalogue();
    const ViewChoice& view = shell_.view();
    std::vector<MenuEntry> all;
    if (shell_.can().scale) {
        for (int n = kMinScale; n <= kMaxScale; ++n) {
            all.push_back({.what = MenuChoice::Scale,
                           .scale = n,
                           .text = scaleItem(n, c),
                           .checked = !view.fullscreen && view.scale == n,
                           .group = MenuGroup::View});
        }
    }
    if (shell_.can().fullscreen) {
        all.push_back({.what = MenuChoice::Fullscreen,
                       .text = std::string(c.translate(kFullscreenItem)),
                       .checked = view.fullscreen,
                       .group = MenuGroup::View,
                       .shortcut = Shell::shortcutOf(Action::Fullscreen)});
    }
    for (const auto& [code, name] : languages_) {
        all.push_back({.what = MenuChoice::Language,
                       .language = code,
                       .text = name,
                       .checked = code == shell_.language(),
                       .group = MenuGroup::Language});
    }
    all.push_back({.what = MenuChoice::Mute,
                   .text = std::string(c.translate(kMuteItem)),
                   .checked = shell_.muted(),
                   .shortcut = Shell::shortcutOf(Action::Mute)});
    all.push_back(
        {.what = MenuChoice::Continue, .text = std::string(c.translate(kContinueItem)), .shown = shell_.canContinue()});
    return all;
}

std::string Menu::languagesTitle() const {
    return std::string(shell_.game().catalogue().translate(kLanguageMenuTitle));
}

void Menu::choose(const MenuEntry& entry) {
    switch (entry.what) {
        case MenuChoice::Scale: shell_.chooseView({entry.scale, false}); return;
        case MenuChoice::Fullscreen: shell_.chooseView({shell_.view().scale, !shell_.view().fullscreen}); return;
        case MenuChoice::Language: shell_.chooseLanguage(entry.language, catalogues_); return;
        case MenuChoice::Mute: shell_.toggleMute(); return;
        case MenuChoice::Continue: shell_.continueLast(); return;
    }
}

}  // namespace verminadia::frontend
