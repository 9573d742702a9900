// The sound device as the sound logic sees it: a device that makes buffers from
// wave files, and the buffers themselves with the controls a slot and the music
// use. Volumes are in hundredths of a decibel (0 full, -10000 silent), pan runs
// from -10000 (left only) to 10000 (right only), frequency is the playback rate in
// hertz (0: the file's own rate).
//
// Who implements it: platform/openal_device (the real device) and the tests' fake.
// Every call happens on the user-interface thread; the device mixes on its own.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <memory>
#include <string>

namespace zembrol {

class AudioBuffer {
public:
    virtual ~AudioBuffer() = default;
    virtual void SetVolume(int32_t volume) = 0;
    virtual void SetPan(int32_t pan) = 0;
    // 0 goes back to the file's own rate.
    virtual void SetFrequency(uint32_t frequency) = 0;
    // The rate the buffer plays at now (the file's own rate until set).
    virtual uint32_t GetFrequency() const = 0;
    // Only position 0 is used: a restart from the beginning, playing or not.
    virtual void SetCurrentPosition(uint32_t position) = 0;
    // Plays from the current position; a buffer that plays already only takes the looping flag.
    virtual void Play(bool looping) = 0;
    // Stops at the current position: Play goes on from there.
    virtual void Stop() = 0;
};

class AudioDevice {
public:
    virtual ~AudioDevice() = default;
    // A buffer holding the wave file at `path`; null with `error` set when the file
    // is missing or cannot be read.
    virtual std::unique_ptr<AudioBuffer> CreateBuffer(const std::string& path, std::string* error) = 0;
};

// The decibel scale of the device in linear terms: the gain of `volume`
// (hundredths of a decibel, 0 = 1.0, -10000 and below = 0).
inline double VolumeToGain(int32_t volume) {
    if (volume <= -10000) return 0.0;
    return std::pow(10.0, std::min<int32_t>(volume, 0) / 2000.0);
}

// Gains of the left and right channel for a pan: the channel away from the pan is
// attenuated by |pan| hundredths of a decibel.
inline void PanToGains(int32_t pan, double* left, double* right) {
    pan = std::clamp<int32_t>(pan, -10000, 10000);
    *left = pan > 0 ? VolumeToGain(-pan) : 1.0;
    *right = pan < 0 ? VolumeToGain(pan) : 1.0;
}

}  // namespace zembrol
