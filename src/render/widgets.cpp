// Widget rules.
#include "render/widgets.h"

#include <cmath>
#include <cstdlib>

#include "game/rounding.h"
#include "render/lights.h"

namespace zembrol::render {

int NumTextureIndex(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return 10 + (c - 'a');
    if (c == '-') return 16;
    return -1;
}

std::string DigitText(int slot, int32_t value) {
    static const char kLetters[] = "abcdef";
    std::string t;
    if (slot >= 1 && slot <= 6) t += kLetters[slot - 1];
    t += std::to_string(value);
    t.resize(7, ' ');
    return t;
}

int DigitColorIndex(int32_t value) { return value >= 1 ? 3 : value == 0 ? 2 : 1; }

void clsDigit::dg_Init(int slot, bool* ok) {
    slot_ = slot;
    usable_ = slot >= 1 && slot <= 6;
    if (ok) *ok = usable_;
}

void clsDigit::dg_ReInit(float x, float y, int32_t amount, const DigitSources& src, float nextPosX, Rng& rng) {
    if (!usable_) return;
    int32_t value = amount;
    switch (slot_) {
        case 1: value = src.timeBonusNow; break;
        case 3: value = src.miracleMeter; break;
        case 4: value = src.colorTime; break;
        default: break;
    }
    text_ = DigitText(slot_, value);
    colorIndex_ = DigitColorIndex(value);
    x_ = x;
    y_ = y;
    counter_ = 0;
    if (slot_ == 3) {
        const float d = static_cast<float>(rng.Rnd() * 0.15);
        drift_ = nextPosX < 10 ? d : -d;
    } else {
        drift_ = static_cast<float>(rng.Rnd() * 0.1 - 0.05);
    }
}

std::vector<clsDigit::Glyph> clsDigit::dg_Step() {
    std::vector<Glyph> out;
    if (!Flying()) return out;
    ++counter_;
    x_ += drift_;
    const float h = y_ - SinDeg(counter_) * 10;
    for (size_t k = 0; k < text_.size(); ++k)
        if (text_[k] != ' ') out.push_back({text_[k], x_ + 1 + static_cast<float>(k), h});
    return out;
}

void clsCHB::chb_SetColor(uint32_t bgr) {
    if (bgr == 255) materialIndex_ = 1;
    else if (bgr == 65280) materialIndex_ = 2;
    else if (bgr == 16711680) materialIndex_ = 3;
}

void clsCHB::chb_SetPos(int32_t colorTime) {
    step_ = RoundEven(std::abs(static_cast<double>(colorTime)) / 653.0 * 15.0);
    if (step_ != previousStep_) {
        pulseCounter_ = 0;
        previousStep_ = step_;
    }
    ++pulseCounter_;
    pulse_ = static_cast<float>(46 - pulseCounter_) / 46.0f;
}

std::vector<clsCHB::Ball> clsCHB::Balls() const {
    std::vector<Ball> balls;
    for (int i = 1; i <= step_; ++i) balls.push_back({i + 2.5f, -2.75f, 0, i == step_ ? pulse_ : 1.0f});
    return balls;
}

void clsHLLabel::hll_init(int gameSpeed, Rng& rng) {
    position_ = place_ = 0;
    running_ = false;
    speed_ = RoundEven((6 - gameSpeed) * (rng.Rnd() * 4 + 1));
}

void clsHLLabel::hhl_setPlace(int place) {
    if (place == place_) return;
    position_ = 0;
    running_ = true;
    place_ = place;
}

void clsHLLabel::hll_run(int* value, bool* changed) {
    *changed = running_;
    if (!running_) {
        *value = position_;
        return;
    }
    position_ += speed_;
    if (position_ >= 616) {
        position_ = 0;
        running_ = false;
        *value = 615;
        return;
    }
    *value = position_;
}

float ProgressBarWidth(int32_t miracleMeter) { return static_cast<float>(miracleMeter) / 351.0f * 4.0f; }

}  // namespace zembrol::render
