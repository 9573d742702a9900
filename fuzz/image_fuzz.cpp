// Image files: any bytes, taken as each format the game loads, decode into RGBA of
// the size they claim, or are refused with a reason; nothing larger than the side
// limit is ever decoded.
#include <cstdint>
#include <string>

#include <SDL.h>

#include "fuzz_check.h"
#include "platform/image.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace zembrol::platform;
    // Within the fuzzer's memory limit: a block the game would allow (up to 1 GiB) is
    // not what is tested here, only that larger claims fail cleanly.
    LimitDecoderBlocks(size_t{256} << 20);
    // The last byte picks the type hint, as a file name's extension would.
    static const char* const kTypes[] = {"", "BMP", "PNG", "JPG", "TGA", "GIF"};
    const std::string type = size > 0 ? kTypes[data[size - 1] % 6] : "";
    RgbaImage image;
    std::string error;
    if (DecodeImageRgba(FuzzBytes(data, size), type, &image, &error)) {
        FUZZ_CHECK(image.width > 0 && image.height > 0, "empty image decoded");
        FUZZ_CHECK(image.width <= ImageSideLimit() && image.height <= ImageSideLimit(), "an image past the limit");
        FUZZ_CHECK(image.pixels.size() == static_cast<size_t>(image.width) * static_cast<size_t>(image.height) * 4,
                   "pixel count");
    } else {
        FUZZ_CHECK(!error.empty(), "refused without a reason");
    }
    SDL_ClearError();
    return 0;
}
