// The pictures carried inside the page: base64 and the data: URI of a picture file.
#include "TempFolder.h"
#include "report/PictureDataUri.h"

#include <gtest/gtest.h>

#include <filesystem>

#include <sys/stat.h>

namespace {

struct Base64Case {
    std::string bytes;
    std::string text;
};

class Base64Text : public testing::TestWithParam<Base64Case> {};

// The examples of RFC 4648, section 10, and bytes that use the last letters of the alphabet.
TEST_P(Base64Text, IsTheStandardOne) { EXPECT_EQ(Base64(GetParam().bytes), GetParam().text); }

INSTANTIATE_TEST_SUITE_P(Cases, Base64Text,
                         testing::Values(Base64Case{"", ""}, Base64Case{"f", "Zg=="}, Base64Case{"fo", "Zm8="},
                                         Base64Case{"foo", "Zm9v"}, Base64Case{"foob", "Zm9vYg=="},
                                         Base64Case{"fooba", "Zm9vYmE="}, Base64Case{"foobar", "Zm9vYmFy"},
                                         Base64Case{std::string("\xFB\xFF\xBF\x00", 4), "+/+/AA=="},
                                         Base64Case{"\x89PNG\r\n\x1A\n", "iVBORw0KGgo="}));

TEST(PngDataUri, CarriesTheFileBytes) {
    TempFolder folder;
    WriteFileBytes(folder / "graph.png", std::string("\x89PNG\r\n\x1A\n", 8));
    EXPECT_EQ(PngDataUri(folder / "graph.png"), "data:image/png;base64,iVBORw0KGgo=");
    WriteFileBytes(folder / "empty.png", "");
    EXPECT_EQ(PngDataUri(folder / "empty.png"), "data:image/png;base64,");
}

// A file that is no picture of the report is left out of the page rather than read without end.
TEST(PngDataUri, IsEmptyForWhatIsNoPictureFile) {
    TempFolder folder;
    std::filesystem::create_directory(folder / "folder.png");
    ASSERT_EQ(::mkfifo((folder / "pipe.png").c_str(), 0600), 0);
    WriteFileBytes(folder / "large.png", "");
    std::filesystem::resize_file(folder / "large.png", kMaxEmbeddedPictureBytes + 1);  // sparse: no disk used
    WriteFileBytes(folder / "largest.png", "");
    std::filesystem::resize_file(folder / "largest.png", kMaxEmbeddedPictureBytes);
    EXPECT_EQ(PngDataUri(folder / "missing.png"), "");
    EXPECT_EQ(PngDataUri(folder / "folder.png"), "");
    EXPECT_EQ(PngDataUri(folder / "pipe.png"), "");
    EXPECT_EQ(PngDataUri(folder / "large.png"), "");
    EXPECT_EQ(PngDataUri(folder / "largest.png").size(), 22u + kMaxEmbeddedPictureBytes / 3 * 4 + 4);
}

}  // namespace
