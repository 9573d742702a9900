// Files and folders: reading, crash-safe replacing, copying, wildcard search,
// the application folder and the machine name.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace zembrol::platform {

// The whole file; nothing for a missing file, a folder or a read error (errno tells which).
std::optional<std::string> ReadFile(const std::string& path);
// Replaces the file through a temporary file in the same folder and a rename,
// so a crash or a full disk never leaves it half-written. False on any failure
// (the old file is then untouched); `error` says why.
bool WriteFileAtomic(const std::string& path, const std::string& content, std::string* error = nullptr);
bool CopyFileAtomic(const std::string& from, const std::string& to, std::string* error = nullptr);
bool FileExists(const std::string& path);
bool IsDirectory(const std::string& path);

// File names (no folder) in the folder of `pattern` whose names match its last
// component; `*` and `?` are wildcards, compared without regard to case. A pattern
// without wildcards names one file exactly. The order is the file system's.
std::vector<std::string> FindFiles(const std::string& pattern, std::string* error = nullptr);

// A folder's sub-folders and files, each sorted by name; hidden entries (a leading
// dot) are left out. False with the reason when the folder cannot be read.
struct FolderListing {
    std::vector<std::string> folders, files;
};
bool ListFolder(const std::string& folder, FolderListing* out, std::string* error);
// Whether a file name matches one of the patterns of "*.wav" or "*.jpg;*.bmp" (any
// part, without regard to case).
bool MatchesPattern(const std::string& name, const std::string& patterns);
// The places a file choice can start from on this machine: the home folder, the
// application folder, "/", and the mounted volumes under /media (and /media/<user>)
// and /mnt. Only folders that exist, each once.
std::vector<std::string> FilePlaces(const std::string& appFolder);

// Creates the folder and any missing parents; true when it exists afterwards.
bool MakeFolders(const std::string& path, std::string* error = nullptr);
// The value of an environment variable; empty when it is not set.
std::string EnvironmentValue(const char* name);

// Removes what a save cut short left behind in `folder`: files named like
// WriteFileAtomic's temporary files ("<name>.tmp-" and six letters or digits).
// Only one run uses an application folder at a time, so any such file is stale.
// Returns the names removed.
std::vector<std::string> RemoveStaleTempFiles(const std::string& folder);

// The path made absolute against the working folder ("." and ".." resolved by name,
// symbolic links kept), so it means the same after the working folder changes.
std::string AbsolutePath(const std::string& path);

// Folder of the running executable, without a trailing separator.
std::string ExecutableFolder();
// The machine's name: trimmed and cut at the first NUL; "localhost" when unknown.
std::string MachineName();
// The folder part of a path (no trailing separator).
std::string ParentFolder(const std::string& path);
// Human-readable text of the last system error.
std::string LastErrorText();

}  // namespace zembrol::platform
