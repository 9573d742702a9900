// The background music: one looping buffer with its fade-in from -3500 and its pan,
// and the configuration values it keeps current (`freq`, `PathToBkgMusic`).
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "sound/audio_device.h"
#include "sound/sound_context.h"

namespace zembrol {

struct Settings;

class BkgMusic {
public:
    static constexpr int16_t kFadeStart = -3500;

    BkgMusic(const SoundContext& context, Settings& settings) : ctx_(context), settings_(settings) {}
    BkgMusic(const BkgMusic&) = delete;
    BkgMusic& operator=(const BkgMusic&) = delete;
    ~BkgMusic() { bkg_Release(); }

    // Loads `path` into a new buffer and plays it looped from the start (only with a device).
    void bkg_Play(const std::string& path);
    // bkg_Play, then the fade-in to the current volume; with `reset` a file that does
    // not load marks PathToBkgMusic unusable ("..."). Stopped again when EnableLoop is off.
    void bkg_Start(const std::string& path, bool reset);
    void bkg_Stop();
    void bkg_Resume();
    void bkg_Release();
    void bkg_SetVolume(int16_t volume, bool fade);
    // Once per frame: the fade-in rises by 10 until it passes the target volume.
    void bkg_FadeStep();
    void bkg_SetPan(int32_t pan);
    void bkg_SetFreq(int32_t frequency);
    int32_t bkg_GetFreq() const;
    int16_t bkg_GetVolume() const;

    bool Unavailable() const { return unavailable_; }
    const std::string& File() const { return file_; }
    int16_t FadeVolume() const { return fadeVolume_; }

private:
    bool Available() const { return buffer_ && !unavailable_; }

    const SoundContext& ctx_;
    Settings& settings_;
    std::unique_ptr<AudioBuffer> buffer_;
    bool unavailable_ = true;
    std::string file_;
    int16_t targetVolume_ = 0;
    int16_t fadeVolume_ = kFadeStart;
};

}  // namespace zembrol
