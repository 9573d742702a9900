// The main window's own state: its push buttons, the mouse-over highlight and the
// row-counter blink (its two timers) and the FPS label.
#pragma once

#include <cstdint>
#include <deque>
#include <string>


namespace zembrol {

struct MainWindowState {
    bool pausePressed = false;
    bool escPause = false;         // the pending pause came from Esc or the minimise label
    int viewPressed = 0;           // chkView item shown pressed

    // tmrHiLightButtons: the highlight of the control under the pointer ends after 1 s.
    std::string highlighted;
    int64_t highlightEnds = 0;

    // tmrMigCountLines: lblCountLines(n) blinks for six ticks of 250 ms.
    int blinkLine = 0;             // n, 1..4; 0 before the first removal
    bool blinkRunning = false;
    int blinkTicks = 0;
    bool blinkHidden = false;
    int64_t blinkNext = 0;

    // The next frame must be whole (the window was uncovered or changed size).
    bool redrawWhole = true;

    // m_ShowFPS
    int fpsCounter = 0;
    int64_t fpsTime = 0;
    std::string fpsText = "FPS : 0";

    // Answers of modal windows in scripted runs ("load", "save", "cancel").
    std::deque<std::string> dialogAnswers;
    std::string typedText;         // `type` of a script: the language file to choose
};

}  // namespace zembrol
