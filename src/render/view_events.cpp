// The view's events: flying numbers into their slots.
#include "render/view_events.h"

#include "render/renderer.h"

namespace zembrol::render {

bool ViewEvents::OnGameEvent(const GameEvent& e) {
    const float x = static_cast<float>(e.column), y = static_cast<float>(e.row);
    switch (e.kind) {
        // Prices, Inversia and the colour bonus take turns in slots 2, 5 and 6, so one
        // flight does not cut another short.
        case EventKind::FlyingDigits:
            if (renderer_) renderer_->StartAmountDigits(e.value, x, y, *state_, settings_);
            return true;
        // The landing's time bonus flies from slot 1.
        case EventKind::TimeBonusDigits:
            if (renderer_) renderer_->StartDigits(1, x, y, e.value, *state_, settings_);
            return true;
        case EventKind::MiracleDigits:
            if (renderer_) renderer_->StartMiracleDigits(e.value, *state_, settings_);
            return true;
        // Each frame picks the block texture of the level it draws: nothing is kept to refresh.
        case EventKind::BlockMeshesRefresh: return true;
        default: return false;
    }
}

}  // namespace zembrol::render
