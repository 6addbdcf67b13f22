// A file written beside its destination and moved over it only once complete, so that a failed write
// never destroys the file that was there before.
#pragma once

#include <cstdio>
#include <string>

class ReplacingFile {
public:
    // Creates an empty temporary file in the directory of path (following a symbolic link at path);
    // Stream() is null when that fails or when path names something other than a regular file.
    explicit ReplacingFile(const std::string& path);
    // Removes the temporary file unless Commit succeeded.
    ~ReplacingFile();
    ReplacingFile(const ReplacingFile&) = delete;
    ReplacingFile& operator=(const ReplacingFile&) = delete;

    // Binary stream on the temporary file; null when it could not be created.
    std::FILE* Stream() const { return stream_; }

    // Flushes the stream to disk, closes it and renames the file over path (keeping the permissions of a
    // file that was there); false, with path untouched, on any failure.
    bool Commit();

private:
    std::string target_;
    std::string temporary_;
    std::FILE* stream_ = nullptr;
};
