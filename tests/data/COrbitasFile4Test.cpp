// The chromatogram file container: result codes on damaged files, the block loop, and byte-exact writing.
#include "data/COrbitasFile4.h"

#include "AllocationWatch.h"
#include "ChildProcess.h"
#include "ChromatogramBytes.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <limits>
#include <string>
#include <vector>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/syscall.h>

namespace {

using ChromatogramBytes::Block;
using ChromatogramBytes::Header;
using ChromatogramBytes::Little;

const std::string xml = "<root><passport><sample value=\"S\"/></passport></root>";
const std::string block1 = Block(1, 0.5, 0.25, 3, {1.0f, -2.0f, 3.5f});  // 44 bytes
const std::string block2 = Block(2, 1.5, 0.125, 2, {4.0f, 5.0f});  // 40 bytes
const uint64_t endOfBlocks = 16 + 44 + 40;

struct DamagedCase {
    const char* name;
    std::string bytes;
    int32_t code;
    size_t channelsKept;
};

void PrintTo(const DamagedCase& c, std::ostream* out) { *out << c.name; }

class ReadFile : public testing::TestWithParam<DamagedCase> {};

TEST_P(ReadFile, GivesCodeAndKeepsChannelsReadBefore) {
    const DamagedCase& c = GetParam();
    TempFolder directory;
    const std::string path = directory / "assay.stg";
    WriteFileBytes(path, c.bytes);
    COrbitasFile4 file;
    file.passport.sample = "kept";
    AllocationWatch::Reset();
    EXPECT_EQ(file.Read(path).code, c.code);
    EXPECT_LT(AllocationWatch::Largest(), 1u << 20);  // nothing near what a huge count announces
    EXPECT_EQ(file.channels.size(), c.channelsKept);
    EXPECT_EQ(file.passport.sample, c.code == 0 ? "S" : "kept");
    EXPECT_EQ(file.passport.path, c.code == 0 ? path : "");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReadFile,
    testing::Values(
        DamagedCase{"Valid", Header("STG", 1, endOfBlocks) + block1 + block2 + xml, 0, 2},
        DamagedCase{"VersionZero", Header("STG", 0, endOfBlocks) + block1 + block2 + xml, 0, 2},
        DamagedCase{"Empty", "", -2, 0}, DamagedCase{"ShortHeader", Header("STG", 1, endOfBlocks).substr(0, 15), -2, 0},
        DamagedCase{"WrongMagic", Header("STH", 1, endOfBlocks) + block1 + xml, -3, 0},
        DamagedCase{"Version2", Header("STG", 2, endOfBlocks) + block1 + xml, -4, 0},
        DamagedCase{"NoBlock", Header("STG", 1, 16), -5, 0},
        DamagedCase{"ShortBlock", Header("STG", 1, endOfBlocks) + block1.substr(0, 20), -5, 0},
        DamagedCase{"ShortSecondBlockHeader", Header("STG", 1, endOfBlocks) + block1 + block2.substr(0, 31), -5, 1},
        DamagedCase{"HugeCount", Header("STG", 1, endOfBlocks) + block1 + Block(2, 0, 0, 0xFFFFFFFFu, {}) + xml, -6, 1},
        DamagedCase{"CountUpperHalfSet", Header("STG", 1, endOfBlocks) + block1 + Block(2, 0, 0, 1ull << 32, {}) + xml,
                    -6, 1},
        DamagedCase{"CountBeyondFile", Header("STG", 1, endOfBlocks) + Block(1, 0, 0, 4, {1, 2, 3}), -6, 0},
        DamagedCase{"MissingXmlPart", Header("STG", 1, endOfBlocks) + block1 + block2, -7, 2},
        DamagedCase{"UnparsableXmlPart", Header("STG", 1, endOfBlocks) + block1 + block2 + "<root>", -7, 2},
        DamagedCase{"XmlOffsetZero", Header("STG", 1, 0) + block1 + xml, 0, 1},
        DamagedCase{"XmlOffsetBeforeEndOfFirstBlock", Header("STG", 1, 20) + block1 + xml, 0, 1},
        DamagedCase{"XmlOffsetInsideSecondBlock", Header("STG", 1, 16 + 44 + 1) + block1 + block2 + xml, 0, 2},
        DamagedCase{"XmlOffsetBeforeEndOfFirstBlockOfTwo", Header("STG", 1, 20) + block1 + block2 + xml, -7, 1},
        DamagedCase{"XmlOffsetBeyondLastBlock", Header("STG", 1, endOfBlocks + 1) + block1 + block2 + xml, -6, 2},
        DamagedCase{"XmlOffsetBeyondLastBlockShortXml", Header("STG", 1, endOfBlocks + 1) + block1 + block2 + "<r/>",
                    -5, 2}),
    [](const testing::TestParamInfo<DamagedCase>& info) { return std::string(info.param.name); });

struct ReadFailureCase {
    const char* name;
    std::string bytes;
    MessageId message;
};

void PrintTo(const ReadFailureCase& c, std::ostream* out) { *out << c.name; }

class ReadFailure : public testing::TestWithParam<ReadFailureCase> {};

TEST_P(ReadFailure, SaysWhatIsWrongWithWhichFile) {
    TempFolder directory;
    const std::string path = directory / "assay.stg";
    WriteFileBytes(path, GetParam().bytes);
    COrbitasFile4 file;
    const COrbitasFile4::Outcome outcome = file.Read(path);
    EXPECT_FALSE(outcome);
    EXPECT_FALSE(outcome.status);
    EXPECT_EQ(outcome.status.message.id, GetParam().message);
    EXPECT_EQ(outcome.Description(), MessageText({GetParam().message, path}));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReadFailure,
    testing::Values(ReadFailureCase{"ShortHeader", "STG", MessageId::ChromatogramHeaderCut},
                    ReadFailureCase{"WrongMagic", Header("STH", 1, endOfBlocks) + block1 + xml,
                                    MessageId::NotAChromatogram},
                    ReadFailureCase{"Version2", Header("STG", 2, endOfBlocks) + block1 + xml,
                                    MessageId::ChromatogramVersionUnknown},
                    ReadFailureCase{"NoBlock", Header("STG", 1, 16), MessageId::ChromatogramBlockCut},
                    ReadFailureCase{"CountBeyondFile", Header("STG", 1, endOfBlocks) + Block(1, 0, 0, 4, {1, 2, 3}),
                                    MessageId::ChromatogramSamplesMissing},
                    ReadFailureCase{"UnparsableXmlPart", Header("STG", 1, endOfBlocks) + block1 + block2 + "<root>",
                                    MessageId::ChromatogramXmlDamaged}),
    [](const testing::TestParamInfo<ReadFailureCase>& info) { return std::string(info.param.name); });

TEST(COrbitasFile4Read, SuccessHasNoDescription) {
    TempFolder directory;
    const std::string path = directory / "assay.stg";
    WriteFileBytes(path, Header("STG", 1, endOfBlocks) + block1 + block2 + xml);
    COrbitasFile4 file;
    const COrbitasFile4::Outcome outcome = file.Read(path);
    EXPECT_TRUE(outcome);
    EXPECT_TRUE(outcome.status);
    EXPECT_EQ(outcome.Description(), "");
}

TEST(COrbitasFile4Read, BlocksAreLittleEndian) {
    TempFolder directory;
    const std::string path = directory / "assay.stg";
    WriteFileBytes(path, Header("STG", 0, endOfBlocks) + block1 + block2 + xml);
    COrbitasFile4 file;
    ASSERT_EQ(file.Read(path).code, 0);
    EXPECT_EQ(file.version, 0);
    ASSERT_EQ(file.channels.size(), 2u);
    const Channel& first = file.channels[0];
    EXPECT_EQ(first.number, 1);
    EXPECT_EQ(first.value1, 0.5);
    EXPECT_EQ(first.value2, 0.25);
    EXPECT_EQ(first.samples, (std::vector<float>{1.0f, -2.0f, 3.5f}));
    EXPECT_EQ(first.marker, -1);
    EXPECT_TRUE(first.name.empty());
    EXPECT_EQ(file.channels[1].number, 2);
    EXPECT_EQ(file.channels[1].value1, 1.5);
    EXPECT_EQ(file.channels[1].samples, (std::vector<float>{4.0f, 5.0f}));
}

TEST(COrbitasFile4Read, OnlyRegularFilesAreOpened) {
    TempFolder directory;
    const std::string fifo = directory / "fifo";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);  // opening it for reading must not wait for a writer
    for (const std::string& path : {directory / "missing.stg", directory.Path().string(), fifo}) {
        COrbitasFile4 file;
        const COrbitasFile4::Outcome outcome = file.Read(path);
        EXPECT_EQ(outcome.code, -1) << path;
        EXPECT_EQ(outcome.Description(), MessageText({MessageId::ChromatogramNotOpened, path}));
    }
}

COrbitasFile4 SampleObject() {
    COrbitasFile4 file;
    file.passport.sample = "PS 2000";
    file.passport.duration = 0.1;
    file.passport.fields = {{"operator", "Оператор", "Иванов"}};
    file.channels.resize(2);
    file.channels[0].number = 3;
    file.channels[0].value1 = 1.5;
    file.channels[0].value2 = -0.0;
    file.channels[0].samples = {0.0f, -1.0f, std::numeric_limits<float>::infinity(), 1e-45f};
    file.channels[0].table.resize(1);
    file.channels[0].table[0].name = "PS";
    file.channels[0].table[0].area = 0.1;
    file.channels[1].number = 4;
    file.channels[1].value1 = std::numeric_limits<double>::max();
    return file;
}

TEST(COrbitasFile4Write, LayoutIsLittleEndianWithZeroReservedBytes) {
    TempFolder directory;
    const std::string path = directory / "written.stg";
    COrbitasFile4 file = SampleObject();
    file.channels[1].number = 260;  // only its low byte, 4, goes into the block header
    ASSERT_EQ(file.Write(path).code, 0);
    EXPECT_EQ(file.passport.path, path);
    const std::string bytes = FileBytes(path);
    const uint64_t xmlOffset = 16 + (32 + 16) + 32;
    ASSERT_GT(bytes.size(), xmlOffset);
    EXPECT_EQ(bytes.substr(0, 16), Header("STG", 1, xmlOffset));
    EXPECT_EQ(bytes.substr(16, 48), Block(3, 1.5, -0.0, 4, file.channels[0].samples));
    EXPECT_EQ(bytes.substr(64, 8), std::string("\x04\0\0\0\0\0\0\0", 8));
    EXPECT_EQ(bytes.substr(72, 8), Little(0x7FEFFFFFFFFFFFFFull, 8));
    const std::string xmlStart = "<?xml version=\"1.0\" encoding=\"utf-8\"?><root version=\"1\">";
    EXPECT_EQ(bytes.substr(xmlOffset, xmlStart.size()), xmlStart);
}

TEST(COrbitasFile4Write, ReadThenWriteReproducesTheFileByteForByte) {
    TempFolder directory;
    COrbitasFile4 original = SampleObject();
    original.version = 0;
    ASSERT_EQ(original.Write(directory / "first.stg").code, 0);
    COrbitasFile4 copy;
    ASSERT_EQ(copy.Read(directory / "first.stg").code, 0);
    EXPECT_EQ(copy.version, 0);
    EXPECT_EQ(copy.passport.sample, "PS 2000");
    EXPECT_EQ(copy.passport.duration, 0.1);
    ASSERT_EQ(copy.channels.size(), 2u);
    EXPECT_EQ(copy.channels[1].number, 4);
    EXPECT_EQ(copy.channels[0].table.size(), 1u);
    ASSERT_EQ(copy.Write(directory / "second.stg").code, 0);
    EXPECT_EQ(FileBytes(directory / "second.stg"), FileBytes(directory / "first.stg"));
}

TEST(COrbitasFile4Write, ObjectWithoutChannelsCannotBeReadBack) {
    TempFolder directory;
    const std::string path = directory / "empty.stg";
    COrbitasFile4 file;
    ASSERT_EQ(file.Write(path).code, 0);
    EXPECT_EQ(FileBytes(path).substr(0, 16), Header("STG", 1, 16));
    COrbitasFile4 back;
    EXPECT_EQ(back.Read(path).code, -6);  // the XML declaration taken for a block header
}

// A stream that accepts budget bytes and refuses the rest, unbuffered so that each write meets the limit.
class LimitedStream {
public:
    explicit LimitedStream(size_t budget) : left_(budget) {
        stream_ = fopencookie(this, "wb", {nullptr, &LimitedStream::Write, nullptr, nullptr});
        std::setvbuf(stream_, nullptr, _IONBF, 0);
    }
    ~LimitedStream() { std::fclose(stream_); }
    std::FILE* Stream() const { return stream_; }
    const std::string& Bytes() const { return bytes_; }

private:
    static ssize_t Write(void* cookie, const char* data, size_t size) {
        auto* self = static_cast<LimitedStream*>(cookie);
        const size_t taken = std::min(size, self->left_);
        self->left_ -= taken;
        self->bytes_.append(data, taken);
        return taken == 0 ? -1 : static_cast<ssize_t>(taken);
    }

    size_t left_;
    std::string bytes_;
    std::FILE* stream_;
};

struct LimitCase {
    const char* name;
    size_t budget;
    int32_t code;
};

void PrintTo(const LimitCase& c, std::ostream* out) { *out << c.name; }

class WriteStream : public testing::TestWithParam<LimitCase> {};

TEST_P(WriteStream, ReportsWherePartOfTheFileDidNotGetThrough) {
    COrbitasFile4 file = SampleObject();
    file.channels.resize(1);  // 16 + 32 + 16 bytes before the XML part
    LimitedStream limited(GetParam().budget);
    const COrbitasFile4::Outcome outcome = file.WriteStream(limited.Stream(), "p");
    EXPECT_EQ(outcome.code, GetParam().code);
    EXPECT_EQ(outcome.Description(), GetParam().code == 0 ? "" : MessageText({MessageId::FileNotWritten, "p"}));
    if (GetParam().code == 0) {
        TempFolder directory;
        ASSERT_EQ(file.Write(directory / "same.stg").code, 0);
        EXPECT_EQ(limited.Bytes(), FileBytes(directory / "same.stg"));
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, WriteStream,
                         testing::Values(LimitCase{"NothingAccepted", 0, -2}, LimitCase{"HeaderCutShort", 10, -2},
                                         LimitCase{"BlockHeaderCutShort", 16 + 5, -5},
                                         LimitCase{"SamplesCutShort", 16 + 32 + 4, -6},
                                         LimitCase{"XmlCutShort", 64 + 10, -7}, LimitCase{"AllAccepted", 1 << 20, 0}),
                         [](const testing::TestParamInfo<LimitCase>& info) { return std::string(info.param.name); });

TEST(COrbitasFile4Write, FailedWriteKeepsThePreviousFile) {
    TempFolder directory;
    const std::string path = directory / "assay.stg";
    WriteFileBytes(path, "previous");
    COrbitasFile4 file = SampleObject();
    file.channels[0].samples.assign(100000, 1.0f);

    // A file-size limit makes the disk refuse the write part-way, as a full disk would.
    rlimit previous{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &previous), 0);
    const rlimit small{64 * 1024, previous.rlim_max};
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const int32_t result = file.Write(path).code;
    ::setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_EQ(result, -6);
    EXPECT_EQ(FileBytes(path), "previous");
    EXPECT_EQ(
        std::distance(std::filesystem::directory_iterator(directory.Path()), std::filesystem::directory_iterator()), 1);
}

TEST(COrbitasFile4Write, ReplacedFileKeepsPermissionsAndLinks) {
    TempFolder directory;
    const std::string target = directory / "target.stg";
    const std::string link = directory / "link.stg";
    WriteFileBytes(target, "previous");
    ASSERT_EQ(::chmod(target.c_str(), 0640), 0);
    std::filesystem::create_symlink("target.stg", link);
    COrbitasFile4 file = SampleObject();
    ASSERT_EQ(file.Write(link).code, 0);
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(FileBytes(target).substr(0, 3), "STG");
    struct stat status {};
    ASSERT_EQ(::stat(target.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0640u);
}

TEST(COrbitasFile4Write, UnwritablePlacesGiveMinusOne) {
    TempFolder directory;
    for (const std::string& path : {directory / "missing/assay.stg", directory.Path().string()}) {
        COrbitasFile4 file = SampleObject();
        const COrbitasFile4::Outcome outcome = file.Write(path);
        EXPECT_EQ(outcome.code, -1) << path;
        EXPECT_EQ(outcome.Description(), MessageText({MessageId::FileNotWritten, path}));
        EXPECT_EQ(file.passport.path, "");
    }
}

// The data all reached the temporary file, but the finished file cannot take the place of path: the
// outcome says the file was not written, not that its XML part failed. The write runs in a traced
// child; just before it renames its temporary file, the test puts a folder that is not empty at path.
TEST(COrbitasFile4Write, FinishedFileThatCannotBePutInPlaceIsNotWritten) {
    TempFolder directory;
    const std::string path = directory / "assay.stg";
    COrbitasFile4 file = SampleObject();
    const TracedEnd end = RunTraced(
        [&] {
            const COrbitasFile4::Outcome outcome = file.Write(path);
            return outcome.code == COrbitasFile4::NotReplaced &&
                   outcome.Description() == MessageText({MessageId::FileNotWritten, path});
        },
        [&](const SyscallEntry& call) {
            if ((call.number == SYS_rename || call.number == SYS_renameat || call.number == SYS_renameat2) &&
                !std::filesystem::exists(path)) {
                std::filesystem::create_directory(path);
                std::ofstream(path + "/kept").put('x');
            }
            return false;
        });
    if (end == TracedEnd::Untraceable) GTEST_SKIP() << "this system does not let a test trace its child";
    EXPECT_EQ(end, TracedEnd::Completed);
    EXPECT_TRUE(std::filesystem::exists(path + "/kept"));
    EXPECT_EQ(
        std::distance(std::filesystem::directory_iterator(directory.Path()), std::filesystem::directory_iterator()),
        1);  // the temporary file is gone
}

}  // namespace
