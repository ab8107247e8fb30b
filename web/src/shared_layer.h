#pragma once
// What every front end shares, reached through this one header so that the page switches to the
// shared front-end layer in one place: the keyboard's stops in reading order, where the focus goes
// when a screen appears, and the pictures in words. Until that layer is here, the desktop's own
// Qt-free focus rules serve.
//
// Settings (scale, language, mute) and the session record are that layer's too, behind its
// storage interfaces; the page will hand them the browser's localStorage. Until then the page keeps
// nothing: the language comes from the browser at every visit.

#include <string>

#include "ui/focus_order.h"

namespace verminadia::web {

using ui::FocusStops;

// A picture in words for a screen reader; empty (a picture without a name) until the shared
// layer brings the descriptions in both languages.
inline std::string pictureDescription(W) { return {}; }

}  // namespace verminadia::web
