// Sound files through libsndfile, from a file's descriptor or from bytes in memory.
#include "platform/sound_file.h"

#include <sndfile.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstring>

#include "platform/files.h"

namespace zembrol::platform {

namespace {
// Frames decoded at a time where a piece goes through a working buffer.
constexpr size_t kPieceFrames = 4096;

SNDFILE* Handle(void* file) { return static_cast<SNDFILE*>(file); }

// Formats whose samples are floating point. libsndfile hands such samples to a 16-bit
// read unscaled (0.5 becomes 0) or, for the lossy codecs, without clipping; they are
// read as floats and scaled and clipped here.
bool KeptAsFloats(int format) {
    switch (format & SF_FORMAT_SUBMASK) {
        case SF_FORMAT_FLOAT:
        case SF_FORMAT_DOUBLE:
        case SF_FORMAT_VORBIS:
        case SF_FORMAT_OPUS:
        case SF_FORMAT_MPEG_LAYER_I:
        case SF_FORMAT_MPEG_LAYER_II:
        case SF_FORMAT_MPEG_LAYER_III:
            return true;
        default:
            return false;
    }
}

int16_t FromFloat(float v) {
    if (std::isnan(v)) return 0;
    return static_cast<int16_t>(std::lrint(std::clamp(v * 32768.0f, -32768.0f, 32767.0f)));
}
}  // namespace

// Where the decoder's bytes come from: an open regular file, or bytes in memory read
// through libsndfile's virtual I/O.
struct SoundFile::Source {
    int fd = -1;
    std::string bytes;
    sf_count_t at = 0;

    ~Source() {
        if (fd >= 0) close(fd);
    }

    static sf_count_t Length(void* self) { return static_cast<sf_count_t>(static_cast<Source*>(self)->bytes.size()); }
    static sf_count_t Seek(sf_count_t offset, int whence, void* self) {
        Source& s = *static_cast<Source*>(self);
        const sf_count_t base = whence == SEEK_CUR ? s.at : whence == SEEK_END ? Length(self) : 0;
        if (offset < -base || offset > INT64_MAX - base) return -1;
        s.at = base + offset;
        return s.at;
    }
    static sf_count_t ReadBytes(void* into, sf_count_t count, void* self) {
        Source& s = *static_cast<Source*>(self);
        const sf_count_t size = Length(self);
        if (count <= 0 || s.at >= size) return 0;
        const sf_count_t n = std::min(count, size - s.at);
        std::memcpy(into, s.bytes.data() + s.at, static_cast<size_t>(n));
        s.at += n;
        return n;
    }
    static sf_count_t Tell(void* self) { return static_cast<Source*>(self)->at; }
};

bool IsLongSound(size_t frames, uint32_t rate) { return frames > kStreamFromSeconds * rate; }

namespace {
// The decoder's handle on a source, or null with the reason; checks what the file
// claims before anything is decoded.
SNDFILE* OpenDecoder(int fd, SF_VIRTUAL_IO* io, void* source, SF_INFO* info, std::string* error) {
    *info = SF_INFO{};
    SNDFILE* file = fd >= 0 ? sf_open_fd(fd, SFM_READ, info, SF_FALSE) : sf_open_virtual(io, SFM_READ, info, source);
    if (!file) {
        *error = std::string("not a sound file that can be read: ") + sf_strerror(nullptr);
        return nullptr;
    }
    if (info->channels < 1 || info->channels > kSoundChannelLimit) {
        *error = "the sound has " + std::to_string(info->channels) + " channels; at most " +
                 std::to_string(kSoundChannelLimit) + " are read";
    } else if (info->samplerate < 1 || static_cast<uint32_t>(info->samplerate) > kSoundRateLimit) {
        *error = "the sound's rate of " + std::to_string(info->samplerate) + " Hz is outside 1.." +
                 std::to_string(kSoundRateLimit);
    } else if (info->frames <= 0) {
        *error = "the file holds no sound";
    } else {
        return file;
    }
    sf_close(file);
    return nullptr;
}
}  // namespace

SoundFile::SoundFile(std::unique_ptr<Source> source, void* file, int fileChannels, bool floats, uint32_t rate,
                     size_t frames)
    : source_(std::move(source)),
      file_(file),
      fileChannels_(fileChannels),
      channels_(std::min(fileChannels, 2)),
      floats_(floats),
      rate_(rate),
      frames_(frames) {}

SoundFile::~SoundFile() { sf_close(Handle(file_)); }

std::unique_ptr<SoundFile> SoundFile::Open(const std::string& path, std::string* error) {
    // The checks of a whole-file read, on a descriptor the decoder then reads from:
    // libsndfile opening the path itself would wait on a FIFO for a writer.
    FileRead why;
    auto source = std::make_unique<Source>();
    source->fd = OpenFileChecked(path, kSoundFileLimit, &why);
    if (source->fd < 0) {
        *error = "cannot read " + path + ": " + why.error;
        return nullptr;
    }
    SF_INFO info;
    SNDFILE* file = OpenDecoder(source->fd, nullptr, nullptr, &info, error);
    if (!file) return nullptr;
    return std::unique_ptr<SoundFile>(new SoundFile(std::move(source), file, info.channels, KeptAsFloats(info.format),
                                                    static_cast<uint32_t>(info.samplerate),
                                                    static_cast<size_t>(info.frames)));
}

std::unique_ptr<SoundFile> SoundFile::OpenBytes(std::string bytes, std::string* error) {
    auto source = std::make_unique<Source>();
    source->bytes = std::move(bytes);
    static SF_VIRTUAL_IO io = {Source::Length, Source::Seek, Source::ReadBytes, nullptr, Source::Tell};
    SF_INFO info;
    SNDFILE* file = OpenDecoder(-1, &io, source.get(), &info, error);
    if (!file) return nullptr;
    return std::unique_ptr<SoundFile>(new SoundFile(std::move(source), file, info.channels, KeptAsFloats(info.format),
                                                    static_cast<uint32_t>(info.samplerate),
                                                    static_cast<size_t>(info.frames)));
}

size_t SoundFile::Read(size_t from, size_t frames, int16_t* out) {
    if (from >= frames_) return 0;
    frames = std::min(frames, frames_ - from);
    SNDFILE* file = Handle(file_);
    if (from != position_) {
        if (sf_seek(file, static_cast<sf_count_t>(from), SEEK_SET) != static_cast<sf_count_t>(from)) {
            position_ = SIZE_MAX;   // unknown: the next read seeks again
            return 0;
        }
        position_ = from;
    }
    const size_t wanted = static_cast<size_t>(fileChannels_);
    const size_t kept = static_cast<size_t>(channels_);
    size_t done = 0;
    while (done < frames) {
        const size_t n = std::min(kPieceFrames, frames - done);
        int16_t* to = out + done * kept;
        sf_count_t got = 0;
        if (floats_) {
            real_.resize(n * wanted);
            got = sf_readf_float(file, real_.data(), static_cast<sf_count_t>(n));
            for (sf_count_t i = 0; i < got; ++i)
                for (size_t c = 0; c < kept; ++c) to[static_cast<size_t>(i) * kept + c] = FromFloat(real_[static_cast<size_t>(i) * wanted + c]);
        } else if (wanted == kept) {
            got = sf_readf_short(file, to, static_cast<sf_count_t>(n));
        } else {
            wide_.resize(n * wanted);
            got = sf_readf_short(file, wide_.data(), static_cast<sf_count_t>(n));
            for (sf_count_t i = 0; i < got; ++i)
                std::copy_n(&wide_[static_cast<size_t>(i) * wanted], kept, to + static_cast<size_t>(i) * kept);
        }
        done += static_cast<size_t>(std::max<sf_count_t>(got, 0));
        if (got < static_cast<sf_count_t>(n)) break;   // the end of what the file holds
    }
    position_ = from + done;
    return done;
}

bool SoundFile::ReadAll(Pcm* pcm, std::string* error) {
    if (Long()) {
        *error = "the sound is longer than " + std::to_string(kStreamFromSeconds) + " s and is read as it plays";
        return false;
    }
    const size_t kept = static_cast<size_t>(channels_);
    pcm->channels = channels_;
    pcm->rate = rate_;
    pcm->samples.clear();
    // Grown piece by piece as frames come, so a header that claims more than the file
    // holds costs nothing.
    size_t frames = 0;
    for (;;) {
        pcm->samples.resize((frames + kPieceFrames) * kept);
        const size_t got = Read(frames, kPieceFrames, pcm->samples.data() + frames * kept);
        frames += got;
        if (got < kPieceFrames) break;
    }
    pcm->samples.resize(frames * kept);
    pcm->samples.shrink_to_fit();
    if (frames == 0) {
        *error = "the file holds no sound";
        return false;
    }
    return true;
}

bool ReadSoundBytes(std::string_view bytes, Pcm* pcm, std::string* error) {
    const std::unique_ptr<SoundFile> file = SoundFile::OpenBytes(std::string(bytes), error);
    return file && file->ReadAll(pcm, error);
}

}  // namespace zembrol::platform
