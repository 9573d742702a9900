// Image files: any bytes, taken as each format the game loads, decode into RGBA of the
// size they claim, or are refused with a reason; nothing larger than the side limit in
// force is ever decoded.
#include <cstdint>
#include <string>

#include <SDL.h>

#include "fuzz_check.h"
#include "platform/image.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace zembrol::platform;
    // The last byte picks the type hint, as a file name's extension would (only TGA has
    // no signature), and the side limit, as the GL device's largest texture would: the
    // full one or small ones that ordinary small pictures pass.
    static const int kLimits[] = {kImageSideLimit, 64, 8};
    const uint8_t pick = size > 0 ? data[size - 1] : 0;
    const std::string type = (pick & 1) ? "TGA" : "";
    SetImageSideLimit(kLimits[(pick >> 1) % 3]);
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
