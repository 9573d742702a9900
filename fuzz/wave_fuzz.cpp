// Wave files: any bytes are read into 16-bit samples or refused with a reason; what
// is read has one or two channels, whole frames and a rate.
#include <cstdint>
#include <string>

#include <SDL.h>

#include "fuzz_check.h"
#include "platform/openal_device.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    zembrol::platform::Pcm pcm;
    std::string error;
    if (zembrol::platform::ReadWaveBytes(FuzzBytes(data, size), &pcm, &error)) {
        FUZZ_CHECK(pcm.channels == 1 || pcm.channels == 2, "channels");
        FUZZ_CHECK(!pcm.samples.empty() && pcm.samples.size() % static_cast<size_t>(pcm.channels) == 0, "frames");
        FUZZ_CHECK(pcm.rate > 0, "rate");
    } else {
        FUZZ_CHECK(!error.empty(), "refused without a reason");
    }
    SDL_ClearError();
    return 0;
}
