// Placeholders by mkstemps and their entries by O_EXCL or mkdir, both refusing an existing name.
#include "report/TemporaryFiles.h"

#include <cerrno>
#include <cstdlib>
#include <filesystem>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Another process may hold the name beside a fresh placeholder; a few new placeholders settle it.
constexpr int kAttempts = 16;

// The placeholder itself, made by mkstemps with O_EXCL; empty when none can be made.
std::string CreatePlaceholder(const std::filesystem::path& folder) {
    std::string name = (folder / "zelXXXXXX.tmp").string();
    const int fd = ::mkstemps(name.data(), 4);
    if (fd < 0) return {};
    ::close(fd);
    return name;
}

bool CreateExclusive(const std::string& path, TemporaryKind kind) {
    if (kind == TemporaryKind::Folder) return ::mkdir(path.c_str(), 0700) == 0;
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0) return false;
    ::close(fd);
    return true;
}

}  // namespace

std::string CreateTemporaryEntry(const std::string& suffix, TemporaryKind kind) {
    std::error_code error;
    // $TMPDIR may be relative; the report's file URL and the opener need a full path.
    const std::filesystem::path folder = std::filesystem::absolute(std::filesystem::temp_directory_path(error), error);
    if (error) return {};
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        const std::string placeholder = CreatePlaceholder(folder);
        if (placeholder.empty()) return {};
        std::string entry = placeholder + suffix;
        if (CreateExclusive(entry, kind)) return entry;
        const int reason = errno;
        ::unlink(placeholder.c_str());  // useless without its entry
        if (reason != EEXIST) return {};
    }
    return {};
}
