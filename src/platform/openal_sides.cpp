// The two sources of a sound, and the long sounds handed over piece by piece.
#include "platform/openal_sides.h"

#include <AL/alext.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstring>

namespace zembrol::platform {

namespace {
// The playback rates a sound accepts, in hertz.
constexpr uint32_t kMinFrequency = 100, kMaxFrequency = 200000;
// Pieces of a long sound: eight of 4096 frames queued per side hold 0.74 s at
// 44.1 kHz (0.16 s at the highest rate), refilled every 10 ms.
constexpr size_t kPieceFrames = 4096;
constexpr int kPieces = 8;
constexpr auto kFeedEvery = std::chrono::milliseconds(10);
// Sounds longer than this many seconds are handed over piece by piece.
constexpr size_t kStreamFromSeconds = 8;
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

uint32_t LittleEndian(const unsigned char* bytes, int count) {
    uint32_t v = 0;
    for (int k = 0; k < count; ++k) v |= static_cast<uint32_t>(bytes[k]) << (8 * k);
    return v;
}

void SideFrames(const Pcm& pcm, int side, size_t from, size_t frames, std::vector<int16_t>* out) {
    const size_t channels = static_cast<size_t>(pcm.channels);
    const size_t channel = pcm.channels == 2 ? static_cast<size_t>(side) : 0;
    out->assign(frames * 2, 0);
    for (size_t i = 0; i < frames; ++i) (*out)[2 * i + static_cast<size_t>(side)] = pcm.samples[(from + i) * channels + channel];
}

// --- Frame sources --------------------------------------------------------------------

bool FrameSource::IsLongSound(size_t frames, uint32_t rate) { return frames > kStreamFromSeconds * rate; }

void FrameSource::Read(size_t from, size_t frames, Pcm* out) {
    const size_t channels = static_cast<size_t>(channels_);
    out->channels = channels_;
    out->rate = rate_;
    out->samples.assign(frames * channels, 0);
    if (from < frames_) Copy(from, std::min(frames, frames_ - from), out->samples.data());
}

namespace {

class MemoryFrames final : public FrameSource {
public:
    explicit MemoryFrames(Pcm pcm)
        : FrameSource(pcm.channels, pcm.rate, pcm.samples.size() / static_cast<size_t>(pcm.channels)),
          samples_(std::move(pcm.samples)) {}

private:
    void Copy(size_t from, size_t frames, int16_t* out) override {
        const size_t channels = static_cast<size_t>(Channels());
        std::copy_n(samples_.begin() + static_cast<std::ptrdiff_t>(from * channels), frames * channels, out);
    }

    std::vector<int16_t> samples_;
};

// A wave file's 16-bit little-endian samples, read where they lie in the file.
class WaveFileFrames final : public FrameSource {
public:
    WaveFileFrames(int fd, int channels, uint32_t rate, off_t data, size_t frames)
        : FrameSource(channels, rate, frames), fd_(fd), data_(data) {}
    ~WaveFileFrames() override { close(fd_); }

private:
    void Copy(size_t from, size_t frames, int16_t* out) override {
        const size_t channels = static_cast<size_t>(Channels());
        bytes_.resize(frames * channels * 2);
        // A file cut short meanwhile reads as silence from where it ends.
        const ssize_t got = pread(fd_, bytes_.data(), bytes_.size(), data_ + static_cast<off_t>(from * channels * 2));
        for (size_t i = 0; got > 0 && i < static_cast<size_t>(got) / 2; ++i)
            out[i] = static_cast<int16_t>(LittleEndian(&bytes_[2 * i], 2));
    }

    int fd_;
    off_t data_;
    std::vector<uint8_t> bytes_;
};

}  // namespace

std::unique_ptr<FrameSource> MemorySource(Pcm pcm) { return std::make_unique<MemoryFrames>(std::move(pcm)); }

std::unique_ptr<FrameSource> WaveFileSource(const std::string& path) {
    // O_NONBLOCK: a FIFO must not hold the game waiting for a writer. Anything but a
    // regular file is left to the whole-file reader, which refuses it with its reason.
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) return nullptr;
    struct stat st {};
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        close(fd);
        return nullptr;
    }
    uint8_t head[16];
    int channels = 0;
    uint32_t rate = 0;
    off_t at = 12, data = -1;
    size_t dataBytes = 0;
    bool ok = pread(fd, head, 12, 0) == 12 && std::memcmp(head, "RIFF", 4) == 0 &&
              std::memcmp(head + 8, "WAVE", 4) == 0;
    // The chunks in turn: "fmt " says what the samples are, "data" where they lie
    // (its length cut to what the file holds).
    while (ok && data < 0 && at + 8 <= st.st_size) {
        if (pread(fd, head, 8, at) != 8) break;
        const uint32_t length = LittleEndian(head + 4, 4);
        if (std::memcmp(head, "fmt ", 4) == 0) {
            uint8_t fmt[16];
            ok = length >= 16 && pread(fd, fmt, 16, at + 8) == 16 && LittleEndian(fmt, 2) == 1 &&
                 LittleEndian(fmt + 14, 2) == 16;
            channels = ok ? static_cast<int>(LittleEndian(fmt + 2, 2)) : 0;
            rate = ok ? LittleEndian(fmt + 4, 4) : 0;
            ok = ok && (channels == 1 || channels == 2) && rate > 0 &&
                 LittleEndian(fmt + 12, 2) == static_cast<uint32_t>(channels) * 2;
        } else if (std::memcmp(head, "data", 4) == 0) {
            data = at + 8;
            dataBytes = static_cast<size_t>(std::min<off_t>(length, st.st_size - data));
        }
        at += 8 + static_cast<off_t>(length) + (length & 1);
    }
    if (!ok || data < 0 || channels == 0) {
        close(fd);
        return nullptr;
    }
    return std::make_unique<WaveFileFrames>(fd, channels, rate, data, dataBytes / (static_cast<size_t>(channels) * 2));
}

// --- AlStream -------------------------------------------------------------------------

// A long sound: a few short pieces of each side queued on the two sources, read from
// its frame source as they are needed. Everything that touches the queues or the
// source holds the feeder's lock.
class AlStream final : public AudioBuffer {
public:
    AlStream(std::unique_ptr<FrameSource> source, bool direct, std::shared_ptr<AlStreamFeeder> feeder)
        : sides_(source->Rate(), direct), source_(std::move(source)), feeder_(std::move(feeder)) {
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
        Pcm& frames = pieceFrames_;
        const size_t length = source_->Frames();
        while (!free_[0].empty() && !free_[1].empty()) {
            if (cursor_ >= length) {
                if (!looping_ || length == 0) return;
                cursor_ = 0;
            }
            const size_t n = std::min(kPieceFrames, length - cursor_);
            source_->Read(cursor_, n, &frames);
            for (int s = 0; s < 2; ++s) {
                const ALuint b = free_[s].back();
                free_[s].pop_back();
                SideFrames(frames, s, 0, n, &piece_);
                alBufferData(b, AL_FORMAT_STEREO16, piece_.data(), static_cast<ALsizei>(piece_.size() * 2),
                             static_cast<ALsizei>(frames.rate));
                alSourceQueueBuffers(sides_.Sources()[s], 1, &b);
            }
            cursor_ += n;
        }
    }

    AlSides sides_;
    std::unique_ptr<FrameSource> source_;
    std::shared_ptr<AlStreamFeeder> feeder_;
    std::vector<ALuint> all_[2], free_[2];
    Pcm pieceFrames_;                // the next piece as the source gives it
    std::vector<int16_t> piece_;     // one side of it
    size_t cursor_ = 0;   // the next frame to queue
    bool looping_ = false, playing_ = false, ended_ = false;
};

std::unique_ptr<AudioBuffer> MakeAlStream(std::unique_ptr<FrameSource> source, bool direct,
                                          const std::shared_ptr<AlStreamFeeder>& feeder) {
    return std::make_unique<AlStream>(std::move(source), direct, feeder);
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
