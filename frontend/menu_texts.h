#pragma once
// The texts of the window's own menu that every front end shows in the game's language.

#include <cstdint>
#include <string>
#include <string_view>

#include "core/text/text.h"
#include "frontend/stage.h"

namespace verminadia::frontend {

// TRANSLATORS: the context menu's entry that lists the languages.
inline constexpr std::string_view kLanguageMenuTitle = N_("言語");
// TRANSLATORS: the name of this catalogue's language, written in that language ("English").
inline constexpr std::string_view kLanguageName = N_("日本語");
// TRANSLATORS: the context menu's entry that mutes and unmutes all sound (also the key M).
inline constexpr std::string_view kMuteItem = N_("音を消す");
// TRANSLATORS: the context menu's entry on the title: continue the last session.
inline constexpr std::string_view kContinueItem = N_("つづきから");

// TRANSLATORS: the context menu's entries for the window's size: the scale, then the size in pixels.
inline constexpr std::string_view kScaleItem = N_("{scale}倍 ({width} × {height})");
// The context menu's entry for the window at `scale` times the designed size.
inline std::string scaleItem(int scale, const Catalogue& c) {
    return Text(kScaleItem)
        .with("scale", scale)
        .with("width", std::int64_t{kDesignWidth} * scale)
        .with("height", std::int64_t{kDesignHeight} * scale)
        .render(c);
}
// TRANSLATORS: the context menu's entry that fills the screen (also the key F11).
inline constexpr std::string_view kFullscreenItem = N_("全画面表示");

}  // namespace verminadia::frontend
