// Saturating arithmetic for the score and the counters: a very long game pins a
// total at its limit instead of wrapping it round to a negative number.
#pragma once

#include <cstdint>
#include <limits>

namespace zembrol {

inline int32_t ClampToInt32(int64_t v) {
    constexpr int64_t lo = std::numeric_limits<int32_t>::min();
    constexpr int64_t hi = std::numeric_limits<int32_t>::max();
    return static_cast<int32_t>(v < lo ? lo : (v > hi ? hi : v));
}

// a + b, pinned to the 32-bit range.
inline int32_t SatAdd(int32_t a, int64_t b) { return ClampToInt32(static_cast<int64_t>(a) + b); }

// A 16-bit view of a wider counter, for files and records that store 16 bits.
inline int16_t ClampToInt16(int64_t v) {
    constexpr int64_t lo = std::numeric_limits<int16_t>::min();
    constexpr int64_t hi = std::numeric_limits<int16_t>::max();
    return static_cast<int16_t>(v < lo ? lo : (v > hi ? hi : v));
}

}  // namespace zembrol
