// A temporary application folder for targets that read real files: made once per
// fuzzing process, with the data/set and data/lang folders the readers expect.
#pragma once

#include <cstdlib>
#include <fstream>
#include <string>
#include <string_view>

#include <sys/stat.h>

#include "app/app_paths.h"

inline const std::string& FuzzFolder() {
    static const std::string folder = [] {
        // Memory-backed when the system has it: the savers sync every file they write.
        struct stat st {};
        std::string tmpl = stat("/dev/shm", &st) == 0 ? "/dev/shm/zembrol-fuzz-XXXXXX" : "/tmp/zembrol-fuzz-XXXXXX";
        const char* made = mkdtemp(tmpl.data());
        std::string root = made ? made : "/tmp";
        mkdir((root + "/data").c_str(), 0755);
        mkdir((root + "/data/set").c_str(), 0755);
        mkdir((root + "/data/lang").c_str(), 0755);
        return root;
    }();
    return folder;
}

// The game's folders over the fuzz folder, on a machine named "fuzz".
inline zembrol::AppPaths FuzzPaths() {
    zembrol::AppPaths paths;
    paths.root = FuzzFolder();
    paths.machine = "fuzz";
    return paths;
}

inline void WriteFuzzFile(const std::string& path, std::string_view bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}
