// clsRes: scrambling of the score (a xor with a key that moves on every write).
#include "game/cls_res.h"

#include <bit>

#include "game/saturate.h"

namespace zembrol {

namespace {
constexpr uint32_t kKeyStep = 0x9E3779B9u;  // odd: the key runs through all 2^32 values
}

clsRes::clsRes() : key_(static_cast<uint32_t>(reinterpret_cast<uintptr_t>(this) >> 4) * kKeyStep) {
    s_setval(0);
}

int32_t clsRes::s_getval() const {
    return static_cast<int32_t>(std::rotr(stored_, 7) ^ key_);
}

void clsRes::s_setval(int32_t value) {
    key_ += kKeyStep;
    stored_ = std::rotl(static_cast<uint32_t>(value) ^ key_, 7);
}

void clsRes::s_addval(int64_t delta) { s_setval(SatAdd(s_getval(), delta)); }

}  // namespace zembrol
