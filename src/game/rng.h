// Rng: the one random generator of the game rules. Rnd() is uniform in [0, 1);
// Randomize() is the reseed from the clock that the rules do before draws.
// A fixed seed turns Randomize() into a no-op, so a whole game replays exactly.
#pragma once

#include <cstdint>
#include <functional>
#include <random>
#include <string>

namespace zembrol {

class Rng {
public:
    // Clock-seeded generator: Randomize() reseeds from clockSeed().
    explicit Rng(std::function<uint64_t()> clockSeed);
    // Fixed-seed generator: Randomize() does nothing.
    explicit Rng(uint64_t seed);

    double Rnd();
    void Randomize();
    bool Deterministic() const { return !clockSeed_; }
    // The generator's whole state as text, and back: a replay starts its game from the
    // state the recorded game found. SetState is false (and changes nothing) on bad text.
    // Switches where Randomize() takes its reseeds: a clock (or a journal's feed of the
    // values a recorded game took), or none, which makes Randomize() a no-op.
    void SetClockSeed(std::function<uint64_t()> clockSeed) { clockSeed_ = std::move(clockSeed); }
    std::string State() const;
    bool SetState(const std::string& text);

private:
    std::mt19937_64 engine_;
    std::function<uint64_t()> clockSeed_;
};

}  // namespace zembrol
