// LineFile: a text file written line by line and flushed after each line, so what
// was written survives a crash (the start-up log).
#pragma once

#include <cstdio>
#include <string>

namespace zembrol::platform {

class LineFile {
public:
    LineFile() = default;
    LineFile(const LineFile&) = delete;
    LineFile& operator=(const LineFile&) = delete;
    ~LineFile() { Close(); }

    // Creates the file anew: whatever was at the path (an old file, a link, a FIFO) is
    // replaced by a new regular file, never written through. False when it cannot be.
    bool Create(const std::string& path);
    // One line and its line end, flushed; false when it was not written.
    bool WriteLine(const std::string& line);
    void Close();
    bool IsOpen() const { return file_ != nullptr; }
    // The system's reason of the last failed Create or WriteLine.
    const std::string& Error() const { return error_; }

private:
    std::FILE* file_ = nullptr;
    std::string error_;
};

}  // namespace zembrol::platform
