// Writing a file through a temporary neighbour and a rename.
#include "data/ReplacingFile.h"

#include <filesystem>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>

namespace {

// The file a write to path lands in: the target of a symbolic link, so that the link stays.
std::string Destination(const std::string& path) {
    std::error_code error;
    if (!std::filesystem::is_symlink(path, error)) return path;
    const std::filesystem::path resolved = std::filesystem::weakly_canonical(path, error);
    return error ? path : resolved.string();
}

}  // namespace

ReplacingFile::ReplacingFile(const std::string& path, unsigned newFileMode) : target_(Destination(path)) {
    struct stat existing {};
    const bool exists = ::stat(target_.c_str(), &existing) == 0;
    if (exists && !S_ISREG(existing.st_mode)) {
        Fail(Step::Create, S_ISDIR(existing.st_mode) ? EISDIR : EINVAL);
        return;
    }

    int fd = -1;
    // O_EXCL passes over a name in use: another write to the same file in this process, or a leftover
    // of an earlier process with the same id.
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temporary_ = target_ + ".~" + std::to_string(::getpid()) + "-" + std::to_string(attempt);
        fd = ::open(temporary_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, newFileMode);
        if (fd < 0 && errno != EEXIST) break;
    }
    if (fd < 0) {
        Fail(Step::Create, errno);
        temporary_.clear();
        return;
    }
    if (exists) ::fchmod(fd, existing.st_mode & 07777);
    stream_ = ::fdopen(fd, "wb");
    if (!stream_) {
        Fail(Step::Create, errno);
        ::close(fd);
    }
}

ReplacingFile::~ReplacingFile() {
    if (stream_) std::fclose(stream_);
    if (!temporary_.empty()) ::unlink(temporary_.c_str());
}

bool ReplacingFile::Commit() {
    if (!stream_) return false;
    const bool written = std::fflush(stream_) == 0 && !std::ferror(stream_) && ::fsync(::fileno(stream_)) == 0;
    const int writeError = errno;
    const bool closed = std::fclose(stream_) == 0;
    stream_ = nullptr;
    if (!written || !closed) return Fail(Step::Write, written ? errno : writeError);
    if (std::rename(temporary_.c_str(), target_.c_str()) != 0) return Fail(Step::Rename, errno);
    temporary_.clear();
    return true;
}

bool ReplacingFile::Fail(Step step, int error) {
    failedStep_ = step;
    failedError_ = error;
    return false;
}
