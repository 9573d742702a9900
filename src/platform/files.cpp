// Files and folders on POSIX.
#include "platform/files.h"

#include <dirent.h>
#include <fcntl.h>
#include <fnmatch.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <climits>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <cstdint>

namespace zembrol::platform {

int OpenFileChecked(const std::string& path, size_t limit, FileRead* why, size_t* size) {
    FileRead& r = *why;
    // O_NONBLOCK: opening a FIFO must not wait for a writer; a regular file ignores it.
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) {
        const int err = errno;
        r.status = (err == ENOENT || err == ENOTDIR) ? ReadStatus::Missing : ReadStatus::Unreadable;
        r.error = std::strerror(err);
        errno = err;
        return -1;
    }
    r.status = ReadStatus::Unreadable;
    struct stat st {};
    if (fstat(fd, &st) != 0) {
        r.error = LastErrorText();
    } else if (S_ISDIR(st.st_mode)) {
        r.error = std::strerror(EISDIR);
        errno = EISDIR;
    } else if (!S_ISREG(st.st_mode)) {
        r.error = "not a regular file";
        errno = EINVAL;
    } else if (static_cast<uint64_t>(st.st_size) > limit) {
        r.error = "larger than " + std::to_string(limit) + " bytes (" + std::to_string(st.st_size) + ")";
        errno = EFBIG;
    } else {
        r.status = ReadStatus::Ok;
        if (size) *size = static_cast<size_t>(st.st_size);
        return fd;
    }
    const int err = errno;
    close(fd);
    errno = err;
    return -1;
}

FileRead ReadFileChecked(const std::string& path, size_t limit) {
    FileRead r;
    size_t size = 0;
    const int fd = OpenFileChecked(path, limit, &r, &size);
    if (fd < 0) return r;
    r.status = ReadStatus::Unreadable;
    r.bytes.resize(size);
    size_t got = 0;
    bool ok = true;
    for (;;) {
        // A file that grows while it is read is read up to the limit and no further.
        if (got == r.bytes.size()) {
            if (r.bytes.size() >= limit) break;
            r.bytes.resize(std::min(limit, r.bytes.size() + 4096));
        }
        const ssize_t n = read(fd, r.bytes.data() + got, r.bytes.size() - got);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            r.error = LastErrorText();
            ok = false;
            break;
        }
        if (n == 0) break;
        got += static_cast<size_t>(n);
    }
    if (ok) {
        r.bytes.resize(got);
        r.status = ReadStatus::Ok;
    } else {
        r.bytes.clear();
    }
    const int err = errno;
    close(fd);
    errno = err;
    return r;
}

std::optional<std::string> ReadFile(const std::string& path, size_t limit) {
    FileRead r = ReadFileChecked(path, limit);
    if (!r.Ok()) return std::nullopt;
    return std::move(r.bytes);
}

namespace {
// The permissions a save gives: those of the regular file it replaces, else the
// usual ones for a new file (mkstemp's own are a private 0600).
mode_t SaveMode(const std::string& path) {
    struct stat st {};
    if (lstat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode)) return st.st_mode & 07777;
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

// A fresh temporary file beside `path` (mkstemp never follows a link nor opens an
// old file) with the permissions the saved file will have.
int TempBeside(const std::string& path, std::string* tmpPath, std::string* error) {
    *tmpPath = path + ".tmp-XXXXXX";
    const int fd = mkstemp(tmpPath->data());
    if (fd < 0) {
        if (error) *error = LastErrorText();
        return -1;
    }
    fchmod(fd, SaveMode(path));
    return fd;
}
}  // namespace

bool WriteFileAtomic(const std::string& path, const std::string& content, std::string* error) {
    std::string tmp;
    const int fd = TempBeside(path, &tmp, error);
    if (fd < 0) return false;
    bool ok = true;
    const char* p = content.data();
    size_t left = content.size();
    while (ok && left > 0) {
        ssize_t n = write(fd, p, left);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) ok = false; else { p += n; left -= static_cast<size_t>(n); }
    }
    if (ok && fsync(fd) != 0) ok = false;
    if (!ok && error) *error = LastErrorText();
    if (close(fd) != 0 && ok) {
        ok = false;
        if (error) *error = LastErrorText();
    }
    if (ok && rename(tmp.c_str(), path.c_str()) != 0) {
        ok = false;
        if (error) *error = LastErrorText();
    }
    if (!ok) unlink(tmp.c_str());
    return ok;
}

int CreateFileReplacing(const std::string& path, std::string* error) {
    std::string tmp;
    const int fd = TempBeside(path, &tmp, error);
    if (fd < 0) return -1;
    if (rename(tmp.c_str(), path.c_str()) != 0) {
        if (error) *error = LastErrorText();
        const int err = errno;
        close(fd);
        unlink(tmp.c_str());
        errno = err;
        return -1;
    }
    return fd;
}

bool CopyFileAtomic(const std::string& from, const std::string& to, std::string* error) {
    auto content = ReadFile(from);
    if (!content) {
        if (error) *error = "cannot read " + from;
        return false;
    }
    return WriteFileAtomic(to, *content, error);
}

FileStamp StampOf(const std::string& path) {
    struct stat st{};
    if (::stat(path.c_str(), &st) != 0) return {};
    return FileStamp{true, static_cast<uint64_t>(st.st_dev), static_cast<uint64_t>(st.st_ino),
                     static_cast<uint64_t>(st.st_size),
                     int64_t{st.st_mtim.tv_sec} * 1'000'000'000 + st.st_mtim.tv_nsec};
}

bool FileExists(const std::string& path) {
    struct stat st {};
    return stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool IsDirectory(const std::string& path) {
    struct stat st {};
    return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::string ParentFolder(const std::string& path) {
    size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

std::vector<std::string> FindFiles(const std::string& pattern, std::string* error) {
    std::vector<std::string> found;
    size_t slash = pattern.find_last_of('/');
    std::string folder = slash == std::string::npos ? "." : (slash == 0 ? "/" : pattern.substr(0, slash));
    std::string name = slash == std::string::npos ? pattern : pattern.substr(slash + 1);
    if (name.find_first_of("*?") == std::string::npos) {
        if (FileExists(pattern)) found.push_back(name);
        return found;
    }
    DIR* dir = opendir(folder.c_str());
    if (!dir) {
        // A missing folder holds no files; anything else is worth reporting.
        if (error && errno != ENOENT) *error = LastErrorText();
        return found;
    }
    while (dirent* e = readdir(dir)) {
        if (fnmatch(name.c_str(), e->d_name, FNM_CASEFOLD | FNM_PERIOD) != 0) continue;
        if (FileExists(folder + "/" + e->d_name)) found.emplace_back(e->d_name);
    }
    closedir(dir);
    return found;
}

bool ListFolder(const std::string& folder, FolderListing* out, std::string* error) {
    out->folders.clear();
    out->files.clear();
    DIR* dir = opendir(folder.empty() ? "/" : folder.c_str());
    if (!dir) {
        if (error) *error = LastErrorText();
        return false;
    }
    const std::string base = folder == "/" ? "" : folder;
    while (dirent* e = readdir(dir)) {
        if (e->d_name[0] == '.') continue;
        const std::string path = base + "/" + e->d_name;
        struct stat st;
        if (stat(path.c_str(), &st) != 0) continue;   // a dangling link
        if (S_ISDIR(st.st_mode)) out->folders.emplace_back(e->d_name);
        else if (S_ISREG(st.st_mode)) out->files.emplace_back(e->d_name);
    }
    closedir(dir);
    std::sort(out->folders.begin(), out->folders.end());
    std::sort(out->files.begin(), out->files.end());
    return true;
}

bool MatchesPattern(const std::string& name, const std::string& patterns) {
    size_t start = 0;
    while (start <= patterns.size()) {
        size_t end = patterns.find(';', start);
        if (end == std::string::npos) end = patterns.size();
        const std::string part = patterns.substr(start, end - start);
        if (!part.empty() && fnmatch(part.c_str(), name.c_str(), FNM_CASEFOLD) == 0) return true;
        start = end + 1;
    }
    return false;
}

std::vector<std::string> FilePlaces(const std::string& appFolder) {
    std::vector<std::string> places;
    auto add = [&](const std::string& p) {
        if (p.empty() || !IsDirectory(p)) return;
        if (std::find(places.begin(), places.end(), p) == places.end()) places.push_back(p);
    };
    add(EnvironmentValue("HOME"));
    add(appFolder);
    add("/");
    // Removable volumes: /media/<volume>, /media/<user>/<volume>, /mnt/<volume>.
    const std::string user = EnvironmentValue("USER");
    for (const std::string& parent : {std::string("/media"), "/media/" + user, std::string("/mnt")}) {
        FolderListing listing;
        if (!ListFolder(parent, &listing, nullptr)) continue;
        for (const std::string& f : listing.folders)
            if (!(parent == "/media" && f == user)) add(parent + "/" + f);
    }
    return places;
}

bool MakeFolders(const std::string& path, std::string* error) {
    std::error_code ec;
    std::filesystem::create_directories(path, ec);
    if (IsDirectory(path)) return true;
    if (error) *error = ec ? ec.message() : "not a folder";
    return false;
}

std::string EnvironmentValue(const char* name) {
    const char* v = std::getenv(name);
    return v ? v : "";
}

std::vector<std::string> RemoveStaleTempFiles(const std::string& folder) {
    std::vector<std::string> removed;
    DIR* dir = opendir(folder.c_str());
    if (!dir) return removed;
    while (dirent* e = readdir(dir)) {
        const std::string name = e->d_name;
        const size_t at = name.rfind(".tmp-");
        if (at == std::string::npos || at == 0 || name.size() != at + 5 + 6) continue;
        bool ours = true;
        for (size_t k = at + 5; k < name.size(); ++k)
            ours = ours && (std::isalnum(static_cast<unsigned char>(name[k])) != 0);
        const std::string path = folder + "/" + name;
        if (ours && FileExists(path) && unlink(path.c_str()) == 0) removed.push_back(name);
    }
    closedir(dir);
    return removed;
}

std::vector<std::string> RemoveOldestFiles(const std::string& folder, const std::string& pattern, size_t keep,
                                           std::string* error) {
    struct Found {
        std::string name;
        struct timespec time;
    };
    std::vector<Found> found;
    for (const std::string& name : FindFiles(folder + "/" + pattern, error)) {
        struct stat st {};
        if (lstat((folder + "/" + name).c_str(), &st) == 0) found.push_back({name, st.st_mtim});
    }
    std::vector<std::string> removed;
    if (found.size() <= keep) return removed;
    std::sort(found.begin(), found.end(), [](const Found& a, const Found& b) {
        if (a.time.tv_sec != b.time.tv_sec) return a.time.tv_sec < b.time.tv_sec;
        if (a.time.tv_nsec != b.time.tv_nsec) return a.time.tv_nsec < b.time.tv_nsec;
        return a.name < b.name;
    });
    for (size_t k = 0; k + keep < found.size(); ++k) {
        if (unlink((folder + "/" + found[k].name).c_str()) == 0) removed.push_back(found[k].name);
        else if (error) *error = found[k].name + ": " + LastErrorText();
    }
    return removed;
}

std::string AbsolutePath(const std::string& path) {
    if (path.empty()) return path;
    std::filesystem::path p(path);
    if (p.is_relative()) {
        std::error_code ec;
        const std::filesystem::path cwd = std::filesystem::current_path(ec);
        if (ec) return path;
        p = cwd / p;
    }
    std::string out = p.lexically_normal().string();
    while (out.size() > 1 && out.back() == '/') out.pop_back();
    return out;
}

std::string ExecutableFolder() {
    char buf[PATH_MAX + 1];
    ssize_t n = readlink("/proc/self/exe", buf, PATH_MAX);
    if (n <= 0) return ".";
    return ParentFolder(std::string(buf, static_cast<size_t>(n)));
}

std::string MachineName() {
    char buf[256] = {};
    if (gethostname(buf, sizeof buf - 1) != 0) return "localhost";
    std::string name(buf, strnlen(buf, sizeof buf));
    size_t b = name.find_first_not_of(" \t\r\n");
    size_t e = name.find_last_not_of(" \t\r\n");
    // The name is part of the log's and the configurations' file names.
    return b == std::string::npos ? "localhost" : SafeFileNamePart(name.substr(b, e - b + 1));
}

std::string SafeFileNamePart(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t k = 0; k < text.size();) {
        const unsigned char c = static_cast<unsigned char>(text[k]);
        const bool plain = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
        if (plain || c == '.' || c == '_' || c == '-') {
            out += static_cast<char>(c);
            ++k;
            continue;
        }
        // One '_' for a whole UTF-8 letter; a byte that starts none is one on its own.
        size_t length = 1;
        const size_t extra = (c >> 5) == 6 ? 1 : (c >> 4) == 14 ? 2 : (c >> 3) == 30 ? 3 : 0;
        bool whole = extra > 0 && k + extra < text.size();
        for (size_t i = 1; whole && i <= extra; ++i) whole = (static_cast<unsigned char>(text[k + i]) & 0xC0) == 0x80;
        if (whole) length += extra;
        out += '_';
        k += length;
    }
    // No ".." (a way out of the folder) and no leading dot (a hidden file).
    const std::string kept = out;
    for (size_t k = 0; k < kept.size(); ++k) {
        const bool nextToDot = (k > 0 && kept[k - 1] == '.') || (k + 1 < kept.size() && kept[k + 1] == '.');
        if (kept[k] == '.' && (k == 0 || nextToDot)) out[k] = '_';
    }
    return out;
}

std::string LastErrorText() { return std::strerror(errno); }

}  // namespace zembrol::platform
