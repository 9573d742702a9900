// SoundEvents: when each slot sounds and what the music does.
#include "sound/sound_events.h"

#include <cstring>

#include "settings/settings.h"

namespace zembrol {

SoundEvents::SoundEvents(Settings& settings, uint64_t variantSeed)
    : settings_(settings), music_(ctx_, settings), variants_(variantSeed) {
    ctx_.settings = &settings;
    for (auto& slot : slots_) slot = std::make_unique<clsDMCtrl>(ctx_);
}

bool SoundEvents::OnGameEvent(const GameEvent& e) {
    switch (e.kind) {
        case EventKind::PlaySound:
        case EventKind::PlaySoundAt:
        case EventKind::PlaySoundAtNextFigure: {
            SoundSlot slot = e.slot;
            // The rules name the first variant of a drop or a landing; which one
            // sounds is the sound's own choice.
            if (slot == SoundSlot::mDrop1) slot = variants_.Rnd() <= 0.5 ? SoundSlot::mDrop2 : SoundSlot::mDrop1;
            else if (slot == SoundSlot::mDown1) slot = variants_.Rnd() > 0.5 ? SoundSlot::mDown1 : SoundSlot::mDown2;
            Slot(slot).DMCtrlPlay(e.kind == EventKind::PlaySound && e.flag, static_cast<float>(e.column),
                                  static_cast<float>(e.row), 0.0f);
            return true;
        }
        case EventKind::MusicStart:
            music_.bkg_Start(settings_.PathToBkgMusic, false);
            // A game start resumes the music only when it is switched on: bkg_Start has
            // just stopped it otherwise.
            if (settings_.EnableLoop) music_.bkg_Resume();
            return true;
        case EventKind::MusicPanSweep: PanSweep(); return true;
        default: return false;
    }
}

void SoundEvents::PanSweep() {
    if (!settings_.EnableLoop) return;
    music_.bkg_SetPan(pan_);
    // The pan swings between about -5000 and 5000 and may pass a bound by one step.
    if (pan_ > 5000 || pan_ < -5000) panDirection_ = -panDirection_;
    pan_ += panDirection_ * settings_.SpeedChange;
}

void SoundEvents::Pause(bool pressed) {
    if (pressed) {
        music_.bkg_Stop();
        for (auto& slot : slots_) slot->dmStop();
    } else if (settings_.EnableLoop) {
        music_.bkg_Resume();
    }
}

void SoundEvents::LevelFlightStarted() {
    music_.bkg_Stop();
    Slot(SoundSlot::mLft1).DMCtrlPlay(false);
}

void SoundEvents::LevelFlightEnded() {
    Slot(SoundSlot::mLft1).dmStop();
    if (settings_.EnableLoop) music_.bkg_Resume();
}

void SoundEvents::StartStatsMusic(const std::string& path) {
    music_.bkg_Start(path, false);
}

void SoundEvents::ReleaseAll() {
    music_.bkg_Release();
    for (auto& slot : slots_) slot->dmRelease();
    ctx_.device = nullptr;
}

void SoundEvents::MusicSwitched() {
    if (settings_.EnableLoop) music_.bkg_Resume();
    else music_.bkg_Stop();
}

void SoundEvents::MusicLoaded() {
    music_.bkg_Start(settings_.PathToBkgMusic, true);
    music_.bkg_Stop();
}

bool SoundEvents::MusicVolume(int16_t* volume) const {
    // Without a device the music was never tried: the loaded volume is saved back as it was.
    if (!ctx_.device) return true;
    *volume = music_.bkg_GetVolume();
    return !music_.Unavailable();
}

void SoundEvents::MusicVolumeLoaded() {
    music_.bkg_SetVolume(settings_.DirectSound_Vol, false);
}

void SoundEvents::MusicFreqLoaded() {
    music_.bkg_SetFreq(settings_.freq);
}

clsDMCtrl& SoundEvents::ConfigSlot(int index) {
    const char* prefix = kSlotPrefixes[static_cast<size_t>(index)];
    for (size_t i = 0; i < kSoundSlotNames.size(); ++i)
        if (std::strcmp(kSoundSlotNames[i], prefix) == 0) return *slots_[i];
    return *slots_[0];  // the two name lists hold the same ten names
}

void SoundEvents::SlotLoaded(int index) {
    const SoundSlotSettings& s = settings_.slots[static_cast<size_t>(index)];
    ConfigSlot(index).Configure(s.Path, s.Enbl, s.Vol, s.Freq);
}

void SoundEvents::SlotSaving(int index) {
    // Without a device no slot was loaded: what the configuration held is saved back.
    if (!ctx_.device) return;
    SoundSlotSettings& s = settings_.slots[static_cast<size_t>(index)];
    const clsDMCtrl& slot = ConfigSlot(index);
    s.Path = slot.aPath();
    s.Enbl = slot.aEnbl();
    s.Vol = slot.aVol();
    s.Freq = slot.aFreq();
}

}  // namespace zembrol
