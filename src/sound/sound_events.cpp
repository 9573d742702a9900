// The sound events of the rules.
#include "sound/sound_events.h"

#include "settings/settings.h"

namespace zembrol {

bool SoundEvents::OnGameEvent(const GameEvent& e) {
    switch (e.kind) {
        case EventKind::PlaySound:
        case EventKind::PlaySoundAt:
        case EventKind::PlaySoundAtNextFigure:
            ++played_[static_cast<size_t>(e.slot)];
            return true;
        case EventKind::MusicStart: ++musicStarts_; return true;
        case EventKind::MusicPanSweep: {
            if (!settings_.EnableLoop) return true;
            // The pan swings between about -5000 and 5000 and may pass a bound by one step.
            if (pan_ > 5000 || pan_ < -5000) panDirection_ = -panDirection_;
            pan_ += panDirection_ * settings_.SpeedChange;
            return true;
        }
        default: return false;
    }
}

}  // namespace zembrol
