// clsSeq: list operations exactly as the sequence editor and the figure chooser expect.
#include "game/cls_seq.h"

#include <cmath>

#include "game/rng.h"

namespace zembrol {

uint8_t clsSeq::Head() {
    if (count_ > 0 && count_ < 11 && position_ <= count_) {
        uint8_t item = items_[position_];
        position_ = (position_ >= count_) ? 1 : position_ + 1;
        return item;
    }
    position_ = 1;
    return items_[1];
}

void clsSeq::PutItem(uint8_t item) {
    if (count_ < kCapacity) items_[++count_] = item;
}

void clsSeq::KillItem(uint8_t n) {
    position_ = 1;
    if (n > 0 && n < count_) {
        for (uint8_t k = n; k < count_; ++k) items_[k] = items_[k + 1];
        --count_;
    } else if (n == count_ && n != 0) {
        --count_;
    }
}

uint8_t clsSeq::GetValueItem(uint8_t n) const { return n <= kCapacity ? items_[n] : 0; }

uint8_t clsSeq::GetRandom(Rng& rng) {
    rng.Randomize();
    // Rounding half to even makes the first item half as likely and the last one
    // and a half times as likely as the others; the game has always drawn so.
    int k = static_cast<int>(std::nearbyint(rng.Rnd() * count_ + 1));
    if (k > count_) k = count_;
    return items_[k];
}

void clsSeq::seq_Clear() {
    count_ = 0;
    position_ = 1;
}

}  // namespace zembrol
