// libFuzzer target: any bytes as a chromatogram file. A read must end with one of the result codes; a file
// that reads must write, and what is written must read back and write again to the very same bytes.
#include "FuzzChecks.h"

#include "data/COrbitasFile4.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

std::string Written(COrbitasFile4& file) {
    char* buffer = nullptr;
    size_t size = 0;
    std::FILE* stream = open_memstream(&buffer, &size);
    Require(stream != nullptr, "memory stream for writing");
    const int32_t result = file.WriteStream(stream, "fuzz").code;
    std::fclose(stream);
    std::string bytes(buffer, size);
    std::free(buffer);
    Require(result == COrbitasFile4::Ok, "a file that was read can be written");
    return bytes;
}

int32_t ReadBytes(const void* data, size_t size, COrbitasFile4& file) {
    std::FILE* stream = fmemopen(const_cast<void*>(data), size, "rb");
    Require(stream != nullptr, "memory stream for reading");
    const int32_t result = file.ReadStream(stream, "fuzz").code;
    std::fclose(stream);
    return result;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;  // fmemopen refuses an empty buffer; an empty file is a unit test
    COrbitasFile4 file;
    const int32_t result = ReadBytes(data, size, file);
    Require(result >= COrbitasFile4::BadXml && result <= COrbitasFile4::Ok, "result is a known code");
    if (result != COrbitasFile4::Ok || !NumbersUnique(file.channels)) return 0;

    const std::string first = Written(file);
    COrbitasFile4 again;
    Require(ReadBytes(first.data(), first.size(), again) == COrbitasFile4::Ok, "a written file reads back");
    Require(again.channels.size() == file.channels.size(), "every channel reads back");
    Require(Written(again) == first, "read and written again, a file keeps its bytes");
    return 0;
}
