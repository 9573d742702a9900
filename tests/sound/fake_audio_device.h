// A sound device for tests: "files" are names with a rate, buffers keep what was
// done to them (volume, pan, frequency, playing, starts from the beginning) and a
// journal of every call in order.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "sound/audio_device.h"

namespace zembrol::testing {

class FakeAudioDevice;

class FakeAudioBuffer final : public AudioBuffer {
public:
    FakeAudioBuffer(FakeAudioDevice& device, std::string name, uint32_t rate);
    ~FakeAudioBuffer() override;

    void SetVolume(int32_t v) override { volume = v; Note("SetVolume " + std::to_string(v)); }
    void SetPan(int32_t p) override { pan = p; Note("SetPan " + std::to_string(p)); }
    void SetFrequency(uint32_t f) override { frequency = f == 0 ? rate : f; Note("SetFrequency " + std::to_string(f)); }
    uint32_t GetFrequency() const override { return frequency; }
    void SetCurrentPosition(uint32_t p) override {
        atStart = p == 0;
        Note("SetCurrentPosition " + std::to_string(p));
    }
    void Play(bool loop) override {
        looping = loop;
        if (atStart) ++starts;
        atStart = false;
        playing = true;
        Note(loop ? "Play looping" : "Play");
    }
    void Stop() override { playing = false; Note("Stop"); }

    std::string name;
    uint32_t rate, frequency;
    int32_t volume = 0, pan = 0;
    bool playing = false, looping = false, atStart = true;
    int starts = 0;   // plays that began at the start of the sound

private:
    void Note(const std::string& what);
    FakeAudioDevice& device_;
};

class FakeAudioDevice final : public AudioDevice {
public:
    std::map<std::string, uint32_t> files;       // readable files and their rates
    std::map<std::string, FakeAudioBuffer*> live; // buffers that exist, by file
    std::vector<std::string> journal;            // "file: call", in order
    int created = 0;

    std::unique_ptr<AudioBuffer> CreateBuffer(const std::string& path, std::string* error) override {
        auto f = files.find(path);
        if (f == files.end()) {
            *error = "file not found";
            return nullptr;
        }
        ++created;
        journal.push_back(path + ": created");
        return std::make_unique<FakeAudioBuffer>(*this, path, f->second);
    }
    FakeAudioBuffer* Buffer(const std::string& path) {
        auto b = live.find(path);
        return b == live.end() ? nullptr : b->second;
    }
    // The calls on one file's buffers, in order.
    std::vector<std::string> Calls(const std::string& path) const {
        std::vector<std::string> out;
        for (const std::string& j : journal)
            if (j.rfind(path + ": ", 0) == 0) out.push_back(j.substr(path.size() + 2));
        return out;
    }
};

inline FakeAudioBuffer::FakeAudioBuffer(FakeAudioDevice& device, std::string n, uint32_t r)
    : name(std::move(n)), rate(r), frequency(r), device_(device) {
    device_.live[name] = this;
}
inline FakeAudioBuffer::~FakeAudioBuffer() {
    device_.journal.push_back(name + ": released");
    auto it = device_.live.find(name);
    if (it != device_.live.end() && it->second == this) device_.live.erase(it);
}
inline void FakeAudioBuffer::Note(const std::string& what) { device_.journal.push_back(name + ": " + what); }

}  // namespace zembrol::testing
