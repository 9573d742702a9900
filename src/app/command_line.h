// Command-line options of the game executable.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace zembrol {

struct CommandLine {
    std::string root;                 // --root DIR: the application folder (default: the executable's)
    bool headless = false;            // --headless: no window, GL or sound device
    bool help = false, version = false;
    bool hasSeed = false;             // --seed N: fixed random seed, the game replays exactly
    uint64_t seed = 0;
    std::string script;               // --script FILE: scripted input (headless runs)
    std::vector<std::string> answers; // --answer WORD: scripted message-box answers
    int dpi = 0;                      // --dpi N: take N as the desktop's dots per inch
    std::string screenshot;           // --screenshot FILE: draw --frames N frames, save the view as PNG, exit
    int frames = 1;
    int benchFrames = 0;              // --bench-frames N: draw N frames and print frame times
    bool demo = false;                // --demo: the computer plays (with --headless: a simulation)
    int games = 1;                    // --games K: games of a headless demo simulation
    std::vector<std::string> sets;    // --set NAME=VALUE: a setting for this run
    std::string dumpAtExit;           // --dump-at-exit FILE: the game state as JSON when the window closes
    std::string replay;               // --replay FILE: play a recorded game back (in the window, or --headless at once)
    std::string record;               // --record FILE: also write each finished game's replay to FILE
};

// Parses argv; false with a message for the player on a wrong option or value.
bool ParseCommandLine(int argc, char** argv, CommandLine* out, std::string* error);
std::string UsageText();

}  // namespace zembrol
