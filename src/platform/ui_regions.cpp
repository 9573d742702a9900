#include "platform/ui_regions.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace zembrol::platform {

namespace {
constexpr uint64_t kStart = 1469598103934665603ull;

uint64_t Mix(uint64_t h, uint64_t word) {
    h ^= word;
    h *= 0x9E3779B97F4A7C15ull;
    return h ^ (h >> 29);
}
}  // namespace

uint64_t Fingerprint(const void* data, size_t size, uint64_t seed) {
    // Eight bytes at a time, the tail padded with zeros; the size is part of it.
    const auto* p = static_cast<const unsigned char*>(data);
    uint64_t h = Mix(seed, size);
    size_t k = 0;
    for (; k + 8 <= size; k += 8) {
        uint64_t word;
        std::memcpy(&word, p + k, 8);
        h = Mix(h, word);
    }
    if (k < size) {
        uint64_t word = 0;
        std::memcpy(&word, p + k, size - k);
        h = Mix(h, word);
    }
    return h;
}

void RegionPrints::Reset(int width, int height) {
    width_ = std::max(0, width);
    height_ = std::max(0, height);
    columns_ = (width_ + kCell - 1) / kCell;
    rows_ = (height_ + kCell - 1) / kCell;
    prints_.assign(static_cast<size_t>(columns_) * static_cast<size_t>(rows_), kStart);
}

void RegionPrints::Add(float x0, float y0, float x1, float y1, uint64_t print) {
    if (!(x0 < x1) || !(y0 < y1)) return;   // nothing drawn (NaN boxes included)
    const int left = std::max(0, static_cast<int>(std::floor(std::max(x0, -1.0f))) - 1);
    const int top = std::max(0, static_cast<int>(std::floor(std::max(y0, -1.0f))) - 1);
    const float limitX = static_cast<float>(width_) + 1, limitY = static_cast<float>(height_) + 1;
    const int right = std::min(width_, static_cast<int>(std::ceil(std::min(x1, limitX))) + 1);
    const int bottom = std::min(height_, static_cast<int>(std::ceil(std::min(y1, limitY))) + 1);
    if (left >= right || top >= bottom) return;
    for (int row = top / kCell; row <= (bottom - 1) / kCell; ++row)
        for (int column = left / kCell; column <= (right - 1) / kCell; ++column) {
            uint64_t& cell = prints_[static_cast<size_t>(row) * static_cast<size_t>(columns_) + static_cast<size_t>(column)];
            cell = Mix(cell, print);
        }
}

PixelBox RegionPrints::ChangedSince(const RegionPrints& shown) const {
    if (shown.width_ != width_ || shown.height_ != height_) return {0, 0, width_, height_};
    int left = columns_, right = -1, top = rows_, bottom = -1;
    for (int row = 0; row < rows_; ++row)
        for (int column = 0; column < columns_; ++column) {
            const size_t k = static_cast<size_t>(row) * static_cast<size_t>(columns_) + static_cast<size_t>(column);
            if (prints_[k] == shown.prints_[k]) continue;
            left = std::min(left, column);
            right = std::max(right, column);
            top = std::min(top, row);
            bottom = std::max(bottom, row);
        }
    if (right < 0) return {};
    const int x = left * kCell, y = top * kCell;
    return {x, y, std::min(width_, (right + 1) * kCell) - x, std::min(height_, (bottom + 1) * kCell) - y};
}

}  // namespace zembrol::platform
