// Round half to even, as every "round" of the old program (the default rounding
// mode): the rules and the drawing round the same way.
#pragma once

#include <cmath>
#include <cstdint>

namespace zembrol {

inline int32_t RoundEven(double v) { return static_cast<int32_t>(std::nearbyint(v)); }

}  // namespace zembrol
