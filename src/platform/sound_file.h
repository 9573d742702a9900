// Sound files, read with libsndfile: WAV of every sample format it knows (8-, 16-,
// 24-, 32-bit, float, ADPCM), FLAC, Ogg Vorbis and the rest of what it reads, as
// 16-bit samples in one or two channels at the file's own rate. A short sound is
// decoded whole; a long one (the music) is read piece by piece as it plays.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace zembrol::platform {

// A sound as 16-bit samples, one or two channels, at the file's rate.
struct Pcm {
    std::vector<int16_t> samples;  // interleaved
    int channels = 0;
    uint32_t rate = 0;
};

// Sounds longer than this are read piece by piece instead of whole.
inline constexpr size_t kStreamFromSeconds = 8;
bool IsLongSound(size_t frames, uint32_t rate);
// What a sound file may claim: past these it is refused, so that no header can make
// a short sound's whole decoding (at most kStreamFromSeconds at the rate) large.
inline constexpr uint32_t kSoundRateLimit = 384000;
inline constexpr int kSoundChannelLimit = 8;

// An open sound file. Not shared between threads: its one user (a slot loading it, or
// the music's feeder under its lock) reads it at a time.
class SoundFile {
public:
    // The file at `path`: only a regular file of at most kSoundFileLimit bytes (a FIFO
    // is refused without blocking). Null with the reason ("cannot read PATH: ...", or
    // what the decoder found wrong).
    static std::unique_ptr<SoundFile> Open(const std::string& path, std::string* error);
    // The same over a file's bytes in memory, which it keeps.
    static std::unique_ptr<SoundFile> OpenBytes(std::string bytes, std::string* error);
    ~SoundFile();
    SoundFile(const SoundFile&) = delete;
    SoundFile& operator=(const SoundFile&) = delete;

    // 1 or 2: a file of more channels gives its first two (front left and right).
    int Channels() const { return channels_; }
    uint32_t Rate() const { return rate_; }
    // As the header says; a damaged file may hold fewer (Read finds where it ends).
    size_t Frames() const { return frames_; }
    bool Long() const { return IsLongSound(frames_, rate_); }

    // Up to `frames` frames from frame `from` into `out` (Channels() samples a frame);
    // the frames read, fewer where the sound ends (or the file is cut short).
    size_t Read(size_t from, size_t frames, int16_t* out);
    // Every frame of a short sound. False with the reason for a long one (it is read
    // piece by piece) or one without a single whole frame.
    bool ReadAll(Pcm* pcm, std::string* error);

private:
    struct Source;
    SoundFile(std::unique_ptr<Source> source, void* file, int fileChannels, bool floats, uint32_t rate, size_t frames);

    std::unique_ptr<Source> source_;   // where the decoder's bytes come from
    void* file_;                       // the decoder's handle (SNDFILE*)
    int fileChannels_;                 // as the file has them
    int channels_;                     // as they are read: at most two
    bool floats_;                      // samples kept as floating point: read as such and scaled
    uint32_t rate_;
    size_t frames_;
    size_t position_ = 0;              // the decoder's next frame
    std::vector<int16_t> wide_;        // a piece of a file of more than two channels
    std::vector<float> real_;          // a piece of a floating-point file
};

// A short sound file's bytes decoded whole; false with the reason.
bool ReadSoundBytes(std::string_view bytes, Pcm* pcm, std::string* error);

}  // namespace zembrol::platform
