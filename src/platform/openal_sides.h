// The parts of a sound on the OpenAL device. Every sound plays as two sources sent
// straight to the left and the right speaker, each with the file's channel for its
// side and silence in the other, so volume and pan work on the two channels exactly
// as the game's decibel scale says. A short sound is held whole by OpenAL; a long
// one (the background music) is handed over piece by piece, read from its file as
// it plays, so that it is not held whole at all.
#pragma once

#include <AL/al.h>

#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "platform/openal_device.h"
#include "platform/sound_file.h"

namespace zembrol::platform {

// The two sources of a sound and its volume, pan and playback rate.
class AlSides {
public:
    AlSides(uint32_t rate, bool direct);
    ~AlSides();
    AlSides(const AlSides&) = delete;
    AlSides& operator=(const AlSides&) = delete;

    void SetVolume(int32_t volume);
    void SetPan(int32_t pan);
    void SetFrequency(uint32_t frequency);
    uint32_t GetFrequency() const { return frequency_; }
    ALuint* Sources() { return sources_; }
    ALint State(int side) const;
    bool Playing() const { return State(0) == AL_PLAYING; }

private:
    void ApplyGains();

    ALuint sources_[2] = {0, 0};
    uint32_t rate_;
    uint32_t frequency_;
    int32_t volume_ = 0;
    int32_t pan_ = 0;
};

// Samples of one side of the sound: the channel `side` of `frames` interleaved frames
// of one or two channels (the one channel of a mono sound) as stereo frames with
// silence on the other side.
void SideFrames(const int16_t* samples, int channels, int side, size_t frames, std::vector<int16_t>* out);

class AlStream;

// Hands the next pieces to the long sounds that play, from a thread of its own, so
// the music goes on while a window or a message box holds the game's thread.
class AlStreamFeeder {
public:
    AlStreamFeeder();
    ~AlStreamFeeder();
    AlStreamFeeder(const AlStreamFeeder&) = delete;
    AlStreamFeeder& operator=(const AlStreamFeeder&) = delete;

    std::mutex& Mutex() { return mutex_; }
    void Add(AlStream* stream);
    void Remove(AlStream* stream);

private:
    void Run();

    std::mutex mutex_;
    std::condition_variable wake_;
    bool stop_ = false;
    std::vector<AlStream*> streams_;
    std::thread thread_;
};

// A long sound played from its file, read piece by piece as it plays.
std::unique_ptr<AudioBuffer> MakeAlStream(std::unique_ptr<SoundFile> file, bool direct,
                                          const std::shared_ptr<AlStreamFeeder>& feeder);

}  // namespace zembrol::platform
