// A file written beside its destination and moved over it only once complete, so that a failed write
// never destroys the file that was there before.
#pragma once

#include <cstdio>
#include <string>

class ReplacingFile {
public:
    // The step that failed, for a message.
    enum class Step { None, Create, Write, Rename };

    // Creates an empty temporary file in the directory of path (following a symbolic link at path), with
    // the permissions of the file there or, when there is none, newFileMode less the umask; Stream() is
    // null when that fails or when path names something other than a regular file.
    explicit ReplacingFile(const std::string& path, unsigned newFileMode = 0666);
    // Removes the temporary file unless Commit succeeded.
    ~ReplacingFile();
    ReplacingFile(const ReplacingFile&) = delete;
    ReplacingFile& operator=(const ReplacingFile&) = delete;

    // Binary stream on the temporary file; null when it could not be created.
    std::FILE* Stream() const { return stream_; }

    // Flushes the stream to disk, closes it and renames the file over path (keeping the permissions of a
    // file that was there); false, with path untouched, on any failure.
    bool Commit();

    // The temporary file's path; empty when it could not be created.
    const std::string& TemporaryPath() const { return temporary_; }
    // The step that made the constructor or Commit fail, and the errno it failed with (EISDIR or EINVAL
    // for a path that names something other than a regular file).
    Step FailedStep() const { return failedStep_; }
    int FailedError() const { return failedError_; }

private:
    bool Fail(Step step, int error);

    std::string target_;
    std::string temporary_;
    std::FILE* stream_ = nullptr;
    Step failedStep_ = Step::None;
    int failedError_ = 0;
};
