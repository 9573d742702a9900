// A control's text in a window's dump listing, for tests that drive a window model.
#pragma once

#include <string>

#include "loop/script_window.h"

namespace zembrol::testing {

// "<missing>" when the window lists no such control.
inline std::string ValueOf(const ScriptWindow& w, const std::string& name) {
    for (const ControlValue& c : w.Controls())
        if (c.name == name) return c.text;
    return "<missing>";
}

}  // namespace zembrol::testing
