// clsRes: the score holder. The value is kept scrambled in memory so that a memory
// editor cannot find and change the running score; it behaves as a 32-bit signed
// integer that saturates at its limits instead of overflowing.
#pragma once

#include <cstdint>

namespace zembrol {

class clsRes {
public:
    clsRes();

    void s_reset() { s_setval(0); }
    int32_t s_getval() const;
    void s_setval(int32_t value);
    // Adds delta, pinned to the 32-bit range.
    void s_addval(int64_t delta);

private:
    uint32_t stored_ = 0;  // value xor key_, rotated
    uint32_t key_ = 0;     // changes on every write, so the stored bits never repeat a value
};

}  // namespace zembrol
