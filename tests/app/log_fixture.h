// A start-up log with a fixed clock, written into a temporary folder.
#pragma once

#include <sstream>
#include <vector>

#include "app/log.h"
#include "temp_dir.h"

namespace zembrol::testing {

inline StartupLog::Clock FixedClock() {
    return StartupLog::Clock{[] { return std::string("01.02.2026"); }, [] { return std::string("12:00:00"); }};
}

struct LogFixture {
    TempDir dir;
    StartupLog log{FixedClock()};

    LogFixture() { log.f_OpenLog(dir / "Load_test.log"); }
    std::vector<std::string> Lines() const {
        std::vector<std::string> lines;
        std::istringstream in(dir.Read("Load_test.log"));
        for (std::string line; std::getline(in, line);) lines.push_back(line);
        return lines;
    }
    // The messages of the records (the text after counter and time), in order.
    bool Contains(const std::string& text) const {
        for (const std::string& l : Lines())
            if (l.find(text) != std::string::npos) return true;
        return false;
    }
};

}  // namespace zembrol::testing
