// clsDMCtrl: the event sound slot.
#include "sound/cls_dm_ctrl.h"

#include "settings/settings.h"

namespace zembrol {

void clsDMCtrl::DMCtrlPlay(bool force, float /*x*/, float /*y*/, float /*z*/) {
    if (!ctx_->device || !ctx_->settings || !ctx_->settings->EnableSoundControl || !enabled_ || notLoaded_ || !buffer_) return;
    if (!force && !ctx_->initializationComplete) return;
    buffer_->SetVolume(volume_);
    buffer_->SetFrequency(frequency_ < 0 ? 0u : static_cast<uint32_t>(frequency_));
    buffer_->SetCurrentPosition(0);
    buffer_->Play(false);
}

void clsDMCtrl::aPath(const std::string& path) {
    path_ = path;
    DMCtrlPlay(dmStay());
}

void clsDMCtrl::aVol(int16_t volume) {
    volume_ = volume;
    DMCtrlPlay(false);
}

void clsDMCtrl::aFreq(int32_t frequency) {
    frequency_ = frequency;
    DMCtrlPlay(false);
}

bool clsDMCtrl::dmStay() {
    dmRelease();
    if (!ctx_->device) return false;
    std::string error;
    buffer_ = ctx_->device->CreateBuffer(path_, &error);
    notLoaded_ = !buffer_;
    if (!buffer_) {
        if (ctx_->log) ctx_->log("dmStay(): " + path_ + " - " + error);
        return false;
    }
    frequency_ = static_cast<int32_t>(buffer_->GetFrequency());
    return true;
}

void clsDMCtrl::dmStop() {
    if (buffer_) buffer_->Stop();
}

void clsDMCtrl::dmRelease() {
    if (buffer_) buffer_->Stop();
    buffer_.reset();
    notLoaded_ = true;
}

void clsDMCtrl::Configure(const std::string& path, bool enabled, int16_t volume, int32_t frequency) {
    path_ = path;
    dmStay();
    enabled_ = enabled;
    volume_ = volume;
    frequency_ = frequency;
}

}  // namespace zembrol
