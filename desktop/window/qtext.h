#pragma once
// The game's texts are UTF-8; Qt's are QString.

#include <string_view>

#include <QString>

namespace verminadia::desktop {

inline QString qtext(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

}  // namespace verminadia::desktop
