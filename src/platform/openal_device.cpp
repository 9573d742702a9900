// The OpenAL sound device and its buffers; wave files are read with SDL.
#include "platform/openal_device.h"

#include <AL/al.h>
#include <AL/alc.h>
#include <AL/alext.h>
#include <SDL.h>

#include "platform/files.h"
#include "platform/openal_sides.h"
#include "platform/image.h"

#include <algorithm>
#include <climits>
#include <optional>
#include <cstring>
#include <vector>

namespace zembrol::platform {

namespace {

// The file with every chunk length that reaches past the end of the file cut to what
// is there. SDL reserves a chunk's memory by its stated length before reading it, so a
// damaged length would otherwise ask for up to 4 GB; a file cut short still plays what
// it holds.
void CutChunksToFile(std::string& fixed) {
    // The chunks follow "RIFF", its length and "WAVE"; SDL also takes a file that
    // begins with "WAVE" itself.
    size_t at = 0;
    if (fixed.size() >= 12 && fixed.compare(0, 4, "RIFF") == 0) at = 12;
    else if (fixed.size() >= 4 && fixed.compare(0, 4, "WAVE") == 0) at = 4;
    else return;
    auto get = [&](size_t at) { return LittleEndian(reinterpret_cast<const unsigned char*>(&fixed[at]), 4); };
    auto put = [&](size_t at, uint32_t v) {
        for (size_t k = 0; k < 4; ++k) fixed[at + k] = static_cast<char>((v >> (8 * k)) & 0xFF);
    };
    if (at == 12 && get(4) > fixed.size() - 8) put(4, static_cast<uint32_t>(fixed.size() - 8));
    while (at + 8 <= fixed.size()) {
        const size_t left = fixed.size() - at - 8;
        uint32_t length = get(at + 4);
        if (length > left) put(at + 4, length = static_cast<uint32_t>(left));
        at += 8 + length + (length & 1);
    }
}

// Decodes the file's bytes, which it owns: a long piece of music is held at most
// twice at once while it is read (the decoder's copy and the samples), never more.
bool ReadWaveOwned(std::string file, Pcm* pcm, std::string* error) {
    SDL_AudioSpec spec;
    Uint8* data = nullptr;
    Uint32 length = 0;
    GuardDecoderBlocks();
    CutChunksToFile(file);
    SDL_RWops* rw = file.size() <= static_cast<size_t>(INT32_MAX)
                        ? SDL_RWFromConstMem(file.data(), static_cast<int>(file.size()))
                        : nullptr;
    if (!rw || !SDL_LoadWAV_RW(rw, 1, &spec, &data, &length)) {
        *error = SDL_GetError();
        return false;
    }
    std::string().swap(file);   // the decoder holds its own copy now
    if (length == 0 || !data) {
        SDL_FreeWAV(data);
        *error = "the file holds no sound";
        return false;
    }
    const int channels = spec.channels >= 2 ? 2 : 1;
    SDL_AudioCVT cvt;
    if (SDL_BuildAudioCVT(&cvt, spec.format, spec.channels, spec.freq, AUDIO_S16SYS, static_cast<Uint8>(channels),
                          spec.freq) < 0) {
        *error = SDL_GetError();
        SDL_FreeWAV(data);
        return false;
    }
    pcm->channels = channels;
    pcm->rate = static_cast<uint32_t>(spec.freq);
    if (!cvt.needed) {
        // 16-bit samples already: taken over as they are, without a working copy.
        const size_t frames = length / (2 * static_cast<size_t>(channels));
        if (frames == 0) {   // less than one whole frame
            SDL_FreeWAV(data);
            *error = "the file holds no sound";
            return false;
        }
        pcm->samples.resize(frames * static_cast<size_t>(channels));
        std::memcpy(pcm->samples.data(), data, pcm->samples.size() * 2);
        SDL_FreeWAV(data);
        return true;
    }
    std::vector<Uint8> work(static_cast<size_t>(length) * static_cast<size_t>(std::max(cvt.len_mult, 1)));
    std::memcpy(work.data(), data, length);
    SDL_FreeWAV(data);
    cvt.buf = work.data();
    cvt.len = static_cast<int>(length);
    if (SDL_ConvertAudio(&cvt) < 0) {
        *error = SDL_GetError();
        return false;
    }
    const size_t frames = static_cast<size_t>(cvt.len_cvt) / (2 * static_cast<size_t>(channels));
    if (frames == 0) {
        *error = "the file holds no sound";
        return false;
    }
    pcm->samples.resize(frames * static_cast<size_t>(channels));
    std::memcpy(pcm->samples.data(), work.data(), pcm->samples.size() * 2);
    return true;
}

bool ReadWave(const std::string& path, Pcm* pcm, std::string* error) {
    FileRead read = ReadFileChecked(path, kSoundFileLimit);
    if (!read.Ok()) {
        *error = "cannot read " + path + ": " + read.error;
        return false;
    }
    return ReadWaveOwned(std::move(read.bytes), pcm, error);
}
}  // namespace

bool ReadWaveBytes(std::string_view bytes, Pcm* pcm, std::string* error) {
    return ReadWaveOwned(std::string(bytes), pcm, error);
}

namespace {

// A short sound, held whole by OpenAL: one buffer per side.
class AlBuffer final : public AudioBuffer {
public:
    AlBuffer(const Pcm& pcm, bool direct) : sides_(pcm.rate, direct) {
        alGenBuffers(2, buffers_);
        const size_t frames = pcm.samples.size() / static_cast<size_t>(pcm.channels);
        std::vector<int16_t> side;
        for (int c = 0; c < 2; ++c) {
            SideFrames(pcm, c, 0, frames, &side);
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
        std::unique_ptr<AudioBuffer> buffer;
        // A long file of plain 16-bit samples plays from the file; any other long
        // one from its samples decoded once; a short one is held whole.
        std::unique_ptr<FrameSource> stream = WaveFileSource(path);
        if (!stream || !stream->Long()) {
            stream.reset();
            Pcm pcm;
            if (!ReadWave(path, &pcm, error)) return nullptr;
            const size_t frames = pcm.samples.size() / static_cast<size_t>(pcm.channels);
            if (FrameSource::IsLongSound(frames, pcm.rate)) stream = MemorySource(std::move(pcm));
            else buffer = std::make_unique<AlBuffer>(pcm, direct_);
        }
        if (stream) buffer = MakeAlStream(std::move(stream), direct_, Feeder());
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
