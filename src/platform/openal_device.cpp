// The OpenAL sound device and its buffers.
#include "platform/openal_device.h"

#include <AL/al.h>
#include <AL/alc.h>
#include <AL/alext.h>

#include <vector>

#include "platform/openal_sides.h"
#include "platform/sound_file.h"

namespace zembrol::platform {

namespace {

// A short sound, held whole by OpenAL: one buffer per side.
class AlBuffer final : public AudioBuffer {
public:
    AlBuffer(const Pcm& pcm, bool direct) : sides_(pcm.rate, direct) {
        alGenBuffers(2, buffers_);
        const size_t frames = pcm.samples.size() / static_cast<size_t>(pcm.channels);
        std::vector<int16_t> side;
        for (int c = 0; c < 2; ++c) {
            SideFrames(pcm.samples.data(), pcm.channels, c, frames, &side);
            alBufferData(buffers_[c], AL_FORMAT_STEREO16, side.data(), static_cast<ALsizei>(side.size() * 2),
                         static_cast<ALsizei>(pcm.rate));
            alSourcei(sides_.Sources()[c], AL_BUFFER, static_cast<ALint>(buffers_[c]));
        }
    }
    ~AlBuffer() override {
        alSourceStopv(2, sides_.Sources());
        for (int c = 0; c < 2; ++c) alSourcei(sides_.Sources()[c], AL_BUFFER, 0);
        alDeleteBuffers(2, buffers_);
    }

    void SetVolume(int32_t volume) override { sides_.SetVolume(volume); }
    void SetPan(int32_t pan) override { sides_.SetPan(pan); }
    void SetFrequency(uint32_t frequency) override { sides_.SetFrequency(frequency); }
    uint32_t GetFrequency() const override { return sides_.GetFrequency(); }
    void SetCurrentPosition(uint32_t /*position*/) override {
        // Both sides go back together; a playing buffer goes on from the start.
        const bool playing = sides_.Playing();
        alSourceRewindv(2, sides_.Sources());
        if (playing) alSourcePlayv(2, sides_.Sources());
    }
    void Play(bool looping) override {
        for (int c = 0; c < 2; ++c) alSourcei(sides_.Sources()[c], AL_LOOPING, looping ? AL_TRUE : AL_FALSE);
        if (!sides_.Playing()) alSourcePlayv(2, sides_.Sources());
    }
    void Stop() override {
        // Paused, not stopped: the next Play goes on from here.
        if (sides_.Playing()) alSourcePausev(2, sides_.Sources());
    }

private:
    AlSides sides_;
    ALuint buffers_[2] = {0, 0};
};

class AlDevice final : public AudioDevice {
public:
    AlDevice(ALCdevice* device, ALCcontext* context)
        : device_(device), context_(context), direct_(alIsExtensionPresent("AL_SOFT_direct_channels") == AL_TRUE) {}
    ~AlDevice() override {
        alcMakeContextCurrent(nullptr);
        alcDestroyContext(context_);
        alcCloseDevice(device_);
    }

    std::unique_ptr<AudioBuffer> CreateBuffer(const std::string& path, std::string* error) override {
        alGetError();
        std::unique_ptr<SoundFile> file = SoundFile::Open(path, error);
        if (!file) return nullptr;
        // A long sound plays from its file, read as it plays; a short one is held whole.
        std::unique_ptr<AudioBuffer> buffer;
        if (file->Long()) {
            buffer = MakeAlStream(std::move(file), direct_, Feeder());
        } else {
            Pcm pcm;
            if (!file->ReadAll(&pcm, error)) return nullptr;
            buffer = std::make_unique<AlBuffer>(pcm, direct_);
        }
        if (const ALenum e = alGetError(); e != AL_NO_ERROR) {
            *error = std::string("OpenAL error ") + alGetString(e);
            return nullptr;
        }
        return buffer;
    }

private:
    const std::shared_ptr<AlStreamFeeder>& Feeder() {
        if (!feeder_) feeder_ = std::make_shared<AlStreamFeeder>();
        return feeder_;
    }

    ALCdevice* device_;
    ALCcontext* context_;
    bool direct_;
    std::shared_ptr<AlStreamFeeder> feeder_;   // made with the first long sound
};

}  // namespace

AudioOpen OpenAudioDevice(std::unique_ptr<AudioDevice>* device, std::string* error) {
    ALCdevice* d = alcOpenDevice(nullptr);
    if (!d) {
        *error = "no sound output device";
        return AudioOpen::NoDevice;
    }
    ALCcontext* c = alcCreateContext(d, nullptr);
    if (!c || !alcMakeContextCurrent(c)) {
        const ALCenum e = alcGetError(d);
        *error = std::string("OpenAL context: ") + alcGetString(d, e);
        if (c) alcDestroyContext(c);
        alcCloseDevice(d);
        return AudioOpen::Failed;
    }
    *device = std::make_unique<AlDevice>(d, c);
    return AudioOpen::Opened;
}

}  // namespace zembrol::platform
