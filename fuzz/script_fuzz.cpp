// The script parser and runner: any script runs to its end or stops with an error
// line naming a line of the script, never crashes, and an error message stays short
// (an offending word is echoed with at most 80 characters). Tick counts are held
// small so one input cannot run for minutes.
#include <cstdint>
#include <sstream>
#include <string>

#include "fuzz_check.h"
#include "game/f_init.h"
#include "game/number_text.h"
#include "loop/script_runner.h"

using namespace zembrol;

namespace {

class NullEvents final : public GameEvents {
public:
    void OnGameEvent(const GameEvent&) override {}
};

// A host that takes every command as the program's would, without a window.
class Host final : public ScriptHost {
public:
    bool Click(const std::string& c) override { return c.size() < 20; }
    bool Answer(const std::string&) override { return true; }
    bool Type(const std::string&) override { return true; }
    bool EscPause() override { return true; }
};

// Lines as the runner reads them: CR, LF or CR LF end a line, a byte-order mark
// may come first, "#" starts a comment.
bool TicksAreSmall(std::string script) {
    if (script.rfind("\xEF\xBB\xBF", 0) == 0) script.erase(0, 3);
    for (char& c : script)
        if (c == '\r') c = '\n';
    std::istringstream in(script);
    for (std::string line; std::getline(in, line);) {
        std::istringstream words(line.substr(0, line.find('#')));
        std::string cmd, count;
        words >> cmd >> count;
        if (cmd == "tick") {
            const NumberRead<double> n = ParseNumber<double>(count);
            if (n && n.value > 300) return false;
        }
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string script(FuzzBytes(data, size));
    if (size > 4096 || !TicksAreSmall(script)) return -1;  // not added to the corpus
    GameSettings cfg;
    Rng rng(size);
    NullEvents events;
    VirtualClock clock;
    Session session(cfg, rng, events, clock);
    f_Init(session.game);
    session.loop.running = true;
    Host host;
    std::istringstream in(script);
    std::ostringstream out, err;
    const int result = RunScript(session, in, out, err, host);
    const std::string e = err.str();
    if (result == kScriptOk) {
        FUZZ_CHECK(e.empty(), "a finished script wrote an error: " + e);
    } else {
        FUZZ_CHECK(e.rfind("line ", 0) == 0, "the error names no line: " + e);
        FUZZ_CHECK(e.size() < 600, "the error message is long: " + std::to_string(e.size()));
    }
    return 0;
}
