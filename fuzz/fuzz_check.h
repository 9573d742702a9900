// What every fuzz target shares: a check that stops the run with a message, so a
// broken promise (a round trip that changes a value) is reported like a crash.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#define FUZZ_CHECK(condition, what)                                                        \
    do {                                                                                   \
        if (!(condition)) {                                                                \
            std::fprintf(stderr, "fuzz check failed: %s (%s:%d)\n", std::string(what).c_str(), \
                         __FILE__, __LINE__);                                              \
            std::abort();                                                                  \
        }                                                                                  \
    } while (0)

inline std::string_view FuzzBytes(const uint8_t* data, size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}
