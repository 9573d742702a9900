// The INI reader: any text reads without a crash, every value comes back as valid
// UTF-8 of at most 254 characters, and a value set into any document reads back as
// it was set, leaving the other keys' values alone.
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "fuzz_check.h"
#include "platform/profile.h"
#include "platform/text_encoding.h"

using namespace zembrol;

namespace {

// [section] and key names as a simple scan of the lines finds them.
std::vector<std::pair<std::string, std::string>> Names(const std::string& text) {
    std::vector<std::pair<std::string, std::string>> names;
    std::string section;
    for (std::string_view line : platform::SplitLines(text)) {
        if (!line.empty() && line.front() == '[' && line.find(']') != std::string_view::npos) {
            section = std::string(line.substr(1, line.find(']') - 1));
        } else if (const size_t eq = line.find('='); eq != std::string_view::npos && names.size() < 64) {
            names.emplace_back(section, std::string(line.substr(0, eq)));
        }
    }
    return names;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text = platform::DecodeFileText(FuzzBytes(data, size));
    FUZZ_CHECK(platform::IsValidUtf8(text), "decoded text is not UTF-8");
    platform::ProfileDocument doc(text);
    const auto names = Names(text);
    for (const auto& [section, key] : names) {
        const std::string v = doc.Get(section, key, "...");
        FUZZ_CHECK(platform::IsValidUtf8(v) && platform::Utf8Length(v) <= platform::kProfileValueMax, "value of " + key);
    }
    // A value taken from the input itself, set as the player name.
    const std::string value = platform::Utf8Prefix(text, 300);
    doc.Set("MAIN", "name", value);
    std::string expected = value;
    for (char& c : expected)
        if (c == '\r' || c == '\n') c = ' ';
    if (const size_t nul = expected.find('\0'); nul != std::string::npos) expected.resize(nul);
    expected = platform::Utf8Prefix(expected, platform::kProfileValueMax);
    const platform::ProfileDocument reread(platform::DecodeFileText(doc.Text()));
    FUZZ_CHECK(reread.Get("MAIN", "name", "...") == expected, "the name came back as " + reread.Get("MAIN", "name", "..."));
    // Writing the document changes no other value.
    for (const auto& [section, key] : names)
        FUZZ_CHECK(reread.Get(section, key, "...") == doc.Get(section, key, "..."), "[" + section + "] " + key);
    return 0;
}
