// Private-profile (INI) files with the semantics the settings and language files
// rely on: case-insensitive section and key names (ASCII letters; other letters,
// such as the Cyrillic ones in "fcаncеl", must match as written), values trimmed of
// blanks and surrounding quotes and cut to 254 characters, a default for what is
// missing. Parsing works on text; file I/O is separate and writes are crash-safe.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zembrol::platform {

// Longest value a reader gets back (a 255-character buffer with its terminator).
inline constexpr size_t kProfileValueMax = 254;

// One INI document kept as its lines, so that a write changes only the line of
// its key and keeps comments, order and unknown keys as they were.
class ProfileDocument {
public:
    ProfileDocument() = default;
    explicit ProfileDocument(std::string_view text);

    // The value of [section] key, or `def` when the section or key is missing.
    std::string Get(std::string_view section, std::string_view key, std::string_view def) const;
    // Sets [section] key = value, adding the key at the end of its section and the
    // section at the end of the document when they are missing. Get returns the value
    // as it was set (up to 254 characters; a line end inside becomes a blank).
    void Set(std::string_view section, std::string_view key, std::string_view value);
    std::string Text() const;

private:
    // Index of the header line of the first section named `section`, or -1.
    long FindSection(std::string_view section) const;
    // Index of the key's line inside the section starting after `header`, or -1.
    long FindKey(long header, std::string_view key) const;
    long SectionEnd(long header) const;

    std::vector<std::string> lines_;
};

// Reads [section] key from the file at `path` (missing file: `def`). The file is
// read as UTF-8, or as Windows-1251 when it is not valid UTF-8.
std::string GetPrivateProfileString(std::string_view section, std::string_view key, std::string_view def,
                                    const std::string& path);
// Writes one value into the file, creating it if needed; false when it cannot be written.
bool WritePrivateProfileString(std::string_view section, std::string_view key, std::string_view value,
                               const std::string& path);

// A document loaded from a file for many reads or writes and saved once.
class ProfileFile {
public:
    // Loads the file; a missing or unreadable file gives an empty document. One that
    // exists but cannot be read is never saved over: Save refuses it.
    explicit ProfileFile(std::string path);
    const std::string& Path() const { return path_; }
    bool Existed() const { return existed_; }
    // The file exists but could not be read; ReadError says why.
    bool Unreadable() const { return !readError_.empty(); }
    const std::string& ReadError() const { return readError_; }
    std::string Get(std::string_view section, std::string_view key, std::string_view def) const {
        return doc_.Get(section, key, def);
    }
    void Set(std::string_view section, std::string_view key, std::string_view value) {
        doc_.Set(section, key, value);
    }
    // Replaces the file through a temporary file and a rename; false (with the reason)
    // for a file that could not be read, whose content would be lost.
    bool Save(std::string* error = nullptr) const;

private:
    std::string path_;
    bool existed_ = false;
    std::string readError_;
    ProfileDocument doc_;
};

}  // namespace zembrol::platform
