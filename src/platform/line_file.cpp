// Line-by-line text file over stdio.
#include "platform/line_file.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/files.h"

namespace zembrol::platform {

bool LineFile::Create(const std::string& path) {
    Close();
    // A fresh file takes the path's place: a symbolic link there is replaced, never
    // followed (its target is not truncated), and a FIFO cannot hold the start up.
    const int fd = CreateFileReplacing(path, &error_);
    if (fd < 0) return false;
    file_ = fdopen(fd, "wb");
    if (!file_) {
        error_ = std::strerror(errno);
        close(fd);
    }
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
