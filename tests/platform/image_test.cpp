// Image files: a header that claims a huge picture is refused before any decoding,
// with a reason for the texture log; ordinary pictures still load.
#include <gtest/gtest.h>

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

// A PNG signature and IHDR chunk that claim w x h (the CRC is not checked by a size probe).
std::string PngHeader(uint32_t w, uint32_t h) {
    auto be = [](std::string& s, uint32_t v) {
        for (int k = 3; k >= 0; --k) s += static_cast<char>((v >> (8 * k)) & 0xFF);
    };
    std::string s = "\x89PNG\r\n\x1a\n";
    be(s, 13);
    s += "IHDR";
    be(s, w);
    be(s, h);
    s += std::string("\x08\x06\x00\x00\x00", 5);
    be(s, 0);
    return s;
}

}  // namespace

TEST(Image, HugeHeadersAreRefusedBeforeDecoding) {
    TempDir dir;
    struct Case { const char* name; std::string bytes; const char* reason; };
    for (const Case& c : {Case{"huge.bmp", Bmp(100000, 100000, 64), "100000x100000"},
                          Case{"wide.bmp", Bmp(8193, 1, 64), "8193x1"},
                          Case{"odd_compression.bmp", Bmp(100000, -100000, 64, 0x8F0000), "100000x100000"},
                          Case{"huge.png", PngHeader(100000, 100000), "100000x100000"},
                          Case{"absurd.png", PngHeader(0x7FFFFFFF, 0x7FFFFFFF), "2147483647x2147483647"}}) {
        dir.Write(c.name, c.bytes);
        RgbaImage img;
        std::string error;
        EXPECT_FALSE(LoadImageRgba(dir / c.name, &img, &error)) << c.name;
        EXPECT_NE(error.find(c.reason), std::string::npos) << c.name << ": " << error;
        EXPECT_TRUE(img.pixels.empty()) << c.name;
    }
}

TEST(Image, OrdinaryPicturesStillLoad) {
    TempDir dir;
    dir.Write("small.bmp", Bmp(2, 2, 16));  // rows padded to 4 bytes: 8 bytes a row
    RgbaImage img;
    std::string error;
    ASSERT_TRUE(LoadImageRgba(dir / "small.bmp", &img, &error)) << error;
    EXPECT_EQ(img.width, 2);
    EXPECT_EQ(img.height, 2);
    EXPECT_EQ(img.pixels.size(), 16u);
    EXPECT_EQ(img.pixels[3], 255);
    EXPECT_FALSE(LoadImageRgba(dir / "missing.png", &img, &error));
    // GIF goes through its own reader; a 2 x 2 blue picture.
    ASSERT_TRUE(LoadImageRgba(std::string(ZEMBROL_TESTS_DIR) + "/../fuzz/image/corpus/small.gif", &img, &error)) << error;
    EXPECT_EQ(img.width, 2);
    EXPECT_EQ(img.height, 2);
    EXPECT_EQ((std::vector<uint8_t>(img.pixels.begin(), img.pixels.begin() + 4)), (std::vector<uint8_t>{0, 0, 255, 255}));
}

TEST(Image, AnImageWithoutPixelsIsRefused) {
    // A TGA header of 2 x 0 pixels (true colour, 24 bits).
    const std::string tga("\0\0\x02\0\0\0\0\0\0\0\0\0\x02\0\0\0\x18\0", 18);
    RgbaImage img;
    std::string error;
    EXPECT_FALSE(DecodeImageRgba(tga, "TGA", &img, &error));
    EXPECT_EQ(error, "the image has no pixels");
    // A damaged GIF (found by the image fuzz target) that its reader refuses without a
    // word still gets a reason for the log.
    error.clear();
    EXPECT_FALSE(LoadImageRgba(std::string(ZEMBROL_TESTS_DIR) + "/../fuzz/image/corpus/silent_refusal.gif", &img, &error));
    EXPECT_FALSE(error.empty());
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
