// Row removal effect: its row list and frame counter.
#include "effects/cls_del.h"

#include <cstddef>

namespace zembrol {

void clsDel::del_fInit() {
    rows_ = {};
    count_ = 0;
    frame_ = 0;
}

void clsDel::del_fAdd(int16_t row) {
    if (count_ >= 4) return;
    rows_[static_cast<std::size_t>(count_)] = row;
    ++count_;
}

bool clsDel::del_Step() {
    showing_ = frame_ < kFrames;
    if (!showing_) return false;
    drawn_ = frame_;
    ++frame_;
    return true;
}

}  // namespace zembrol
