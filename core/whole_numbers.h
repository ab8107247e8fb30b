#pragma once
// The game's whole numbers are 32 bits, yet a purse doubled again and again at the casino, or any
// value the driver sets, can stand at either end. Sums and products on them are worked in 64 bits
// and stop at the ends rather than wrap round: a full purse stays full, a counter at the top stays
// there.

#include <algorithm>
#include <cstdint>
#include <limits>

namespace verminadia {

// `v`, or the end of the 32-bit range it lies beyond.
constexpr std::int32_t clampedInt(std::int64_t v) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(v, std::numeric_limits<std::int32_t>::min(),
                                                              std::numeric_limits<std::int32_t>::max()));
}

// Adds `amount` to `field` (or takes it away), stopping at the ends; returns the new value.
constexpr std::int32_t addClamped(std::int32_t& field, std::int64_t amount) {
    return field = clampedInt(std::int64_t{field} + amount);
}
constexpr std::int32_t subtractClamped(std::int32_t& field, std::int64_t amount) {
    return field = clampedInt(std::int64_t{field} - amount);
}

}  // namespace verminadia
