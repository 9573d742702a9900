// SoundEvents: the sound subsystem of the running game — the ten event slots, the
// background music, and the rules that say when each sounds: the rules' sound
// events, the music's fade step once per frame and its pan sweep once per tick,
// pause, the level flight, the statistics music and the configuration's values.
//
// Who calls it: the application routes the sound events here, attaches the device
// at start-up (none in headless and scripted runs, or without a sound card: then
// everything stays silent), and calls the pause, flight and configuration hooks.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "game/game_events.h"
#include "game/rng.h"
#include "sound/bkg_music.h"
#include "sound/cls_dm_ctrl.h"
#include "sound/sound_context.h"

namespace zembrol {

struct Settings;

class SoundEvents {
public:
    // `variantSeed` seeds the sound's own generator, which picks the drop and landing
    // variants: the game's generator is never drawn, so a seeded game replays the
    // same with sound on or off.
    SoundEvents(Settings& settings, uint64_t variantSeed);
    SoundEvents(const SoundEvents&) = delete;
    SoundEvents& operator=(const SoundEvents&) = delete;

    // The sound device; null leaves the game silent. Attach before any file loads.
    void AttachDevice(AudioDevice* device) { ctx_.device = device; }
    bool HasDevice() const { return ctx_.device != nullptr; }
    // Until start-up completes, slots play only when forced (the start sound).
    void SetInitializationComplete(bool complete) { ctx_.initializationComplete = complete; }
    // Where a sound file that does not load is reported.
    void SetLog(std::function<void(const std::string&)> log) { ctx_.log = std::move(log); }

    // The sound events of the rules; false for an event that is not the sound's.
    bool OnGameEvent(const GameEvent& e);
    // Once per frame, drawn or not: the music's fade-in step.
    void AdvanceFrame() { music_.bkg_FadeStep(); }

    // The pause button: pressing stops the music and every slot; releasing resumes
    // only the music, and only when it is switched on.
    void Pause(bool pressed);
    // The level-change flight: the music stops and the level sound plays; at its end
    // the level sound stops and the music resumes when it is switched on.
    void LevelFlightStarted();
    void LevelFlightEnded();
    // The level statistics window plays its own track, with the fade-in.
    void StartStatsMusic(const std::string& path);
    // Shutdown: the music's buffer, then every slot's; nothing sounds afterwards.
    void ReleaseAll();
    // The settings window's music switch (EnableLoop already set) and SpeedChange 0.
    void MusicSwitched();
    void CentrePan() { pan_ = 0; music_.bkg_SetPan(0); }

    // The configuration's steps of the MUSIC section (load unless said).
    void MusicLoaded();                      // start from PathToBkgMusic with fade-in, then stop
    void StopMusic() { music_.bkg_Stop(); }
    bool MusicVolume(int16_t* volume) const; // save: the music's volume; false when it has none
    void MusicVolumeLoaded();
    void MusicFreqLoaded();
    // Slot `index` in the configuration's key order (kSlotPrefixes).
    void SlotLoaded(int index);
    void SlotSaving(int index);

    clsDMCtrl& Slot(SoundSlot slot) { return *slots_[static_cast<size_t>(slot)]; }
    BkgMusic& Music() { return music_; }
    // The music's pan (-5000 .. 5000, passing a bound by up to one step) and its direction.
    int32_t Pan() const { return pan_; }
    int32_t PanDirection() const { return panDirection_; }

private:
    void PanSweep();
    // The slot of configuration index `index`.
    clsDMCtrl& ConfigSlot(int index);

    Settings& settings_;
    SoundContext ctx_;
    std::array<std::unique_ptr<clsDMCtrl>, kSoundSlotCount> slots_;
    BkgMusic music_;
    Rng variants_;
    int32_t pan_ = 0;
    int32_t panDirection_ = 1;
};

}  // namespace zembrol
