// The parts of a sound on the OpenAL device. Every sound plays as two sources sent
// straight to the left and the right speaker, each with the file's channel for its
// side and silence in the other, so volume and pan work on the two channels exactly
// as the game's decibel scale says. A short sound is held whole by OpenAL; a long
// one (the background music) is handed over piece by piece, read from its file as
// it plays (or from one copy of its samples), so that it is not held whole at all.
#pragma once

#include <AL/al.h>

#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "platform/openal_device.h"

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

// A little-endian number of `count` bytes, as wave files keep them.
uint32_t LittleEndian(const unsigned char* bytes, int count);

// Samples of one side of the sound: the file's channel `side` (the one channel of
// a mono file) as stereo frames with silence on the other side.
void SideFrames(const Pcm& pcm, int side, size_t from, size_t frames, std::vector<int16_t>* out);

// Where a long sound's frames come from: its samples in memory, or its wave file
// read piece by piece when it holds plain 16-bit samples.
class FrameSource {
public:
    FrameSource(int channels, uint32_t rate, size_t frames) : channels_(channels), rate_(rate), frames_(frames) {}
    virtual ~FrameSource() = default;
    int Channels() const { return channels_; }   // 1 or 2
    uint32_t Rate() const { return rate_; }
    size_t Frames() const { return frames_; }
    // Long enough to be handed over piece by piece.
    bool Long() const { return IsLongSound(frames_, rate_); }
    // `frames` frames from `from` into `out` (interleaved); frames past the end read as silence.
    void Read(size_t from, size_t frames, Pcm* out);

    static bool IsLongSound(size_t frames, uint32_t rate);

private:
    // `frames` frames from `from`, all within the sound, into `out` (already silent).
    virtual void Copy(size_t from, size_t frames, int16_t* out) = 0;

    int channels_;
    uint32_t rate_;
    size_t frames_;
};
std::unique_ptr<FrameSource> MemorySource(Pcm pcm);
// The file's 16-bit samples in place, or null when the file is anything else (an
// other format, a damaged header): such a file is decoded whole instead.
std::unique_ptr<FrameSource> WaveFileSource(const std::string& path);

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

std::unique_ptr<AudioBuffer> MakeAlStream(std::unique_ptr<FrameSource> source, bool direct,
                                          const std::shared_ptr<AlStreamFeeder>& feeder);

}  // namespace zembrol::platform
