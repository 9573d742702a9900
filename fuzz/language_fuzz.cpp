// Language files: any file (and any lang.txt naming it) gives every caption of the
// main window and the mode captions as valid UTF-8 of at most 254 characters.
#include <cstdint>
#include <string>

#include "app/language.h"
#include "app/log.h"
#include "fuzz_check.h"
#include "fuzz_folder.h"
#include "platform/message_box.h"
#include "platform/text_encoding.h"

using namespace zembrol;

namespace {
void CheckText(const std::string& text, const char* what) {
    FUZZ_CHECK(platform::IsValidUtf8(text) && platform::Utf8Length(text) <= 254, what);
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    platform::SetBoxPolicy(platform::BoxPolicy::Scripted);
    const AppPaths paths = FuzzPaths();
    WriteFuzzFile(paths.Data("lang/fuzz.ini"), FuzzBytes(data, size));
    // lang.txt names the file on its first line, whatever the line end.
    const char* const ends[] = {"\n", "\r", "\r\n"};
    WriteFuzzFile(paths.root + "/lang.txt", std::string("fuzz.ini") + ends[size % 3] + "junk\n");
    StartupLog log;
    Language language(paths, log);
    MainCaptions shown;
    language.SetCaptionSink([&](const MainCaptions& c) { shown = c; });
    FUZZ_CHECK(language.set_lang(false), "lang.txt was not read");
    FUZZ_CHECK(language.Current() == "fuzz.ini", "lang.txt named " + language.Current());
    for (const MainLabelKey& k : MainLabelKeys()) CheckText(*k.field(shown), k.key);
    CheckText(language.ini_GetParam("fMain", "fcаncеl"), "fcаncеl");
    CheckText(language.LanguageName("fuzz.ini"), "Name");
    for (int speed = 0; speed < 3; ++speed)
        for (int type = 1; type <= 3; ++type) {
            const ModeCaptions c = g_GetModeCaptions(language, speed, type, type == 3);
            CheckText(c.speed, "speed caption");
            CheckText(c.type, "type caption");
        }
    return 0;
}
