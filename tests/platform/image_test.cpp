// Image files: a header that claims a huge picture is refused before any decoding,
// with a reason for the texture log; ordinary pictures of every format still load.
#include <gtest/gtest.h>
#include <SDL.h>

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

// A PNG chunk with its CRC (of the type and the data).
std::string PngChunk(const char* type, const std::string& data) {
    std::string s;
    PutBig32(s, static_cast<uint32_t>(data.size()));
    const std::string body = type + data;
    uint32_t crc = 0xFFFFFFFFu;
    for (unsigned char b : body) {
        crc ^= b;
        for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    s += body;
    PutBig32(s, ~crc);
    return s;
}

// A PNG that claims w x h, 8-bit RGBA, with a little (broken) pixel data.
std::string PngHeader(uint32_t w, uint32_t h) {
    std::string ihdr;
    PutBig32(ihdr, w);
    PutBig32(ihdr, h);
    ihdr += std::string("\x08\x06\x00\x00\x00", 5);
    // The reader reads the chunks up to the first pixel data before it makes the picture.
    return "\x89PNG\r\n\x1a\n" + PngChunk("IHDR", ihdr) + PngChunk("IDAT", std::string(16, '\0')) + PngChunk("IEND", "");
}

// A JPEG start, frame header and scan header that claim w x h (one component).
std::string JpegHeader(uint16_t w, uint16_t h) {
    std::string s("\xFF\xD8\xFF\xC0\x00\x0B\x08", 7);
    s += static_cast<char>(h >> 8);
    s += static_cast<char>(h & 0xFF);
    s += static_cast<char>(w >> 8);
    s += static_cast<char>(w & 0xFF);
    s += std::string("\x01\x01\x11\x00", 4);
    s += std::string("\xFF\xDA\x00\x08\x01\x01\x00\x00\x3F\x00", 10);
    return s + std::string(64, '\0');
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
    const std::string past = "the image is larger than 8192x8192 pixels";
    struct Case { const char* name; std::string bytes; std::string reason; };
    for (const Case& c : {Case{"huge.bmp", Bmp(100000, 100000, 64), past},
                          Case{"wide.bmp", Bmp(8193, 1, 24580), "8193x1 pixels; the largest taken is 8192x8192"},
                          Case{"odd_compression.bmp", Bmp(100000, -100000, 64, 0x8F0000), ""},
                          Case{"huge.png", PngHeader(100000, 100000), past},
                          Case{"absurd.png", PngHeader(0x7FFFFFFF, 0x7FFFFFFF), ""},
                          Case{"huge.jpg", JpegHeader(60000, 60000), past},
                          Case{"huge.tga", TgaHeader(60000, 60000), past}}) {
        dir.Write(c.name, c.bytes);
        RgbaImage img;
        std::string error;
        EXPECT_FALSE(LoadImageRgba(dir / c.name, &img, &error)) << c.name;
        EXPECT_FALSE(error.empty()) << c.name;
        EXPECT_NE(error.find(c.reason), std::string::npos) << c.name << ": " << error;
        EXPECT_TRUE(img.pixels.empty()) << c.name;
    }
    // The limit the GL device gives holds as well: a header past what a picture at the
    // limit needs at once, a small picture with a side past it once decoded.
    SetImageSideLimit(64);
    RgbaImage img;
    std::string error;
    EXPECT_FALSE(DecodeImageRgba(TgaHeader(2000, 2000), "TGA", &img, &error));
    EXPECT_EQ(error, "the image is larger than 64x64 pixels");
    EXPECT_FALSE(DecodeImageRgba(Bmp(100, 1, 300), "", &img, &error));
    EXPECT_EQ(error, "the image is 100x1 pixels; the largest taken is 64x64");
    SetImageSideLimit(0);
}

// The guard on SDL's allocator acts only while a picture decodes: SDL's other blocks,
// however large, are never refused.
TEST(Image, OnlyDecodingIsHeldToThePictureBudget) {
    RgbaImage img;
    std::string error;
    ASSERT_FALSE(DecodeImageRgba(Bmp(100000, 100000, 64), "BMP", &img, &error));
    void* block = SDL_malloc(size_t{2} << 30);   // never touched: no memory used
    EXPECT_NE(block, nullptr);
    SDL_free(block);
}

// Each format the game takes, each through its own reader: the size its header gives
// and the first pixel's colour.
TEST(Image, OrdinaryPicturesOfEveryFormatLoad) {
    TempDir dir;
    dir.Write("small.bmp", Bmp(2, 2, 16));  // rows padded to 4 bytes: 8 bytes a row
    struct Case { std::string path; int w, h; std::vector<uint8_t> first; };
    const Case cases[] = {
        {dir / "small.bmp", 2, 2, {0x40, 0x40, 0x40, 255}},
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

// Pictures that hold nothing to show, damaged ones (a JPEG whose Huffman table lists
// more codes than a table has, found by the image fuzz target) and other formats are
// refused with a reason for the log.
TEST(Image, PicturesThatCannotBeShownAreRefusedWithAReason) {
    const std::string tga("\0\0\x02\0\0\0\0\0\0\0\0\0\x02\0\0\0\x18\0", 18);   // 2 x 0 pixels
    RgbaImage img;
    std::string error;
    EXPECT_FALSE(DecodeImageRgba(tga, "TGA", &img, &error));
    EXPECT_EQ(error, "the image has no pixels");
    struct Case { std::string path; std::string reason; };
    for (const Case& c : {Case{kCorpus + "huffman_table_overflow.jpg", ""},
                          Case{kCorpus + "small.gif", "not a BMP, JPG, PNG or TGA picture"},
                          Case{kCorpus + "silent_refusal.gif", "not a BMP, JPG, PNG or TGA picture"},
                          Case{std::string(ZEMBROL_TESTS_DIR) + "/platform/image_test.cpp", "not a BMP, JPG, PNG or TGA"}}) {
        error.clear();
        EXPECT_FALSE(LoadImageRgba(c.path, &img, &error)) << c.path;
        EXPECT_FALSE(error.empty()) << c.path;
        EXPECT_NE(error.find(c.reason), std::string::npos) << c.path << ": " << error;
        EXPECT_TRUE(img.pixels.empty()) << c.path;
    }
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
