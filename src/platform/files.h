// Files and folders: reading, crash-safe replacing, copying, wildcard search,
// the application folder and the machine name.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zembrol::platform {

// Largest file each kind of reader takes: settings, language and record files are a
// few kilobytes, so anything past this is not one of them (and /dev/zero never ends).
inline constexpr size_t kTextFileLimit = size_t{4} << 20;
// Pictures and sounds: far above any texture or sound the game uses, far below a device that never ends.
inline constexpr size_t kImageFileLimit = size_t{64} << 20;
inline constexpr size_t kSoundFileLimit = size_t{256} << 20;
// A replay grows with its game's inputs: a long game or a three-game series is a few
// megabytes, so it gets more room than a settings file.
inline constexpr size_t kReplayFileLimit = size_t{64} << 20;

// What reading a whole file found. Only a file that does not exist is Missing: one
// that exists but cannot be read (no permission, an I/O error, not a regular file,
// larger than the limit) is Unreadable, and a caller must neither take it for empty
// nor save over it.
enum class ReadStatus { Ok, Missing, Unreadable };
struct FileRead {
    ReadStatus status = ReadStatus::Missing;
    std::string bytes;   // the content when Ok
    std::string error;   // why, when not Ok
    bool Ok() const { return status == ReadStatus::Ok; }
};
// Reads a regular file whole, up to `limit` bytes. Special files (a FIFO, a device,
// a folder) are refused without blocking.
FileRead ReadFileChecked(const std::string& path, size_t limit = kTextFileLimit);
// Opens a file for a reader that reads it in its own way (a sound streamed as it
// plays): the descriptor of a regular file of at most `limit` bytes, its size in
// `size`; -1 with the status and the reason in `why`, refused as ReadFileChecked
// refuses (a FIFO without blocking). The caller closes the descriptor.
int OpenFileChecked(const std::string& path, size_t limit, FileRead* why, size_t* size = nullptr);

// The whole file; nothing for a missing file, a folder or a read error (errno tells which).
std::optional<std::string> ReadFile(const std::string& path, size_t limit = kTextFileLimit);
// Replaces the file through a temporary file in the same folder and a rename,
// so a crash or a full disk never leaves it half-written. False on any failure
// (the old file is then untouched); `error` says why. A file that was there keeps its
// permissions (a private 0600 file stays private); a new one gets 0666 less the umask.
// A symbolic link at the path is replaced by the file, never written through.
bool WriteFileAtomic(const std::string& path, const std::string& content, std::string* error = nullptr);
bool CopyFileAtomic(const std::string& from, const std::string& to, std::string* error = nullptr);
// A new, empty regular file at `path`, open for writing (the descriptor; -1 with
// `error` on failure). Whatever was at the path (an old file, a symbolic link, a FIFO)
// is replaced, never written through or truncated: the file is made beside it and
// renamed over it, with the permissions WriteFileAtomic gives. A folder stays.
int CreateFileReplacing(const std::string& path, std::string* error = nullptr);
bool FileExists(const std::string& path);
bool IsDirectory(const std::string& path);

// Which version of a file a reader saw: equal stamps mean the file was not replaced or
// written in between (as far as the file system's times tell). A missing file has the
// empty stamp.
struct FileStamp {
    bool exists = false;
    uint64_t device = 0, inode = 0, size = 0;
    int64_t modifiedNs = 0;
    bool operator==(const FileStamp&) const = default;
};
FileStamp StampOf(const std::string& path);

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
// Keeps the `keep` newest files of `folder` whose names match `pattern` (wildcards as
// in FindFiles) and removes the others, oldest first (by modification time, then by
// name). Returns the names removed; `error` says why one could not be.
std::vector<std::string> RemoveOldestFiles(const std::string& folder, const std::string& pattern, size_t keep,
                                           std::string* error = nullptr);

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
// The machine's name as a part of file names: trimmed, cut at the first NUL and made
// safe (SafeFileNamePart); "localhost" when unknown.
std::string MachineName();
// A text that can stand inside a file name without leaving its folder or hiding the
// file: every character outside A-Z a-z 0-9 . _ - becomes '_' (one for each letter of
// UTF-8 text, one for each byte that is not UTF-8), as does a dot next to another dot
// or at the start. A plain host name ("player-pc", "box.local") stays as it is.
std::string SafeFileNamePart(std::string_view text);
// The folder part of a path (no trailing separator).
std::string ParentFolder(const std::string& path);
// Human-readable text of the last system error.
std::string LastErrorText();

}  // namespace zembrol::platform
