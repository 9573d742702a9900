// Private-profile documents: parsing and editing text, then reading and writing files.
#include "platform/profile.h"

#include <sys/stat.h>

#include <cstdint>
#include <ctime>
#include <map>
#include <mutex>

#include "platform/files.h"
#include "platform/text_encoding.h"

namespace zembrol::platform {

namespace {

constexpr std::string_view kBlanks = " \t\r\n\f\v";

std::string_view Trim(std::string_view s) {
    size_t b = s.find_first_not_of(kBlanks);
    if (b == std::string_view::npos) return {};
    size_t e = s.find_last_not_of(kBlanks);
    return s.substr(b, e - b + 1);
}

char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
    return true;
}

// "[name]" → name, or false when the line is not a section header.
bool SectionName(std::string_view raw, std::string_view* name) {
    std::string_view t = Trim(raw);
    if (t.size() < 2 || t.front() != '[') return false;
    size_t close = t.find(']');
    if (close == std::string_view::npos) return false;
    *name = Trim(t.substr(1, close - 1));
    return true;
}

// "key=value" → key and value, or false for comments and lines without '='.
bool KeyValue(std::string_view raw, std::string_view* key, std::string_view* value) {
    std::string_view t = Trim(raw);
    if (t.empty() || t.front() == ';') return false;
    size_t eq = t.find('=');
    if (eq == std::string_view::npos) return false;
    *key = Trim(t.substr(0, eq));
    *value = Trim(t.substr(eq + 1));
    return true;
}

std::string CleanValue(std::string_view v) {
    // A value in matching quotes loses them; a NUL ends the text as in a C string.
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
        v = v.substr(1, v.size() - 2);
    size_t nul = v.find('\0');
    if (nul != std::string_view::npos) v = v.substr(0, nul);
    return Utf8Prefix(v, kProfileValueMax);
}

}  // namespace

ProfileDocument::ProfileDocument(std::string_view text) {
    // Byte-order marks some editors put first (some put one more at every save) are
    // not part of the first line.
    while (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
    for (std::string_view line : SplitLines(text)) lines_.emplace_back(line);
}

long ProfileDocument::FindSection(std::string_view section) const {
    std::string_view name;
    for (size_t i = 0; i < lines_.size(); ++i)
        if (SectionName(lines_[i], &name) && SameName(name, Trim(section))) return static_cast<long>(i);
    return -1;
}

long ProfileDocument::SectionEnd(long header) const {
    std::string_view name;
    size_t i = static_cast<size_t>(header) + 1;
    while (i < lines_.size() && !SectionName(lines_[i], &name)) ++i;
    return static_cast<long>(i);
}

long ProfileDocument::FindKey(long header, std::string_view key) const {
    std::string_view k, v;
    long end = SectionEnd(header);
    for (long i = header + 1; i < end; ++i)
        if (KeyValue(lines_[static_cast<size_t>(i)], &k, &v) && SameName(k, Trim(key))) return i;
    return -1;
}

std::string ProfileDocument::Get(std::string_view section, std::string_view key, std::string_view def) const {
    long header = FindSection(section);
    if (header >= 0) {
        long at = FindKey(header, key);
        if (at >= 0) {
            std::string_view k, v;
            KeyValue(lines_[static_cast<size_t>(at)], &k, &v);
            return CleanValue(v);
        }
    }
    return Utf8Prefix(def, kProfileValueMax);
}

namespace {
// A value as written so that a read gives it back: a line end inside would start a
// new line (a blank takes its place), and a value with blanks at its ends or in a
// pair of quotes is put in one more pair, which the reader removes.
std::string StoredValue(std::string_view value) {
    std::string v(value);
    for (char& c : v)
        if (c == '\r' || c == '\n') c = ' ';
    const bool quoted = v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front();
    const bool blanks = !v.empty() && (kBlanks.find(v.front()) != std::string_view::npos ||
                                       kBlanks.find(v.back()) != std::string_view::npos);
    return quoted || blanks ? "\"" + v + "\"" : v;
}
}  // namespace

void ProfileDocument::Set(std::string_view section, std::string_view key, std::string_view value) {
    std::string line = std::string(Trim(key)) + "=" + StoredValue(value);
    long header = FindSection(section);
    if (header < 0) {
        if (!lines_.empty() && !Trim(lines_.back()).empty()) lines_.push_back("");
        lines_.push_back("[" + std::string(Trim(section)) + "]");
        lines_.push_back(line);
        return;
    }
    long at = FindKey(header, key);
    if (at >= 0) {
        lines_[static_cast<size_t>(at)] = line;
        return;
    }
    // After the section's last non-blank line, so blank separators stay between sections.
    long end = SectionEnd(header);
    while (end - 1 > header && Trim(lines_[static_cast<size_t>(end - 1)]).empty()) --end;
    lines_.insert(lines_.begin() + end, line);
}

std::string ProfileDocument::Text() const {
    std::string out;
    for (const std::string& l : lines_) {
        out += l;
        out += '\n';
    }
    return out;
}

namespace {

// Files read by key are kept parsed while they stay the same file: the windows look
// their captions up in the language file on every frame they draw. A file replaced
// (a new inode), grown, shrunk or touched is read again, so an edit is seen at once,
// as when every lookup read the file. File times are coarser than the time between
// two writes can be, so a file changed shortly before it was parsed is not trusted
// to be unchanged by its time and is read again until it has stood still.
constexpr int64_t kSettledNs = 100'000'000;

int64_t Ns(const timespec& t) { return static_cast<int64_t>(t.tv_sec) * 1'000'000'000 + t.tv_nsec; }

struct ParsedFile {
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    int64_t changedNs = 0;
    int64_t parsedNs = 0;
    ProfileDocument doc;

    bool Matches(const struct stat& st) const {
        return device == st.st_dev && inode == st.st_ino && size == st.st_size && changedNs == Ns(st.st_mtim) &&
               changedNs + kSettledNs < parsedNs;
    }
};

constexpr size_t kParsedFilesKept = 16;
std::mutex parsedMutex;
std::map<std::string, ParsedFile> parsedFiles;

}  // namespace

std::string GetPrivateProfileString(std::string_view section, std::string_view key, std::string_view def,
                                    const std::string& path) {
    struct stat st{};
    const bool known = stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
    std::lock_guard<std::mutex> lock(parsedMutex);
    if (known) {
        const auto it = parsedFiles.find(path);
        if (it != parsedFiles.end() && it->second.Matches(st)) return it->second.doc.Get(section, key, def);
    }
    auto bytes = ReadFile(path);
    if (!bytes) {
        parsedFiles.erase(path);
        return Utf8Prefix(def, kProfileValueMax);
    }
    ProfileDocument doc(DecodeFileText(*bytes));
    std::string value = doc.Get(section, key, def);
    if (known) {
        if (parsedFiles.size() >= kParsedFilesKept) parsedFiles.clear();
        timespec now{};
        clock_gettime(CLOCK_REALTIME, &now);
        parsedFiles[path] = ParsedFile{st.st_dev, st.st_ino, st.st_size, Ns(st.st_mtim), Ns(now), std::move(doc)};
    }
    return value;
}

bool WritePrivateProfileString(std::string_view section, std::string_view key, std::string_view value,
                               const std::string& path) {
    ProfileFile file(path);
    file.Set(section, key, value);
    return file.Save();
}

ProfileFile::ProfileFile(std::string path) : path_(std::move(path)) {
    const FileRead read = ReadFileChecked(path_);
    if (read.Ok()) {
        existed_ = true;
        doc_ = ProfileDocument(DecodeFileText(read.bytes));
    } else if (read.status == ReadStatus::Unreadable) {
        existed_ = true;
        readError_ = read.error;
    }
}

bool ProfileFile::Save(std::string* error) const {
    if (Unreadable()) {
        if (error) *error = "the file exists but cannot be read (" + readError_ + "), so it is not replaced";
        return false;
    }
    return WriteFileAtomic(path_, doc_.Text(), error);
}

}  // namespace zembrol::platform
