#include "AttachedHost.h"
#include "hostlink/LanguageTable.h"
#include "hostlink/Profile.h"

#include <gtest/gtest.h>

namespace {

class ProfileWithHost : public testing::Test {
protected:
    AttachedHost host;
};

struct NameCase {
    const char* name;
    const char* basePath;
    const char* section;
    const char* key;
    const char* expected;
};

std::ostream& operator<<(std::ostream& out, const NameCase& c) { return out << c.name; }

class ProfileParameterNames : public testing::TestWithParam<NameCase> {
protected:
    void TearDown() override { SetProfileBasePath(""); }
};

TEST_P(ProfileParameterNames, JoinBasePathSectionAndKey) {
    SetProfileBasePath(GetParam().basePath);
    EXPECT_EQ(ProfileParameterName(GetParam().section, GetParam().key), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, ProfileParameterNames,
    testing::Values(NameCase{"WorkbenchKey", "plugins\\quorvel", "", "K", "plugins\\quorvel\\/K"},
                    NameCase{"BeforeFirstMenuCommand", "", "", "K", "/K"},
                    NameCase{"NamedSection", "plugins\\quorvel", "Docs", "Path", "plugins\\quorvel\\Docs/Path"}),
    [](const testing::TestParamInfo<NameCase>& info) { return std::string(info.param.name); });

TEST_F(ProfileWithHost, ReadsStoredValuesUnderTheFullName) {
    host.ints["plugins\\quorvel\\/ComboGrad_CurSel"] = 2;
    host.doubles["plugins\\quorvel\\/K"] = 0.1;
    host.strings["plugins\\quorvel\\/PublicDocuments_Quorvel"] = "/srv/Документы";
    EXPECT_EQ(ProfileGetInt("", "ComboGrad_CurSel", 404), 2);
    EXPECT_EQ(ProfileGetDouble("", "K", 1.0), 0.1);
    EXPECT_EQ(ProfileGetString("", "PublicDocuments_Quorvel", "404"), "/srv/Документы");
    EXPECT_EQ(host.calls.front(), "Exists Profile/GetInt");
}

TEST_F(ProfileWithHost, MissingValuesGiveTheDefaults) {
    EXPECT_EQ(ProfileGetInt("", "ComboGrad_CurSel", 404), 404);
    EXPECT_EQ(ProfileGetDouble("", "Alpha", 0.0), 0.0);
    EXPECT_EQ(ProfileGetString("", "PublicDocuments_Quorvel", "404"), "404");
}

TEST_F(ProfileWithHost, UnservedCommandsGiveDefaultsAndFalseWithoutBeingCalled) {
    host.served.clear();
    host.ints["plugins\\quorvel\\/WindowRect_btx"] = 900;
    EXPECT_EQ(ProfileGetInt("", "WindowRect_btx", 0), 0);
    EXPECT_EQ(ProfileGetString("", "Assay 1", "404"), "404");
    EXPECT_FALSE(ProfileSetInt("", "WindowRect_btx", 5));
    EXPECT_FALSE(ProfileSetDouble("", "K", 2.0));
    ProfileSetString("", "Assay 1", "12/0");
    ProfileDeleteParameter("", "WindowRect_btx");
    EXPECT_EQ(host.ints["plugins\\quorvel\\/WindowRect_btx"], 900);
    EXPECT_TRUE(host.strings.empty());
    for (const std::string& call : host.calls) EXPECT_EQ(call.rfind("Exists ", 0), 0u) << call;
}

TEST_F(ProfileWithHost, SetValuesRoundTrip) {
    EXPECT_TRUE(ProfileSetInt("", "ComboFormula_CurSel", 1));
    EXPECT_TRUE(ProfileSetDouble("", "Alpha", 0.725));
    ProfileSetString("", "Assay 1", "12/0");
    EXPECT_EQ(ProfileGetInt("", "ComboFormula_CurSel", 404), 1);
    EXPECT_EQ(ProfileGetDouble("", "Alpha", 0.0), 0.725);
    EXPECT_EQ(ProfileGetString("", "Assay 1", "404"), "12/0");
    ProfileDeleteParameter("", "Assay 1");
    EXPECT_EQ(ProfileGetString("", "Assay 1", "404"), "404");
}

TEST_F(ProfileWithHost, StringsAreCutAt127Characters) {
    host.strings["plugins\\quorvel\\/Long"] = std::string(300, 'a');
    EXPECT_EQ(ProfileGetString("", "Long", "404"), std::string(127, 'a'));
    // A host that fills all 128 units without a terminator still yields 127 characters.
    host.fillWholeStringBuffer = true;
    EXPECT_EQ(ProfileGetString("", "Long", "404"), std::string(127, 'a'));
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
