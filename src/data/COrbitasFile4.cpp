// Reading and writing the binary container of a chromatogram file, byte order fixed as little-endian.
#include "data/COrbitasFile4.h"

#include "data/ChromatogramXml.h"
#include "data/ReplacingFile.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <limits>
#include <memory>
#include <optional>

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr size_t kHeaderSize = 16;
constexpr size_t kBlockHeaderSize = 32;
constexpr uint64_t kSampleSize = sizeof(float);
static_assert(sizeof(float) == 4 && std::numeric_limits<float>::is_iec559);

uint64_t LoadLittle64(const unsigned char* bytes) {
    uint64_t value = 0;
    for (int i = 7; i >= 0; --i) value = (value << 8) | bytes[i];
    return value;
}

void StoreLittle64(unsigned char* bytes, uint64_t value) {
    for (int i = 0; i < 8; ++i) bytes[i] = static_cast<unsigned char>(value >> (8 * i));
}

// Samples are stored little-endian; on a big-endian host the same swap goes either way.
constexpr bool kBigEndianHost = std::endian::native == std::endian::big;

void SwapSamples(std::vector<float>& samples) {
    for (float& sample : samples) {
        const uint32_t bits = std::bit_cast<uint32_t>(sample);
        sample =
            std::bit_cast<float>((bits >> 24) | ((bits >> 8) & 0xFF00u) | ((bits << 8) & 0xFF0000u) | (bits << 24));
    }
}

// Bytes from the current position to the end; the position is kept.
std::optional<uint64_t> BytesLeft(std::FILE* stream) {
    const off_t position = ftello(stream);
    if (position < 0 || fseeko(stream, 0, SEEK_END) != 0) return std::nullopt;
    const off_t end = ftello(stream);
    if (end < position || fseeko(stream, position, SEEK_SET) != 0) return std::nullopt;
    return static_cast<uint64_t>(end - position);
}

// glibc may count a refused write as done and only mark the stream, so both are checked.
bool WriteAll(std::FILE* stream, const void* data, size_t size, size_t count) {
    return count == 0 || (std::fwrite(data, size, count, stream) == count && !std::ferror(stream));
}

// Maps the whole pages of [data, data + size) in one call, where the system can. A fresh array's
// pages are otherwise mapped one fault at a time as they are first written, and on virtual machines a
// fault taken in user mode costs many times one taken inside the kernel: for a long channel that was
// a third of the read. Without the call (older kernels) the pages fault in as before.
void PrefaultPages(void* data, size_t size) {
    const auto pageSize = static_cast<uintptr_t>(::sysconf(_SC_PAGESIZE));
    const auto begin = (reinterpret_cast<uintptr_t>(data) + pageSize - 1) / pageSize * pageSize;
    const auto end = (reinterpret_cast<uintptr_t>(data) + size) / pageSize * pageSize;
    if (end > begin) ::madvise(reinterpret_cast<void*>(begin), end - begin, MADV_POPULATE_WRITE);
}

// count samples in file order; empty when fewer arrive. The array grows one slice at a time, a slice
// small enough to stay in the processor's cache between being zero-filled and being read into, so
// the samples reach memory once and a long channel costs about one plain read.
std::optional<std::vector<float>> ReadSamples(std::FILE* stream, uint64_t count) {
    constexpr uint64_t kSliceLength = uint64_t{64} * 1024;  // 256 KiB
    std::vector<float> samples;
    samples.reserve(count);
    PrefaultPages(samples.data(), count * kSampleSize);
    while (samples.size() < count) {
        const size_t done = samples.size();
        const auto length = static_cast<size_t>(std::min(kSliceLength, count - done));
        samples.resize(done + length);
        if (std::fread(samples.data() + done, kSampleSize, length, stream) != length) return std::nullopt;
    }
    if constexpr (kBigEndianHost) SwapSamples(samples);
    return samples;
}

struct FileCloser {
    void operator()(std::FILE* stream) const { std::fclose(stream); }
};

// Opens path for reading only if it is a regular file: a FIFO or a device could block or never end.
std::unique_ptr<std::FILE, FileCloser> OpenRegularFile(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return nullptr;
    struct stat status {};
    std::FILE* stream = nullptr;
    if (::fstat(fd, &status) == 0 && S_ISREG(status.st_mode)) stream = ::fdopen(fd, "rb");
    if (!stream) ::close(fd);
    return std::unique_ptr<std::FILE, FileCloser>(stream);
}

// What each failure of Read says about the file.
MessageId ReadFailureMessage(COrbitasFile4::Result code) {
    switch (code) {
    case COrbitasFile4::CannotOpen: return MessageId::ChromatogramNotOpened;
    case COrbitasFile4::BadHeader: return MessageId::ChromatogramHeaderCut;
    case COrbitasFile4::BadSignature: return MessageId::NotAChromatogram;
    case COrbitasFile4::BadVersion: return MessageId::ChromatogramVersionUnknown;
    case COrbitasFile4::BadBlockHeader: return MessageId::ChromatogramBlockCut;
    case COrbitasFile4::BadSamples: return MessageId::ChromatogramSamplesMissing;
    default: return MessageId::ChromatogramXmlDamaged;  // BadXml: Ok and NotReplaced never come from a read
    }
}

COrbitasFile4::Outcome ReadOutcome(COrbitasFile4::Result code, const std::string& path) {
    if (code == COrbitasFile4::Ok) return {};
    return {code, Status::Failed(ReadFailureMessage(code), path)};
}

COrbitasFile4::Outcome WriteOutcome(COrbitasFile4::Result code, const std::string& path) {
    if (code == COrbitasFile4::Ok) return {};
    return {code, Status::Failed(MessageId::FileNotWritten, path)};
}

}  // namespace

COrbitasFile4::Outcome COrbitasFile4::Read(const std::string& path) {
    const auto stream = OpenRegularFile(path);
    if (!stream) return ReadOutcome(CannotOpen, path);
    return ReadStream(stream.get(), path);
}

COrbitasFile4::Outcome COrbitasFile4::ReadStream(std::FILE* stream, const std::string& path) {
    return ReadOutcome(ReadContents(stream, path), path);
}

COrbitasFile4::Result COrbitasFile4::ReadContents(std::FILE* stream, const std::string& path) {
    const std::optional<uint64_t> size = BytesLeft(stream);
    if (!size) return CannotOpen;
    unsigned char header[kHeaderSize];
    if (std::fread(header, 1, kHeaderSize, stream) != kHeaderSize) return BadHeader;
    if (std::memcmp(header, "STG", 3) != 0) return BadSignature;
    if (header[3] > 1) return BadVersion;
    version = header[3];
    const uint64_t xmlOffset = LoadLittle64(header + 8);

    channels.clear();
    // Every pass consumes at least a block header, so the loop ends with the file at the latest.
    uint64_t position = kHeaderSize;
    do {
        const Result result = ReadBlock(stream, *size - position);
        if (result != Ok) return result;
        position += kBlockHeaderSize + kSampleSize * channels.back().samples.size();
    } while (position < xmlOffset);
    return ReadXml(stream, *size - position, path);
}

// The sample count is checked against the bytes left before anything is allocated for it.
COrbitasFile4::Result COrbitasFile4::ReadBlock(std::FILE* stream, uint64_t bytesLeft) {
    unsigned char header[kBlockHeaderSize];
    if (std::fread(header, 1, kBlockHeaderSize, stream) != kBlockHeaderSize) return BadBlockHeader;
    const uint64_t count = LoadLittle64(header + 24);
    if (bytesLeft < kBlockHeaderSize || count > std::numeric_limits<uint32_t>::max() ||
        count > (bytesLeft - kBlockHeaderSize) / kSampleSize)
        return BadSamples;

    Channel channel;
    channel.number = header[0];
    channel.value1 = std::bit_cast<double>(LoadLittle64(header + 8));
    channel.value2 = std::bit_cast<double>(LoadLittle64(header + 16));
    std::optional<std::vector<float>> samples = ReadSamples(stream, count);
    if (!samples) return BadSamples;
    channel.samples = std::move(*samples);
    channels.push_back(std::move(channel));
    return Ok;
}

COrbitasFile4::Result COrbitasFile4::ReadXml(std::FILE* stream, uint64_t bytesLeft, const std::string& path) {
    if (bytesLeft == 0) return BadXml;
    std::string text(bytesLeft, '\0');
    if (std::fread(text.data(), 1, text.size(), stream) != text.size()) return BadXml;
    if (!ChromatogramXml::Read(text, passport, channels)) return BadXml;
    passport.path = path;
    return Ok;
}

COrbitasFile4::Outcome COrbitasFile4::Write(const std::string& path) {
    ReplacingFile file(path);
    if (!file.Stream()) return WriteOutcome(CannotOpen, path);
    const Result result = WriteContents(file.Stream(), path);
    if (result != Ok) return WriteOutcome(result, path);
    return WriteOutcome(file.Commit() ? Ok : NotReplaced, path);
}

COrbitasFile4::Outcome COrbitasFile4::WriteStream(std::FILE* stream, const std::string& path) {
    return WriteOutcome(WriteContents(stream, path), path);
}

COrbitasFile4::Result COrbitasFile4::WriteContents(std::FILE* stream, const std::string& path) {
    // Taking each channel's samples shares the values; an edit made meanwhile gets values of its own.
    std::vector<SampleBuffer<float>> samples;
    samples.reserve(channels.size());
    uint64_t xmlOffset = kHeaderSize;
    for (const Channel& channel : channels) {
        samples.push_back(channel.samples);
        xmlOffset += kBlockHeaderSize + kSampleSize * samples.back().size();
    }

    unsigned char header[kHeaderSize] = {'S', 'T', 'G', version};
    StoreLittle64(header + 8, xmlOffset);
    if (!WriteAll(stream, header, 1, kHeaderSize)) return BadHeader;

    for (size_t i = 0; i < channels.size(); ++i) {
        SampleBuffer<float>& values = samples[i];
        unsigned char blockHeader[kBlockHeaderSize] = {static_cast<unsigned char>(channels[i].number)};
        StoreLittle64(blockHeader + 8, std::bit_cast<uint64_t>(channels[i].value1));
        StoreLittle64(blockHeader + 16, std::bit_cast<uint64_t>(channels[i].value2));
        StoreLittle64(blockHeader + 24, values.size());
        if (!WriteAll(stream, blockHeader, 1, kBlockHeaderSize)) return BadBlockHeader;
        if constexpr (kBigEndianHost) SwapSamples(values.Edit());
        if (!WriteAll(stream, values.data(), kSampleSize, values.size())) return BadSamples;
    }

    passport.path = path;
    const std::string xml = ChromatogramXml::Write(passport, channels);
    return WriteAll(stream, xml.data(), 1, xml.size()) && std::fflush(stream) == 0 ? Ok : BadXml;
}
