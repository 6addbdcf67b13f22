// Chromatogram files whose XML part is built to exhaust a reader: nesting 100,000 deep, entities that
// would grow to gigabytes, entities naming other files. Each is read in a child whose peak memory is
// measured.
#include "ChildProcess.h"
#include "ChromatogramBytes.h"
#include "TempFolder.h"
#include "data/COrbitasFile4.h"

#include <gtest/gtest.h>

#include <fstream>

namespace {

constexpr size_t kMemoryBound = 64 * 1024 * 1024;  // bytes, without a sanitizer
constexpr int kDepth = 100000;

std::string Repeated(const std::string& text, int times) {
    std::string out;
    out.reserve(text.size() * times);
    for (int i = 0; i < times; ++i) out += text;
    return out;
}

// Ten entities, each ten of the one before: "&lol9;" would be a thousand million "lol"s.
std::string LaughsDoctype() {
    std::string doctype = "<!DOCTYPE root [<!ENTITY lol0 \"lol\">";
    for (int i = 1; i <= 9; ++i)
        doctype +=
            "<!ENTITY lol" + std::to_string(i) + " \"" + Repeated("&lol" + std::to_string(i - 1) + ";", 10) + "\">";
    return doctype + "]>";
}

struct HostileXmlCase {
    const char* name;
    std::string xml;
    int32_t code;
    std::string sample;  // the passport's sample after the read
};

std::ostream& operator<<(std::ostream& out, const HostileXmlCase& c) { return out << c.name; }

class HostileXml : public testing::TestWithParam<HostileXmlCase> {};

TEST_P(HostileXml, IsReadOrRejectedInBoundedMemory) {
    TempFolder folder;
    const std::string path = folder / "hostile.chr";
    {
        using namespace ChromatogramBytes;
        std::ofstream(path, std::ios::binary)
            << Header("STG", 1, 16 + 32 + 8) << Block(1, 0.5, 0.25, 2, {1.0f, 2.0f}) << GetParam().xml;
    }
    const std::optional<size_t> growth = PeakMemoryGrowth([&] {
        COrbitasFile4 file;
        file.passport.sample = "before";
        const int32_t code = file.Read(path).code;
        if (code != GetParam().code || file.channels.size() != 1 || file.passport.sample != GetParam().sample)
            ::_exit(1);
    });
    ASSERT_TRUE(growth) << "the read did not end as expected";
    EXPECT_LT(*growth, kMemoryBound * kSanitizerMemoryFactor);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, HostileXml,
    testing::Values(HostileXmlCase{"NestedHundredThousandDeep",
                                   "<root><passport><sample value=\"s\"/>" + Repeated("<a>", kDepth) +
                                       Repeated("</a>", kDepth) + "</passport></root>",
                                   COrbitasFile4::Ok, "s"},
                    HostileXmlCase{"NestedHundredThousandDeepNeverClosed",
                                   "<root><passport><sample value=\"s\"/>" + Repeated("<a>", kDepth),
                                   COrbitasFile4::BadXml, "before"},
                    HostileXmlCase{"BillionLaughs",
                                   LaughsDoctype() +
                                       "<root><passport><sample value=\"&lol9;\"/><x title=\"&lol9;&lol9;\" "
                                       "value=\"&lol9;\">&lol9;</x></passport></root>",
                                   COrbitasFile4::Ok, "&lol9;"},
                    HostileXmlCase{"OtherFileAsEntity",
                                   "<!DOCTYPE root [<!ENTITY xxe SYSTEM \"file:///etc/passwd\">]>"
                                   "<root><passport><sample value=\"&xxe;\"/></passport></root>",
                                   COrbitasFile4::Ok, "&xxe;"},
                    HostileXmlCase{"HundredThousandAttributes",
                                   "<root><passport><sample value=\"s\" " +
                                       [] {
                                           std::string attributes;
                                           for (int i = 0; i < kDepth; ++i)
                                               attributes += "a" + std::to_string(i) + "=\"\" ";
                                           return attributes;
                                       }() +
                                       "/></passport></root>",
                                   COrbitasFile4::Ok, "s"}),
    [](const testing::TestParamInfo<HostileXmlCase>& info) { return std::string(info.param.name); });

}  // namespace
