// The view's events: flying numbers into their slots.
#include "render/view_events.h"

#include "render/view.h"

namespace zembrol::render {

bool ViewEvents::OnGameEvent(const GameEvent& e) {
    const float x = static_cast<float>(e.column), y = static_cast<float>(e.row);
    auto fly = [&](NumberFlight flight) {
        if (view_) view_->FlyNumber(flight, e.value, x, y, *state_, settings_);
        return true;
    };
    switch (e.kind) {
        // Prices, Inversia and the colour bonus take turns in slots 2, 5 and 6, so one
        // flight does not cut another short.
        case EventKind::FlyingDigits: return fly(NumberFlight::Amount);
        // The landing's time bonus flies from slot 1.
        case EventKind::TimeBonusDigits: return fly(NumberFlight::TimeBonus);
        case EventKind::MiracleDigits: return fly(NumberFlight::Miracle);
        // Each frame picks the block texture of the level it draws: nothing is kept to refresh.
        case EventKind::BlockMeshesRefresh: return true;
        default: return false;
    }
}

}  // namespace zembrol::render
