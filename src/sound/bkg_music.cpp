// The background music player.
#include "sound/bkg_music.h"

#include <algorithm>

#include "settings/settings.h"

namespace zembrol {

void BkgMusic::bkg_Play(const std::string& path) {
    if (!ctx_.device) return;
    file_ = path;
    bkg_Release();
    std::string error;
    buffer_ = ctx_.device->CreateBuffer(path, &error);
    unavailable_ = !buffer_;
    if (!buffer_) {
        if (ctx_.log) ctx_.log("bkg_Play(): " + path + " - " + error);
        return;
    }
    settings_.freq = static_cast<int32_t>(buffer_->GetFrequency());
    buffer_->SetCurrentPosition(0);
    buffer_->Play(true);
}

void BkgMusic::bkg_Start(const std::string& path, bool reset) {
    bkg_Play(path);
    // Without a device nothing was tried: the path stays as the player chose it.
    if (reset && unavailable_ && ctx_.device) {
        settings_.PathToBkgMusic = "...";
        if (!settings_.EnableLoop) bkg_Stop();
        return;
    }
    bkg_SetVolume(bkg_GetVolume(), true);
    if (!settings_.EnableLoop) bkg_Stop();
}

void BkgMusic::bkg_Stop() {
    if (!Available()) return;
    buffer_->Stop();
    fadeVolume_ = kFadeStart;
    buffer_->SetVolume(kFadeStart);
}

void BkgMusic::bkg_Resume() {
    if (Available()) buffer_->Play(true);
}

void BkgMusic::bkg_Release() {
    if (!buffer_) return;
    buffer_->Stop();
    unavailable_ = true;
    buffer_.reset();
}

void BkgMusic::bkg_SetVolume(int16_t volume, bool fade) {
    // The device's scale ends at full (0) and silent (-10000); a hand-edited value
    // outside it is taken to the nearer end.
    volume = std::clamp<int16_t>(volume, -10000, 0);
    if (fade) {
        if (Available()) buffer_->SetVolume(kFadeStart);
        fadeVolume_ = kFadeStart;
    } else if (Available()) {
        buffer_->SetVolume(volume);
    }
    targetVolume_ = volume;
}

void BkgMusic::bkg_FadeStep() {
    if (!buffer_) return;
    if (fadeVolume_ <= targetVolume_) {
        buffer_->SetVolume(fadeVolume_);
        fadeVolume_ = static_cast<int16_t>(fadeVolume_ + 10);
    } else if (fadeVolume_ == kFadeStart) {
        // A volume set below where the fade starts: the fade would never reach it
        // and the music would stay at -3500, louder than chosen. Go to it at once.
        buffer_->SetVolume(targetVolume_);
        fadeVolume_ = static_cast<int16_t>(targetVolume_ + 10);
    }
}

void BkgMusic::bkg_SetPan(int32_t pan) {
    if (Available()) buffer_->SetPan(pan);
}

void BkgMusic::bkg_SetFreq(int32_t frequency) {
    if (Available()) buffer_->SetFrequency(frequency < 0 ? 0u : static_cast<uint32_t>(frequency));
}

int32_t BkgMusic::bkg_GetFreq() const {
    return Available() ? static_cast<int32_t>(buffer_->GetFrequency()) : 0;
}

int16_t BkgMusic::bkg_GetVolume() const {
    return Available() ? targetVolume_ : 0;
}

}  // namespace zembrol
