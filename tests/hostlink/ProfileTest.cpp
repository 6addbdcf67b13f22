// The profile parameters through a host, their full names and the language table.
#include "LinkedHost.h"
#include "base/Utf16.h"
#include "hostlink/LanguageTable.h"
#include "hostlink/Profile.h"

#include <gtest/gtest.h>

namespace {

class ProfileWithHost : public testing::Test {
protected:
    LinkedHost host;
    const Profile& profile = host.profile;
};

struct NameCase {
    const char* name;
    const char* basePath;
    const char* section;
    const char* key;
    const char* expected;
};

std::ostream& operator<<(std::ostream& out, const NameCase& c) { return out << c.name; }

class ProfileParameterNames : public testing::TestWithParam<NameCase> {};

TEST_P(ProfileParameterNames, JoinBasePathSectionAndKey) {
    const HostLink noHost;
    const Profile profile(noHost, GetParam().basePath);
    EXPECT_EQ(profile.ParameterName(GetParam().section, GetParam().key), GetParam().expected);
}

TEST(ProfileBasePath, SettingItRenamesTheParameters) {
    const HostLink noHost;
    Profile profile(noHost);
    EXPECT_EQ(profile.BasePath(), "");
    profile.SetBasePath(kModuleProfileBasePath);
    EXPECT_EQ(profile.BasePath(), "plugins\\quorvel");
    EXPECT_EQ(profile.ParameterName("", "K"), "plugins\\quorvel\\/K");
}

INSTANTIATE_TEST_SUITE_P(Cases, ProfileParameterNames,
                         testing::Values(NameCase{"WorkbenchKey", "plugins\\quorvel", "", "K", "plugins\\quorvel\\/K"},
                                         NameCase{"BeforeFirstMenuCommand", "", "", "K", "/K"},
                                         NameCase{"NamedSection", "plugins\\quorvel", "Docs", "Path",
                                                  "plugins\\quorvel\\Docs/Path"}),
                         [](const testing::TestParamInfo<NameCase>& info) { return std::string(info.param.name); });

// The host is given the name in UTF-16, converted piece by piece; malformed bytes at the ends of the
// pieces must give the units the whole name would.
TEST(ProfileHostNames, AreTheFullNameInUtf16) {
    const struct {
        const char* basePath;
        const char* section;
        const char* key;
    } cases[] = {
        {"plugins\\quorvel", "", "Assay 12"},
        {"", "Docs", "Путь"},
        {"plugins\\\xD0", "\xE2\x82", "K\xFF"},  // sequences cut at every separator
        {"\xF0\x9D\x84\x9E", "\xC0\xAF", "\xF0\x9D"},
    };
    for (const auto& c : cases) {
        LinkedHost host;
        host.profile.SetBasePath(c.basePath);
        host.profile.SetString(c.section, c.key, "v");
        const std::string expected = FromUtf16(ToUtf16(host.profile.ParameterName(c.section, c.key)));
        ASSERT_EQ(host.strings.size(), 1u) << c.basePath;
        EXPECT_EQ(host.strings.begin()->first, expected) << c.basePath << " " << c.section << " " << c.key;
    }
}

TEST_F(ProfileWithHost, ReadsStoredValuesUnderTheFullName) {
    host.ints["plugins\\quorvel\\/ComboGrad_CurSel"] = 2;
    host.doubles["plugins\\quorvel\\/K"] = 0.1;
    host.strings["plugins\\quorvel\\/PublicDocuments_Quorvel"] = "/srv/Документы";
    EXPECT_EQ(profile.GetInt("", "ComboGrad_CurSel", 404), 2);
    EXPECT_EQ(profile.GetDouble("", "K", 1.0), 0.1);
    EXPECT_EQ(profile.GetString("", "PublicDocuments_Quorvel", "404"), "/srv/Документы");
    EXPECT_EQ(host.calls.front(), "Exists Profile/GetInt");
}

TEST_F(ProfileWithHost, MissingValuesGiveTheDefaults) {
    EXPECT_EQ(profile.GetInt("", "ComboGrad_CurSel", 404), 404);
    EXPECT_EQ(profile.GetDouble("", "Alpha", 0.0), 0.0);
    EXPECT_EQ(profile.GetString("", "PublicDocuments_Quorvel", "404"), "404");
}

TEST_F(ProfileWithHost, UnservedCommandsGiveDefaultsAndFalseWithoutBeingCalled) {
    host.served.clear();
    host.ints["plugins\\quorvel\\/WindowRect_btx"] = 900;
    EXPECT_EQ(profile.GetInt("", "WindowRect_btx", 0), 0);
    EXPECT_EQ(profile.GetString("", "Assay 1", "404"), "404");
    EXPECT_FALSE(profile.SetInt("", "WindowRect_btx", 5));
    EXPECT_FALSE(profile.SetDouble("", "K", 2.0));
    profile.SetString("", "Assay 1", "12/0");
    profile.DeleteParameter("", "WindowRect_btx");
    EXPECT_EQ(host.ints["plugins\\quorvel\\/WindowRect_btx"], 900);
    EXPECT_TRUE(host.strings.empty());
    for (const std::string& call : host.calls) EXPECT_EQ(call.rfind("Exists ", 0), 0u) << call;
}

TEST_F(ProfileWithHost, SetValuesRoundTrip) {
    EXPECT_TRUE(profile.SetInt("", "ComboFormula_CurSel", 1));
    EXPECT_TRUE(profile.SetDouble("", "Alpha", 0.725));
    profile.SetString("", "Assay 1", "12/0");
    EXPECT_EQ(profile.GetInt("", "ComboFormula_CurSel", 404), 1);
    EXPECT_EQ(profile.GetDouble("", "Alpha", 0.0), 0.725);
    EXPECT_EQ(profile.GetString("", "Assay 1", "404"), "12/0");
    profile.DeleteParameter("", "Assay 1");
    EXPECT_EQ(profile.GetString("", "Assay 1", "404"), "404");
}

TEST_F(ProfileWithHost, StringsAreCutAt127Characters) {
    host.strings["plugins\\quorvel\\/Long"] = std::string(300, 'a');
    EXPECT_EQ(profile.GetString("", "Long", "404"), std::string(127, 'a'));
    // A host that fills all 128 units without a terminator still yields 127 characters.
    host.fillWholeStringBuffer = true;
    EXPECT_EQ(profile.GetString("", "Long", "404"), std::string(127, 'a'));
}

TEST(LanguageTable, KnownAndUnknownIdentifiers) {
    EXPECT_EQ(LanguageAbbreviation(1033), "ENU");
    EXPECT_EQ(LanguageAbbreviation(1031), "DEU");
    EXPECT_EQ(LanguageAbbreviation(1036), "FRA");
    EXPECT_EQ(LanguageAbbreviation(1049), "RUS");
    EXPECT_EQ(LanguageAbbreviation(0), std::nullopt);
    EXPECT_EQ(LanguageAbbreviation(0xFFFF), std::nullopt);
}

}  // namespace
