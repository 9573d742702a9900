// The two sources of a sound, and the long sounds handed over piece by piece.
#include "platform/openal_sides.h"

#include <AL/alext.h>

#include <algorithm>
#include <chrono>

namespace zembrol::platform {

namespace {
// The playback rates a sound accepts, in hertz.
constexpr uint32_t kMinFrequency = 100, kMaxFrequency = 200000;
// Pieces of a long sound: eight of 4096 frames queued per side hold 0.74 s at
// 44.1 kHz (0.16 s at the highest rate), refilled every 10 ms.
constexpr size_t kPieceFrames = 4096;
constexpr int kPieces = 8;
constexpr auto kFeedEvery = std::chrono::milliseconds(10);
}  // namespace

// --- AlSides --------------------------------------------------------------------------

AlSides::AlSides(uint32_t rate, bool direct) : rate_(rate), frequency_(rate) {
    alGenSources(2, sources_);
    for (ALuint s : sources_) {
        alSourcei(s, AL_SOURCE_RELATIVE, AL_TRUE);
        alSource3f(s, AL_POSITION, 0, 0, 0);
        if (direct) alSourcei(s, AL_DIRECT_CHANNELS_SOFT, AL_TRUE);
    }
    ApplyGains();
}

AlSides::~AlSides() {
    alSourceStopv(2, sources_);
    alDeleteSources(2, sources_);
}

void AlSides::SetVolume(int32_t volume) {
    volume_ = volume;
    ApplyGains();
}

void AlSides::SetPan(int32_t pan) {
    pan_ = pan;
    ApplyGains();
}

void AlSides::SetFrequency(uint32_t frequency) {
    frequency_ = frequency == 0 ? rate_ : std::clamp(frequency, kMinFrequency, kMaxFrequency);
    const float pitch = static_cast<float>(frequency_) / static_cast<float>(rate_);
    for (ALuint s : sources_) alSourcef(s, AL_PITCH, pitch);
}

ALint AlSides::State(int side) const {
    ALint state = AL_STOPPED;
    alGetSourcei(sources_[side], AL_SOURCE_STATE, &state);
    return state;
}

void AlSides::ApplyGains() {
    double left = 1, right = 1;
    PanToGains(pan_, &left, &right);
    const double gain = VolumeToGain(volume_);
    alSourcef(sources_[0], AL_GAIN, static_cast<float>(gain * left));
    alSourcef(sources_[1], AL_GAIN, static_cast<float>(gain * right));
}

void SideFrames(const int16_t* samples, int channels, int side, size_t frames, std::vector<int16_t>* out) {
    const size_t stride = static_cast<size_t>(channels);
    const size_t channel = channels == 2 ? static_cast<size_t>(side) : 0;
    out->assign(frames * 2, 0);
    for (size_t i = 0; i < frames; ++i) (*out)[2 * i + static_cast<size_t>(side)] = samples[i * stride + channel];
}

// --- AlStream -------------------------------------------------------------------------

// A long sound: a few short pieces of each side queued on the two sources, read from
// its file as they are needed. Everything that touches the queues or the file holds
// the feeder's lock.
class AlStream final : public AudioBuffer {
public:
    AlStream(std::unique_ptr<SoundFile> file, bool direct, std::shared_ptr<AlStreamFeeder> feeder)
        : sides_(file->Rate(), direct), file_(std::move(file)), length_(file_->Frames()), feeder_(std::move(feeder)) {
        for (int s = 0; s < 2; ++s) {
            all_[s].resize(kPieces);
            alGenBuffers(kPieces, all_[s].data());
            free_[s] = all_[s];
        }
        {
            std::lock_guard<std::mutex> lock(feeder_->Mutex());
            QueueFree();
        }
        feeder_->Add(this);
    }
    ~AlStream() override {
        feeder_->Remove(this);
        alSourceStopv(2, sides_.Sources());
        for (int s = 0; s < 2; ++s) {
            alSourcei(sides_.Sources()[s], AL_BUFFER, 0);
            alDeleteBuffers(kPieces, all_[s].data());
        }
    }

    void SetVolume(int32_t volume) override { sides_.SetVolume(volume); }
    void SetPan(int32_t pan) override { sides_.SetPan(pan); }
    void SetFrequency(uint32_t frequency) override { sides_.SetFrequency(frequency); }
    uint32_t GetFrequency() const override { return sides_.GetFrequency(); }
    void SetCurrentPosition(uint32_t /*position*/) override {
        // Both sides go back together; a playing sound goes on from the start.
        std::lock_guard<std::mutex> lock(feeder_->Mutex());
        Rewind();
        if (playing_) alSourcePlayv(2, sides_.Sources());
    }
    void Play(bool looping) override {
        std::lock_guard<std::mutex> lock(feeder_->Mutex());
        looping_ = looping;
        if (playing_) return;
        if (ended_) Rewind();   // a sound played once to its end starts again, as a whole one does
        QueueFree();
        alSourcePlayv(2, sides_.Sources());
        playing_ = true;
    }
    void Stop() override {
        // Paused, not stopped: the next Play goes on from here.
        std::lock_guard<std::mutex> lock(feeder_->Mutex());
        if (!playing_) return;
        alSourcePausev(2, sides_.Sources());
        playing_ = false;
    }

    // The feeder's turn, with its lock held: played pieces are taken back and the
    // next ones queued. A side that ran dry stops; both start again together.
    void Feed() {
        if (!playing_) return;
        ALuint* sources = sides_.Sources();
        ALint done[2] = {0, 0};
        for (int s = 0; s < 2; ++s) alGetSourcei(sources[s], AL_BUFFERS_PROCESSED, &done[s]);
        for (ALint k = 0; k < std::min(done[0], done[1]); ++k)
            for (int s = 0; s < 2; ++s) {
                ALuint b = 0;
                alSourceUnqueueBuffers(sources[s], 1, &b);
                free_[s].push_back(b);
            }
        QueueFree();
        if (sides_.State(0) != AL_STOPPED || sides_.State(1) != AL_STOPPED) return;
        if (free_[0].size() == all_[0].size()) {
            playing_ = false;   // played once to its end
            ended_ = true;
        } else {
            alSourcePlayv(2, sources);
        }
    }

private:
    // Back to the first piece, both sides emptied and filled again; stopped.
    void Rewind() {
        alSourceStopv(2, sides_.Sources());
        for (int s = 0; s < 2; ++s) {
            alSourcei(sides_.Sources()[s], AL_BUFFER, 0);
            free_[s] = all_[s];
        }
        cursor_ = 0;
        ended_ = false;
        QueueFree();
    }
    void QueueFree() {
        const size_t channels = static_cast<size_t>(file_->Channels());
        while (!free_[0].empty() && !free_[1].empty()) {
            if (cursor_ >= length_) {
                if (!looping_ || length_ == 0) return;
                cursor_ = 0;
            }
            pieceFrames_.resize(kPieceFrames * channels);
            const size_t n = file_->Read(cursor_, std::min(kPieceFrames, length_ - cursor_), pieceFrames_.data());
            if (n == 0) {
                // The file holds less than its header said (or was cut short since):
                // the sound ends, and loops, where its frames end.
                length_ = cursor_;
                continue;
            }
            for (int s = 0; s < 2; ++s) {
                const ALuint b = free_[s].back();
                free_[s].pop_back();
                SideFrames(pieceFrames_.data(), file_->Channels(), s, n, &piece_);
                alBufferData(b, AL_FORMAT_STEREO16, piece_.data(), static_cast<ALsizei>(piece_.size() * 2),
                             static_cast<ALsizei>(file_->Rate()));
                alSourceQueueBuffers(sides_.Sources()[s], 1, &b);
            }
            cursor_ += n;
        }
    }

    AlSides sides_;
    std::unique_ptr<SoundFile> file_;
    size_t length_;   // frames: the header's word until the file is found to end sooner
    std::shared_ptr<AlStreamFeeder> feeder_;
    std::vector<ALuint> all_[2], free_[2];
    std::vector<int16_t> pieceFrames_;   // the next piece as the file gives it
    std::vector<int16_t> piece_;     // one side of it
    size_t cursor_ = 0;   // the next frame to queue
    bool looping_ = false, playing_ = false, ended_ = false;
};

std::unique_ptr<AudioBuffer> MakeAlStream(std::unique_ptr<SoundFile> file, bool direct,
                                          const std::shared_ptr<AlStreamFeeder>& feeder) {
    return std::make_unique<AlStream>(std::move(file), direct, feeder);
}

// --- AlStreamFeeder -------------------------------------------------------------------

AlStreamFeeder::AlStreamFeeder() : thread_([this] { Run(); }) {}

AlStreamFeeder::~AlStreamFeeder() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stop_ = true;
    }
    wake_.notify_all();
    thread_.join();
}

void AlStreamFeeder::Add(AlStream* stream) {
    std::lock_guard<std::mutex> lock(mutex_);
    streams_.push_back(stream);
}

void AlStreamFeeder::Remove(AlStream* stream) {
    std::lock_guard<std::mutex> lock(mutex_);
    streams_.erase(std::remove(streams_.begin(), streams_.end(), stream), streams_.end());
}

void AlStreamFeeder::Run() {
    std::unique_lock<std::mutex> lock(mutex_);
    while (!stop_) {
        for (AlStream* s : streams_) s->Feed();
        wake_.wait_for(lock, kFeedEvery);
    }
}

}  // namespace zembrol::platform
