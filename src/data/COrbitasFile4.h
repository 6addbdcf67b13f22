// A chromatogram file: a 16-byte header, one block of samples per detector channel and an XML part with
// the passport and the peak tables. All numbers in the file are little-endian; times are in minutes.
#pragma once

#include "base/Status.h"
#include "data/Channel.h"
#include "data/Passport.h"

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

class COrbitasFile4 {
public:
    // Result codes of Read and Write, as the host's viewer and the file format's readers know them.
    enum Result : int32_t {
        Ok = 0,
        CannotOpen = -1,  // Read: not a regular file that can be opened; Write: cannot be created
        BadHeader = -2,  // Read: fewer than 16 header bytes; Write: the header cannot be written
        BadSignature = -3,  // Read: the file does not start with "STG"
        BadVersion = -4,  // Read: version above 1
        BadBlockHeader = -5,  // a block header cannot be read or written whole
        BadSamples = -6,  // samples missing, or a count beyond 32 bits or beyond the rest of the file
        BadXml = -7,  // Read: the XML part is missing, unreadable or unparsable; Write: the stream failed on it
        NotReplaced = -8,  // Write: the complete file could not be put in place of path
    };

    // The outcome of Read or Write: its code, and the status that says what went wrong with which file.
    struct Outcome {
        Result code = Ok;
        Status status;

        explicit operator bool() const { return code == Ok; }
        // The Russian description of a failure; "" after success.
        std::string Description() const { return status.Description(); }
    };

    // Replaces version, channels and (from the XML part) the passport from the file at path. After a
    // failure the channels read so far stay, and the passport is untouched.
    Outcome Read(const std::string& path);
    // Read on an open, seekable binary stream positioned at the file's start; path is recorded in the
    // passport on success and named by a failure. CannotOpen when the stream's size cannot be found.
    Outcome ReadStream(std::FILE* stream, const std::string& path);

    // Writes the whole object to path; every failure says that the file could not be written. The
    // previous file at path stays intact unless Ok.
    Outcome Write(const std::string& path);
    // Write on an open binary stream, flushed at the end; path is recorded in the passport once the
    // blocks are written.
    Outcome WriteStream(std::FILE* stream, const std::string& path);

    uint8_t version = 1;  // 0 or 1
    Passport passport;
    std::vector<Channel> channels;  // in file order

private:
    Result ReadContents(std::FILE* stream, const std::string& path);
    Result ReadBlock(std::FILE* stream, uint64_t bytesLeft);
    Result ReadXml(std::FILE* stream, uint64_t bytesLeft, const std::string& path);
    Result WriteContents(std::FILE* stream, const std::string& path);
};
