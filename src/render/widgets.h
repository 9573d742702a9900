// The state and rules of the small scene widgets, apart from their drawing: the
// flying bonus numbers (clsDigit), the colour-bonus indicator (clsCHB), the label
// sweep (clsHLLabel), the number-texture index of a character (clsNumTexs) and the
// Miracle progress bar's width.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "game/rng.h"

namespace zembrol::render {

// nt_SetTex: the number-texture entry of a character: "0".."9" → 0..9, "a".."f" →
// 10..15, "-" → 16; -1 for any other character.
inline constexpr int kNumTextures = 17;
int NumTextureIndex(char c);

// The values a flight can show, read from the game when it starts.
struct DigitSources {
    int32_t timeBonusNow = 0;   // slot 1
    int32_t miracleMeter = 0;   // slot 3
    int32_t colorTime = 0;      // slot 4
};

// One clsDigit: a flight of up to 7 characters that hops up and back down.
class clsDigit {
public:
    static constexpr int kFlightLimit = 180;   // degrees: a hop up and back down

    // dg_Init: slot 1..6.
    void dg_Init(int slot, bool* ok);
    // dg_ReInit: starts a flight at (x, y); `amount` is shown by slots 2, 5 and 6.
    // nextPosX is the skin's first next panel (slot 3 flies toward the field).
    void dg_ReInit(float x, float y, int32_t amount, const DigitSources& sources, float nextPosX, Rng& rng);

    struct Glyph {
        char c;
        float x, y;
    };
    // dg_Draw's step: advances the flight one frame and returns the characters to
    // draw with their places (empty once the flight is over).
    std::vector<Glyph> dg_Step();

    int Slot() const { return slot_; }
    const std::string& Text() const { return text_; }   // 7 characters, blanks = ' '
    int ColorIndex() const { return colorIndex_; }       // g_Materials: 1 negative, 2 zero, 3 positive
    bool Flying() const { return usable_ && counter_ < kFlightLimit; }

private:
    int slot_ = 0;
    bool usable_ = false;
    std::string text_ = std::string(7, ' ');
    int colorIndex_ = 2;
    float x_ = 0, y_ = 0, drift_ = 0;
    int counter_ = kFlightLimit;
};

// The text a slot shows for a value: its letter "a".."f" then the decimal value,
// cut to 7 characters and padded with blanks.
std::string DigitText(int slot, int32_t value);
// 3 for a value of 1 or more, 2 for 0, 1 for a negative value.
int DigitColorIndex(int32_t value);

// clsCHB: the row of balls above the field that grows with the colour-bonus time.
class clsCHB {
public:
    void chb_Enable(bool on) { enabled_ = on; }
    bool Enabled() const { return enabled_; }
    // 255 → material 1 (red), 65280 → 2 (green), 16711680 → 3 (blue); others change nothing.
    void chb_SetColor(uint32_t bgr);
    // Step = round(|time| / 653 * 15); a new step restarts the pulse.
    void chb_SetPos(int32_t colorTime);
    int Step() const { return step_; }
    float Pulse() const { return pulse_; }
    int MaterialIndex() const { return materialIndex_; }

    struct Ball {
        float x, y, z, scale;
    };
    // The balls chb_Draw places: i = 1..step at (i + 2.5, -2.75, 0), the newest scaled by the pulse.
    std::vector<Ball> Balls() const;

private:
    bool enabled_ = false;
    int step_ = 0, previousStep_ = 0;
    int pulseCounter_ = 0;
    float pulse_ = 1;
    int materialIndex_ = 2;
};

// clsHLLabel: a place label's sweep from 0 to 615.
class clsHLLabel {
public:
    // hll_init: reset, speed = round((6 - g_Speed) * (Rnd * 4 + 1)).
    void hll_init(int gameSpeed, Rng& rng);
    // hhl_setPlace: a new place starts a sweep.
    void hhl_setPlace(int place);
    // hll_run: one step; value is the label's height, changed is true while running.
    void hll_run(int* value, bool* changed);
    int Speed() const { return speed_; }
    bool Running() const { return running_; }

private:
    int position_ = 0, place_ = 0, speed_ = 0;
    bool running_ = false;
};

// Width of the Miracle progress bar over the first next panel: meter / 351 * 4.
float ProgressBarWidth(int32_t miracleMeter);

}  // namespace zembrol::render
