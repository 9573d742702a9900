// Sound files (WAV, FLAC, Ogg, ...): any bytes open as a sound of one or two channels
// at a rate within the limit, or are refused with a reason. A short sound decodes
// whole into whole frames, no more than its header claims and never past the length
// that is held whole; a long one reads piece by piece as the music does, each piece no
// larger than asked and the whole no longer than its header claims.
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz_check.h"
#include "platform/sound_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace zembrol::platform;
    std::string error;
    const auto file = SoundFile::OpenBytes(std::string(FuzzBytes(data, size)), &error);
    if (!file) {
        FUZZ_CHECK(!error.empty(), "refused without a reason");
        return 0;
    }
    FUZZ_CHECK(file->Channels() == 1 || file->Channels() == 2, "channels");
    FUZZ_CHECK(file->Rate() >= 1 && file->Rate() <= kSoundRateLimit, "rate");
    FUZZ_CHECK(file->Frames() > 0, "opened without a frame");
    if (!file->Long()) {
        Pcm pcm;
        if (!file->ReadAll(&pcm, &error)) {
            FUZZ_CHECK(!error.empty(), "refused without a reason");
            return 0;
        }
        const size_t channels = static_cast<size_t>(pcm.channels);
        FUZZ_CHECK(pcm.channels == file->Channels() && pcm.rate == file->Rate(), "format");
        FUZZ_CHECK(!pcm.samples.empty() && pcm.samples.size() % channels == 0, "whole frames");
        FUZZ_CHECK(pcm.samples.size() / channels <= file->Frames(), "more frames than the header claims");
        FUZZ_CHECK(!IsLongSound(pcm.samples.size() / channels, pcm.rate), "a long sound decoded whole");
        return 0;
    }
    // The music's way: pieces from the start, then back to the start as its loop comes round.
    constexpr size_t kPiece = 4096;
    std::vector<int16_t> piece(kPiece * 2);
    size_t at = 0;
    for (int k = 0; k < 64; ++k) {
        const size_t n = file->Read(at, kPiece, piece.data());
        FUZZ_CHECK(n <= kPiece, "a piece larger than asked");
        at += n;
        if (n < kPiece) break;
    }
    FUZZ_CHECK(at <= file->Frames(), "more frames than the header claims");
    FUZZ_CHECK(file->Read(0, 16, piece.data()) <= 16, "a piece larger than asked");
    return 0;
}
