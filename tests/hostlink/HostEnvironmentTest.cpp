// The module's environment as a host tells it: the documents folder from the profile at each use, the
// database location and the language asked when the plug-in entry asks.
#include "LinkedHost.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

constexpr char kDocumentsParameter[] = "plugins\\quorvel\\/PublicDocuments_Quorvel";

struct FolderCase {
    const char* name;
    std::optional<std::string> stored;  // the profile value; empty: none stored
    std::optional<std::string> expected;
};

std::ostream& operator<<(std::ostream& out, const FolderCase& c) { return out << c.name; }

class DocumentsFolder : public testing::TestWithParam<FolderCase> {
protected:
    LinkedHost host;
};

TEST_P(DocumentsFolder, ComesFromTheProfileWith404AsNone) {
    if (GetParam().stored) host.strings[kDocumentsParameter] = *GetParam().stored;
    EXPECT_EQ(host.environment.DocumentsFolder(), GetParam().expected);
    EXPECT_EQ(host.calls.back(), "Call Profile/GetString");
}

INSTANTIATE_TEST_SUITE_P(Cases, DocumentsFolder,
                         testing::Values(FolderCase{"Stored", "/srv/Документы", "/srv/Документы"},
                                         FolderCase{"Missing", std::nullopt, std::nullopt},
                                         FolderCase{"StoredAs404", "404", std::nullopt}, FolderCase{"Empty", "", ""}),
                         [](const testing::TestParamInfo<FolderCase>& info) { return std::string(info.param.name); });

TEST(HostEnvironment, DocumentsFolderIsAskedAgainAtEachUse) {
    LinkedHost host;
    host.strings[kDocumentsParameter] = "/first";
    EXPECT_EQ(host.environment.DocumentsFolder(), "/first");
    host.strings[kDocumentsParameter] = "/second";
    EXPECT_EQ(host.environment.DocumentsFolder(), "/second");
}

TEST(HostEnvironment, NoDocumentsFolderWithoutTheProfileCommand) {
    LinkedHost host;
    host.strings[kDocumentsParameter] = "/srv/docs";
    host.served.erase(HOST_CMD_PROFILE_GET_STRING);
    EXPECT_EQ(host.environment.DocumentsFolder(), std::nullopt);
}

TEST(HostEnvironment, DatabaseLocationIsTheLastOneNamed) {
    LinkedHost host;
    EXPECT_EQ(host.environment.DatabaseLocation(), std::nullopt);
    host.connectionUri = "/data/Хроматограммы/host.db";
    host.environment.AskDatabaseLocation();
    EXPECT_EQ(host.environment.DatabaseLocation(), "/data/Хроматограммы/host.db");
    host.connectionUri = "/second.db";
    EXPECT_EQ(host.environment.DatabaseLocation(), "/data/Хроматограммы/host.db") << "asked only when told to";
    host.environment.AskDatabaseLocation();
    EXPECT_EQ(host.environment.DatabaseLocation(), "/second.db");
}

TEST(HostEnvironment, HostWithoutDatabaseCommandKeepsTheEarlierLocation) {
    LinkedHost host;
    host.connectionUri = "/earlier/location.db";
    host.environment.AskDatabaseLocation();
    host.served.erase(HOST_CMD_GET_CONNECTION_URI);
    host.calls.clear();
    host.environment.AskDatabaseLocation();
    EXPECT_EQ(host.calls, std::vector<std::string>{"Exists DB/GetConnectionUri"});
    EXPECT_EQ(host.environment.DatabaseLocation(), "/earlier/location.db");
}

struct LanguageCase {
    const char* name;
    bool served;
    uint16_t answered;
    uint16_t expected;
};

std::ostream& operator<<(std::ostream& out, const LanguageCase& c) { return out << c.name; }

class Language : public testing::TestWithParam<LanguageCase> {};

TEST_P(Language, IsTheHostsOrTheModulesOwn) {
    LinkedHost host;
    host.language = 1033;  // an earlier answer that must not stay
    host.environment.AskLanguage();
    host.language = GetParam().answered;
    if (!GetParam().served) host.served.erase(HOST_CMD_GET_LANGUAGE);
    host.environment.AskLanguage();
    EXPECT_EQ(host.environment.Language(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, Language,
                         testing::Values(LanguageCase{"Russian", true, 1049, 1049},
                                         LanguageCase{"German", true, 1031, 1031},
                                         LanguageCase{"NotServed", false, 1031, kModuleLanguage}),
                         [](const testing::TestParamInfo<LanguageCase>& info) { return std::string(info.param.name); });

}  // namespace
