// Sound files made in memory for the sound tests: a WAV file built byte by byte (so
// its header can say anything), and files encoded by libsndfile (FLAC, Ogg, ADPCM).
#pragma once

#include <sndfile.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace zembrol::testing {

// A WAV file: `format` 1 (integer PCM) or 3 (float), the samples given as raw bytes.
inline std::string Wave(uint16_t format, uint16_t channels, uint32_t rate, uint16_t bits,
                        const std::vector<uint8_t>& data) {
    std::string w;
    auto u16 = [&](uint16_t v) {
        w += static_cast<char>(v & 0xff);
        w += static_cast<char>(v >> 8);
    };
    auto u32 = [&](uint32_t v) {
        u16(static_cast<uint16_t>(v & 0xffff));
        u16(static_cast<uint16_t>(v >> 16));
    };
    w += "RIFF";
    u32(static_cast<uint32_t>(36 + data.size()));
    w += "WAVEfmt ";
    u32(16);
    u16(format);
    u16(channels);
    u32(rate);
    u32(rate * channels * bits / 8);
    u16(static_cast<uint16_t>(channels * bits / 8));
    u16(bits);
    w += "data";
    u32(static_cast<uint32_t>(data.size()));
    w.append(data.begin(), data.end());
    return w;
}

// 16-bit samples as the bytes of a WAV file's data chunk.
inline std::vector<uint8_t> Bytes16(const std::vector<int16_t>& samples) {
    std::vector<uint8_t> b;
    for (int16_t s : samples) {
        b.push_back(static_cast<uint8_t>(s & 0xff));
        b.push_back(static_cast<uint8_t>((static_cast<uint16_t>(s) >> 8) & 0xff));
    }
    return b;
}

// 32-bit floats as the bytes of a WAV file's data chunk.
inline std::vector<uint8_t> BytesFloat(const std::vector<float>& samples) {
    std::vector<uint8_t> b(samples.size() * 4);
    std::memcpy(b.data(), samples.data(), b.size());
    return b;
}

// The samples encoded by libsndfile in `format` (e.g. SF_FORMAT_FLAC | SF_FORMAT_PCM_16).
inline std::string Encoded(int format, int channels, int rate, const std::vector<int16_t>& samples) {
    struct Out {
        std::string bytes;
        sf_count_t at = 0;
    } out;
    SF_VIRTUAL_IO io{};
    io.get_filelen = [](void* o) { return static_cast<sf_count_t>(static_cast<Out*>(o)->bytes.size()); };
    io.seek = [](sf_count_t offset, int whence, void* o) {
        Out& w = *static_cast<Out*>(o);
        w.at = (whence == SEEK_CUR ? w.at : whence == SEEK_END ? static_cast<sf_count_t>(w.bytes.size()) : 0) + offset;
        return w.at;
    };
    io.read = [](void* into, sf_count_t count, void* o) {
        Out& w = *static_cast<Out*>(o);
        const sf_count_t n = std::max<sf_count_t>(0, std::min(count, static_cast<sf_count_t>(w.bytes.size()) - w.at));
        std::memcpy(into, w.bytes.data() + w.at, static_cast<size_t>(n));
        w.at += n;
        return n;
    };
    io.write = [](const void* from, sf_count_t count, void* o) {
        Out& w = *static_cast<Out*>(o);
        if (static_cast<size_t>(w.at + count) > w.bytes.size()) w.bytes.resize(static_cast<size_t>(w.at + count));
        std::memcpy(&w.bytes[static_cast<size_t>(w.at)], from, static_cast<size_t>(count));
        w.at += count;
        return count;
    };
    io.tell = [](void* o) { return static_cast<Out*>(o)->at; };
    SF_INFO info{};
    info.channels = channels;
    info.samplerate = rate;
    info.format = format;
    SNDFILE* f = sf_open_virtual(&io, SFM_WRITE, &info, &out);
    if (!f) return "";
    sf_writef_short(f, samples.data(), static_cast<sf_count_t>(samples.size()) / channels);
    sf_close(f);
    return out.bytes;
}

// A FLAC file whose header says it holds `frames` frames, whatever it really holds.
inline std::string FlacClaiming(std::string flac, uint64_t frames) {
    // The total is the last 36 bits of bytes 21..25 ("fLaC", a block header, and
    // the first 13 bytes of the stream information).
    flac[21] = static_cast<char>((flac[21] & 0xF0) | ((frames >> 32) & 0x0F));
    for (int k = 0; k < 4; ++k) flac[22 + k] = static_cast<char>((frames >> (8 * (3 - k))) & 0xFF);
    return flac;
}

}  // namespace zembrol::testing
