// Image files: a header that claims a huge picture is refused before any decoding,
// with a reason for the texture log; ordinary pictures of every format still load.
#include <gtest/gtest.h>
#include <zlib.h>

#include <sys/stat.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "hang_guard.h"
#include "platform/files.h"
#include "platform/image.h"
#include "temp_dir.h"

using namespace zembrol::platform;
using zembrol::testing::TempDir;

namespace {

void Put32(std::string& s, uint32_t v) {
    for (int k = 0; k < 4; ++k) s += static_cast<char>((v >> (8 * k)) & 0xFF);
}
void Put16(std::string& s, uint16_t v) {
    s += static_cast<char>(v & 0xFF);
    s += static_cast<char>(v >> 8);
}

// A 24-bit BMP header that claims w x h pixels, followed by `pixels` bytes of data.
std::string Bmp(int32_t w, int32_t h, size_t pixels, uint32_t compression = 0) {
    std::string s = "BM";
    Put32(s, static_cast<uint32_t>(54 + pixels));
    Put32(s, 0);
    Put32(s, 54);
    Put32(s, 40);
    Put32(s, static_cast<uint32_t>(w));
    Put32(s, static_cast<uint32_t>(h));
    Put16(s, 1);
    Put16(s, 24);
    Put32(s, compression);
    for (int k = 0; k < 5; ++k) Put32(s, 0);
    return s + std::string(pixels, '\x40');
}

void PutBig32(std::string& s, uint32_t v) {
    for (int k = 3; k >= 0; --k) s += static_cast<char>((v >> (8 * k)) & 0xFF);
}

// A PNG chunk (the decoder does not check the CRC).
std::string PngChunk(const char* type, const std::string& data) {
    std::string s;
    PutBig32(s, static_cast<uint32_t>(data.size()));
    s += type;
    s += data;
    PutBig32(s, 0);
    return s;
}

// A PNG signature and IHDR chunk that claim w x h, 8-bit RGBA (or 8-bit grey).
std::string PngHeader(uint32_t w, uint32_t h, bool grey = false) {
    std::string ihdr;
    PutBig32(ihdr, w);
    PutBig32(ihdr, h);
    ihdr += std::string(grey ? "\x08\x00\x00\x00\x00" : "\x08\x06\x00\x00\x00", 5);
    return "\x89PNG\r\n\x1a\n" + PngChunk("IHDR", ihdr);
}

// A JPEG start and frame header that claim w x h (three components).
std::string JpegHeader(uint16_t w, uint16_t h) {
    std::string s("\xFF\xD8\xFF\xC0\x00\x11\x08", 7);
    s += static_cast<char>(h >> 8);
    s += static_cast<char>(h & 0xFF);
    s += static_cast<char>(w >> 8);
    s += static_cast<char>(w & 0xFF);
    s += std::string("\x03\x01\x11\x00\x02\x11\x00\x03\x11\x00", 10);
    return s;
}

// A GIF screen descriptor that claims w x h.
std::string GifHeader(uint16_t w, uint16_t h) {
    std::string s = "GIF89a";
    Put16(s, w);
    Put16(s, h);
    return s + std::string("\x00\x00\x00", 3) + std::string(32, '\0');
}

// A true-colour TGA header that claims w x h, 24 bits.
std::string TgaHeader(uint16_t w, uint16_t h) {
    std::string s("\0\0\x02\0\0\0\0\0\0\0\0\0", 12);
    Put16(s, w);
    Put16(s, h);
    return s + std::string("\x18\0", 2) + std::string(64, '\x40');
}

const std::string kCorpus = std::string(ZEMBROL_TESTS_DIR) + "/../fuzz/image/corpus/";

}  // namespace

TEST(Image, HugeHeadersAreRefusedBeforeDecoding) {
    TempDir dir;
    const std::string past = "larger than 8192x8192";
    struct Case { const char* name; std::string bytes; std::string reason; };
    for (const Case& c : {Case{"huge.bmp", Bmp(100000, 100000, 64), "100000x100000"},
                          Case{"wide.bmp", Bmp(8193, 1, 64), "8193x1 pixels; the largest taken is 8192x8192"},
                          Case{"odd_compression.bmp", Bmp(100000, -100000, 64, 0x8F0000), ""},
                          Case{"huge.png", PngHeader(100000, 100000), past},
                          Case{"absurd.png", PngHeader(0x7FFFFFFF, 0x7FFFFFFF), past},
                          Case{"huge.jpg", JpegHeader(60000, 60000), past},
                          Case{"huge.gif", GifHeader(60000, 60000), past},
                          Case{"huge.tga", TgaHeader(60000, 60000), "60000x60000"}}) {
        dir.Write(c.name, c.bytes);
        RgbaImage img;
        std::string error;
        EXPECT_FALSE(LoadImageRgba(dir / c.name, &img, &error)) << c.name;
        EXPECT_FALSE(error.empty()) << c.name;
        EXPECT_NE(error.find(c.reason), std::string::npos) << c.name << ": " << error;
        EXPECT_TRUE(img.pixels.empty()) << c.name;
    }
}

// Each format the game takes, through the one decoder: the size its header gives and
// the first pixel's colour.
TEST(Image, OrdinaryPicturesOfEveryFormatLoad) {
    TempDir dir;
    dir.Write("small.bmp", Bmp(2, 2, 16));  // rows padded to 4 bytes: 8 bytes a row
    struct Case { std::string path; int w, h; std::vector<uint8_t> first; };
    const Case cases[] = {
        {dir / "small.bmp", 2, 2, {0x40, 0x40, 0x40, 255}},
        {kCorpus + "small.gif", 2, 2, {0, 0, 255, 255}},   // blue
        {kCorpus + "small.png", 2, 2, {0, 0, 0, 0}},       // transparent
        {kCorpus + "small.jpg", 3, 3, {}},                 // lossy: its colour is not compared
        {kCorpus + "small.tga", 2, 2, {0, 0, 0, 255}},
    };
    for (const Case& c : cases) {
        RgbaImage img;
        std::string error;
        ASSERT_TRUE(LoadImageRgba(c.path, &img, &error)) << c.path << ": " << error;
        EXPECT_EQ(img.width, c.w) << c.path;
        EXPECT_EQ(img.height, c.h) << c.path;
        ASSERT_EQ(img.pixels.size(), static_cast<size_t>(c.w * c.h * 4)) << c.path;
        if (!c.first.empty()) {
            EXPECT_EQ(std::vector<uint8_t>(img.pixels.begin(), img.pixels.begin() + 4), c.first) << c.path;
        }
    }
}

TEST(Image, PicturesWithoutPixelsAreRefusedWithAReason) {
    // A TGA header of 2 x 0 pixels (true colour, 24 bits); a damaged GIF (found by the
    // image fuzz target) that its reader gives up on without a word.
    const std::string tga("\0\0\x02\0\0\0\0\0\0\0\0\0\x02\0\0\0\x18\0", 18);
    RgbaImage img;
    std::string error;
    EXPECT_FALSE(DecodeImageRgba(tga, &img, &error));
    EXPECT_FALSE(error.empty());
    error.clear();
    EXPECT_FALSE(LoadImageRgba(kCorpus + "silent_refusal.gif", &img, &error));
    EXPECT_FALSE(error.empty());
    EXPECT_TRUE(img.pixels.empty());
}

// A 1 x 1 PNG whose pixel data inflates to 16 MB: the header's size is small, the
// data is not, and the decoder is held to what a 1 x 1 picture needs.
TEST(Image, APictureWhoseDataFarOutgrowsItsSizeIsRefused) {
    std::string zeros(16 << 20, '\0');
    uLongf packedSize = compressBound(static_cast<uLong>(zeros.size()));
    std::string packed(packedSize, '\0');
    ASSERT_EQ(compress2(reinterpret_cast<Bytef*>(packed.data()), &packedSize,
                        reinterpret_cast<const Bytef*>(zeros.data()), static_cast<uLong>(zeros.size()), 9),
              Z_OK);
    packed.resize(packedSize);
    const std::string png = PngHeader(1, 1, true) + PngChunk("IDAT", packed) + PngChunk("IEND", "");
    RgbaImage img;
    std::string error;
    EXPECT_FALSE(DecodeImageRgba(png, &img, &error));
    EXPECT_NE(error.find("far larger than a 1x1 picture needs"), std::string::npos) << error;
    // The same picture with the data it needs (a filter byte and one grey pixel) loads.
    std::string pixel("\0\x80", 2);
    packedSize = compressBound(2);
    packed.assign(packedSize, '\0');
    ASSERT_EQ(compress2(reinterpret_cast<Bytef*>(packed.data()), &packedSize,
                        reinterpret_cast<const Bytef*>(pixel.data()), 2, 9), Z_OK);
    packed.resize(packedSize);
    ASSERT_TRUE(DecodeImageRgba(PngHeader(1, 1, true) + PngChunk("IDAT", packed) + PngChunk("IEND", ""), &img, &error))
        << error;
    EXPECT_EQ(img.pixels, (std::vector<uint8_t>{0x80, 0x80, 0x80, 255}));
}

// A texture or skin named by the player may be anything: a FIFO, a device or a huge
// file is refused at once, and the log line says why.
TEST(Image, SpecialAndHugeFilesAreRefusedWithTheirReason) {
    zembrol::testing::HangGuard guard;
    TempDir dir;
    ASSERT_EQ(mkfifo((dir / "fifo.bmp").c_str(), 0600), 0);
    dir.Write("huge.bmp", Bmp(2, 2, 12));
    std::filesystem::resize_file(dir / "huge.bmp", kImageFileLimit + 1);   // sparse: no disk used
    struct Case { std::string path; std::string reason; };
    for (const Case& c : {Case{dir / "fifo.bmp", "not a regular file"}, Case{"/dev/zero", "not a regular file"},
                          Case{dir / "huge.bmp", "larger than " + std::to_string(kImageFileLimit) + " bytes"},
                          Case{dir.Path(), "Is a directory"}, Case{dir / "none.bmp", "No such file"}}) {
        RgbaImage image;
        std::string error;
        EXPECT_FALSE(LoadImageRgba(c.path, &image, &error)) << c.path;
        EXPECT_NE(error.find(c.reason), std::string::npos) << c.path << ": " << error;
    }
}
