// The MUSIC section of a configuration applied to the sound: the music's path,
// switch, volume and frequency, and the ten slots' files and values.
#pragma once

#include "app/config_targets.h"
#include "sound/sound_events.h"

namespace zembrol {

class SoundConfigTargets : public ConfigTargets {
public:
    explicit SoundConfigTargets(SoundEvents& sound) : sound_(sound) {}
    bool SoundSlotsExist() override { return true; }
    void MusicLoaded() override { sound_.MusicLoaded(); }
    void StopMusic() override { sound_.StopMusic(); }
    bool MusicVolume(short* volume) override { return sound_.MusicVolume(volume); }
    void MusicVolumeLoaded() override { sound_.MusicVolumeLoaded(); }
    void MusicFreqLoaded() override { sound_.MusicFreqLoaded(); }
    void SlotLoaded(int slot) override { sound_.SlotLoaded(slot); }
    void SlotSaving(int slot) override { sound_.SlotSaving(slot); }

private:
    SoundEvents& sound_;
};

}  // namespace zembrol
