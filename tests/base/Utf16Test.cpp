// UTF-8 to UTF-16 and back, as texts cross the host interface.
#include "base/Utf16.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>

namespace {

TEST(Utf16, RoundTripsAndReplacesMalformedInput) {
    EXPECT_EQ(FromUtf16(ToUtf16("Гель 𝄞 a")), "Гель 𝄞 a");
    // Exactly the units each sequence gives: none left over from a longer sequence's bytes.
    EXPECT_EQ(ToUtf16("a𝄞Ж\xff"), u"a𝄞Ж\uFFFD");
    EXPECT_EQ(ToUtf16("𝄞𝄞"), u"𝄞𝄞");
    EXPECT_EQ(ToUtf16(""), u"");
    EXPECT_EQ(ToUtf16("\xff"
                      "a"),
              u"\uFFFD"
              u"a");
    EXPECT_EQ(ToUtf16("\xd0"), u"\uFFFD");  // truncated sequence
    EXPECT_EQ(ToUtf16("\xc0\xaf"
                      "b"),
              u"\uFFFD"
              u"b");  // overlong "/" is one bad sequence
    EXPECT_EQ(FromUtf16(std::u16string(1, char16_t(0xD800)) + u"b"),
              "\xEF\xBF\xBD"
              "b");
    EXPECT_EQ(FromUtf16(static_cast<const char16_t*>(nullptr)), "");
}

TEST(Utf16, AppendingKeepsTheTextBeforeIt) {
    std::u16string text = u"plugins\\";
    AppendUtf16(text, "Ж\xff𝄞");
    EXPECT_EQ(text, u"plugins\\Ж\uFFFD𝄞");
    AppendUtf16(text, "");
    EXPECT_EQ(text, u"plugins\\Ж\uFFFD𝄞");
}

struct DecodeCase {
    const char* name;
    std::string text;
    std::optional<char32_t> expected;
    size_t next;  // where the decoding moves on
};

void PrintTo(const DecodeCase& c, std::ostream* out) { *out << c.name; }

class Utf8Decoding : public testing::TestWithParam<DecodeCase> {};

TEST_P(Utf8Decoding, TakesStrictSequencesAndMovesOn) {
    size_t pos = 0;
    EXPECT_EQ(DecodeUtf8(GetParam().text, pos), GetParam().expected);
    EXPECT_EQ(pos, GetParam().next);
}

INSTANTIATE_TEST_SUITE_P(Cases, Utf8Decoding,
                         testing::Values(DecodeCase{"Ascii", "a", U'a', 1},
                                         DecodeCase{"TwoBytes", "\xd0\x93", U'\u0413', 2},
                                         DecodeCase{"FourBytes", "\xf0\x9d\x84\x9e", U'\U0001D11E', 4},
                                         DecodeCase{"LoneContinuation", "\x80", std::nullopt, 1},
                                         DecodeCase{"Truncated", "\xe2\x82", std::nullopt, 1},
                                         DecodeCase{"BadContinuation",
                                                    "\xd0"
                                                    "a",
                                                    std::nullopt, 1},
                                         DecodeCase{"Overlong", "\xc0\xaf", std::nullopt, 2},
                                         DecodeCase{"Surrogate", "\xed\xa0\x80", std::nullopt, 3},
                                         DecodeCase{"BeyondUnicode", "\xf4\x90\x80\x80", std::nullopt, 4}),
                         [](const testing::TestParamInfo<DecodeCase>& info) { return std::string(info.param.name); });

}  // namespace
