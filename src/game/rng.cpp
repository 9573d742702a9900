// Rng: a 64-bit Mersenne twister behind the two operations the rules use.
#include "game/rng.h"

#include <sstream>

namespace zembrol {

Rng::Rng(std::function<uint64_t()> clockSeed) : engine_(clockSeed()), clockSeed_(std::move(clockSeed)) {}

Rng::Rng(uint64_t seed) : engine_(seed) {}

double Rng::Rnd() {
    // 53 random bits give every double in [0, 1) on a uniform grid.
    return static_cast<double>(engine_() >> 11) * (1.0 / 9007199254740992.0);
}

void Rng::Randomize() {
    // The clock is mixed into the running state rather than replacing it: two
    // reseeds within one clock step must not repeat the same draws.
    if (clockSeed_) engine_.seed(clockSeed_() ^ engine_());
}

std::string Rng::State() const {
    std::ostringstream out;
    out << engine_;
    return out.str();
}

bool Rng::SetState(const std::string& text) {
    std::istringstream in(text);
    std::mt19937_64 engine;
    in >> engine;
    if (in.fail()) return false;
    in >> std::ws;
    if (!in.eof()) return false;
    engine_ = engine;
    return true;
}

}  // namespace zembrol
