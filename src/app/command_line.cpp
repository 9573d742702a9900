// Command-line parsing.
#include "app/command_line.h"

#include <cstdint>

#include "game/number_text.h"
#include "platform/message_box.h"

namespace zembrol {

std::string UsageText() {
    return "Usage: zembrol [options]\n"
           "  --root DIR        use DIR as the application folder (it holds the data folder)\n"
           "  --headless        run without a window, graphics or sound (tests, simulation)\n"
           "  --seed N          fixed random seed: the same input replays the same game\n"
           "  --script FILE     play the commands of FILE (with --headless or --screenshot)\n"
           "  --answer WORD     answer the next message box with WORD (ok, cancel, yes, no, default)\n"
           "  --dpi N           take N as the desktop's dots per inch\n"
           "  --set NAME=VALUE  use VALUE for the setting NAME in this run (may repeat)\n"
           "  --demo            let the computer play\n"
           "  --games K         with --headless --demo: play K games and print one line per game\n"
           "  --screenshot FILE draw --frames N frames (default 1), save the picture as PNG and exit\n"
           "  --frames N        frames to draw before the screenshot\n"
           "  --bench-frames N  draw N frames and print the frame times\n"
           "  --replay FILE     play the recorded game FILE back; with --headless at once, printing\n"
           "                    whether its final score and counters match the recording\n"
           "  --record FILE     also write the replay of each finished game to FILE\n"
           "  --dump-at-exit FILE  write the game state as one JSON line to FILE when the game closes\n"
           "  --version         print the version and exit\n"
           "  --help            print this text and exit\n";
}

namespace {
// Option numbers are read as the settings and scripts read theirs.
bool ParseInt(const std::string& text, long long lo, long long hi, long long* value) {
    const NumberRead<long long> r = ParseNumberIn(text, lo, hi);
    if (r) *value = r.value;
    return static_cast<bool>(r);
}
}  // namespace

bool ParseCommandLine(int argc, char** argv, CommandLine* out, std::string* error) {
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        auto value = [&](std::string* v) {
            if (i + 1 >= argc) {
                *error = "option " + arg + " needs a value";
                return false;
            }
            *v = argv[++i];
            return true;
        };
        std::string v;
        long long n = 0;
        if (arg == "--help" || arg == "-h") out->help = true;
        else if (arg == "--version") out->version = true;
        else if (arg == "--headless") out->headless = true;
        else if (arg == "--root") {
            if (!value(&out->root)) return false;
        } else if (arg == "--script") {
            if (!value(&out->script)) return false;
        } else if (arg == "--seed") {
            if (!value(&v)) return false;
            if (!ParseInt(v, 0, INT64_MAX, &n)) {
                *error = "--seed needs a whole number 0 or more, not \"" + v + "\"";
                return false;
            }
            out->hasSeed = true;
            out->seed = static_cast<uint64_t>(n);
        } else if (arg == "--dpi") {
            if (!value(&v)) return false;
            if (!ParseInt(v, 1, 10000, &n)) {
                *error = "--dpi needs a whole number from 1 to 10000, not \"" + v + "\"";
                return false;
            }
            out->dpi = static_cast<int>(n);
        } else if (arg == "--replay") {
            if (!value(&out->replay)) return false;
        } else if (arg == "--record") {
            if (!value(&out->record)) return false;
        } else if (arg == "--dump-at-exit") {
            if (!value(&out->dumpAtExit)) return false;
        } else if (arg == "--screenshot") {
            if (!value(&out->screenshot)) return false;
        } else if (arg == "--frames" || arg == "--bench-frames" || arg == "--games") {
            if (!value(&v)) return false;
            if (!ParseInt(v, 1, 100000000, &n)) {
                *error = arg + " needs a whole number 1 or more, not \"" + v + "\"";
                return false;
            }
            (arg == "--frames" ? out->frames : arg == "--games" ? out->games : out->benchFrames) = static_cast<int>(n);
        } else if (arg == "--demo") {
            out->demo = true;
        } else if (arg == "--set") {
            if (!value(&v)) return false;
            size_t eq = v.find('=');
            if (eq == 0 || eq == std::string::npos) {
                *error = "--set takes NAME=VALUE, not \"" + v + "\"";
                return false;
            }
            out->sets.push_back(v);
        } else if (arg == "--answer") {
            if (!value(&v)) return false;
            platform::BoxAnswer a;
            if (v != "default" && !platform::ParseBoxAnswer(v, &a)) {
                *error = "--answer takes ok, cancel, yes, no or default, not \"" + v + "\"";
                return false;
            }
            out->answers.push_back(v);
        } else {
            *error = "unknown option \"" + arg + "\"";
            return false;
        }
    }
    if (!out->script.empty() && !out->headless && out->screenshot.empty() && out->benchFrames == 0) {
        *error = "--script needs --headless, --screenshot or --bench-frames";
        return false;
    }
    if (!out->replay.empty() && (!out->script.empty() || out->demo)) {
        *error = "--replay plays a recorded game: it takes no --script or --demo";
        return false;
    }
    if (out->headless && (!out->screenshot.empty() || out->benchFrames > 0)) {
        *error = "--screenshot and --bench-frames need a window, not --headless";
        return false;
    }
    return true;
}

}  // namespace zembrol
