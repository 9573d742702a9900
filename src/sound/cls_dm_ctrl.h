// clsDMCtrl: one event sound slot — its wave file, volume, frequency and switch,
// and the one device buffer it plays (restarted from the beginning each time).
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "sound/audio_device.h"
#include "sound/sound_context.h"

namespace zembrol {

class clsDMCtrl {
public:
    explicit clsDMCtrl(const SoundContext& context) : ctx_(&context) {}
    clsDMCtrl(const clsDMCtrl&) = delete;
    clsDMCtrl& operator=(const clsDMCtrl&) = delete;
    ~clsDMCtrl() { dmRelease(); }

    // Plays the slot once from its beginning, when the device exists, event sounds
    // are on, the slot is enabled and loaded, and start-up is complete or `force`.
    // The position is the event's place on the field; playback does not use it.
    void DMCtrlPlay(bool force, float x = 0, float y = 0, float z = 0);

    const std::string& aPath() const { return path_; }
    // Loads the file; a successful load plays it once as a preview.
    void aPath(const std::string& path);
    int16_t aVol() const { return volume_; }
    // A preview at the new volume once start-up is complete.
    void aVol(int16_t volume);
    bool aEnbl() const { return enabled_; }
    void aEnbl(bool enabled) { enabled_ = enabled; }
    // The frequency, or 0 while not loaded.
    int32_t aFreq() const { return notLoaded_ ? 0 : frequency_; }
    void aFreq(int32_t frequency);

    // Loads the slot's file into its buffer; false (and not loaded) when it does not load.
    bool dmStay();
    void dmStop();
    void dmRelease();

    // The configuration's values, applied without a preview: loading a
    // configuration is not the player trying a sound.
    void Configure(const std::string& path, bool enabled, int16_t volume, int32_t frequency);
    bool NotLoaded() const { return notLoaded_; }

private:
    const SoundContext* ctx_;
    bool notLoaded_ = true;
    int16_t volume_ = 0;
    std::string path_;
    bool enabled_ = true;
    int32_t frequency_ = 0;
    std::unique_ptr<AudioBuffer> buffer_;
};

}  // namespace zembrol
