// UTF-8 to UTF-16 and back, as texts cross the host interface.
#include "base/Utf16.h"

#include <gtest/gtest.h>

namespace {

TEST(Utf16, RoundTripsAndReplacesMalformedInput) {
    EXPECT_EQ(FromUtf16(ToUtf16("Гель 𝄞 a")), "Гель 𝄞 a");
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

}  // namespace
