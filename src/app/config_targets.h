// What a loaded configuration is applied to: the main window, the sound slots,
// the music, the textures, lights and background animation. Each subsystem
// implements its part when it exists; until then nothing is applied.
#pragma once

#include <cstdint>

namespace zembrol {

class ConfigTargets {
public:
    virtual ~ConfigTargets() = default;
    // Main window position in twips; the window is returned to its normal state before reading.
    virtual bool GetWindowEdges(float* /*left*/, float* /*top*/) { return false; }
    virtual void SetWindowEdges(float /*left*/, float /*top*/) {}
    virtual void ResetLabelSweeps() {}   // hll_init of the two label sweeps
    virtual void WorldSpeedChanged() {}
    virtual bool SoundSlotsExist() { return false; }
    virtual void MusicLoaded() {}        // start with fade-in from PathToBkgMusic, then stop
    virtual void StopMusic() {}
    virtual bool MusicVolume(short* /*volume*/) { return false; }
    virtual void MusicVolumeLoaded() {}
    virtual void MusicFreqLoaded() {}
    virtual void SlotLoaded(int /*slot*/) {}
    virtual void SlotSaving(int /*slot*/) {}   // the slot's values into the settings before a save
    virtual void SkinLoaded() {}
    virtual void ControlsColorLoaded() {}
    virtual void DeformTypeLoaded() {}
    virtual void TexturePathLoaded(int /*index*/) {}
    virtual void DeformSpeedLoaded() {}
    virtual void GraphicsLoaded() {}     // lights re-created, light colours, materials
    // The window's mode and size: read before a save (false keeps the stored values),
    // applied after a load.
    virtual bool GetWindowMode(bool* /*fullscreen*/, int16_t* /*width*/, int16_t* /*height*/) { return false; }
    virtual void WindowModeLoaded() {}
};

}  // namespace zembrol
