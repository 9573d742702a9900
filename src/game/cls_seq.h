// clsSeq: the player's figure sequence, a cyclic list of up to ten figure numbers.
// The configuration loads it, the sequence editor edits it, ChooseFigure reads it.
#pragma once

#include <array>
#include <cstdint>

namespace zembrol {

class Rng;

class clsSeq {
public:
    static constexpr uint8_t kCapacity = 10;

    // Next item in reading order; the list is read cyclically.
    uint8_t Head();
    // Appends an item; a full list ignores the call.
    void PutItem(uint8_t item);
    uint8_t GetCount() const { return count_; }
    // Removes item n (1-based) and rewinds the reading position.
    void KillItem(uint8_t n);
    // Item in slot n (1-based); 0 beyond the slots.
    uint8_t GetValueItem(uint8_t n) const;
    // A random item (slot 0, which is 0, on an empty list). Reseeds the generator first.
    uint8_t GetRandom(Rng& rng);
    void seq_Clear();

    uint8_t Position() const { return position_; }
    // A saved read position (a replay restores the list as its game found it); 1 outside 1..10.
    void SetPosition(uint8_t position) { position_ = position >= 1 && position <= kCapacity ? position : 1; }

private:
    std::array<uint8_t, kCapacity + 1> items_{};  // slot 0 is never written
    uint8_t count_ = 0;
    uint8_t position_ = 1;
};

}  // namespace zembrol
