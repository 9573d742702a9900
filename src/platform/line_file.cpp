// Line-by-line text file over stdio.
#include "platform/line_file.h"

#include <cerrno>
#include <cstring>

namespace zembrol::platform {

bool LineFile::Create(const std::string& path) {
    Close();
    file_ = std::fopen(path.c_str(), "wb");
    if (!file_) error_ = std::strerror(errno);
    return file_ != nullptr;
}

bool LineFile::WriteLine(const std::string& line) {
    if (!file_) return false;
    if (std::fputs(line.c_str(), file_) < 0 || std::fputc('\n', file_) == EOF || std::fflush(file_) != 0) {
        error_ = std::strerror(errno);
        return false;
    }
    return true;
}

void LineFile::Close() {
    if (file_) std::fclose(file_);
    file_ = nullptr;
}

}  // namespace zembrol::platform
