// The host profile: its file round trip, damaged files, the atomic save and the profile commands.
#include "TempFolder.h"
#include "host/CommandBus.h"
#include "host/HostText.h"
#include "host/ProfileCommands.h"
#include "host/ProfileStore.h"

#include <gtest/gtest.h>

#include <unistd.h>
#include <cmath>
#include <cstring>
#include <limits>

namespace {

// Loads path into a fresh store, failing the test when the file does not load.
ProfileStore Reloaded(const std::string& path) {
    ProfileStore store;
    std::string message;
    EXPECT_TRUE(store.Load(path, message)) << message;
    return store;
}

TEST(ProfileStore, IntsDoublesAndStringsSurviveTheFile) {
    TempFolder folder;
    const std::string path = folder / "profile.ini";
    const double doubles[] = {
        0.1,  1.0 / 3.0,    -2.5e-300, std::numeric_limits<double>::max(), std::numeric_limits<double>::denorm_min(),
        -0.0, 6.02214076e23};
    const std::string strings[] = {
        "Гель хроматография", "a=b=c", "line one\nline two\r\nthree", "100%25 %", "  padded  ", "# not a comment", ""};
    ProfileStore store;
    std::string message;
    ASSERT_TRUE(store.Load(path, message));
    store.SetInt("plugins\\quorvel\\/WindowRect_btx", -1234);
    store.SetInt("max", std::numeric_limits<int32_t>::max());
    for (std::size_t i = 0; i < std::size(doubles); ++i) store.SetDouble("double " + std::to_string(i), doubles[i]);
    for (std::size_t i = 0; i < std::size(strings); ++i) store.Set("name =#%\n" + std::to_string(i), strings[i]);
    ASSERT_TRUE(store.Save(message)) << message;

    const ProfileStore read = Reloaded(path);
    EXPECT_EQ(read.GetInt("plugins\\quorvel\\/WindowRect_btx"), -1234);
    EXPECT_EQ(read.GetInt("max"), std::numeric_limits<int32_t>::max());
    for (std::size_t i = 0; i < std::size(doubles); ++i) {
        const auto value = read.GetDouble("double " + std::to_string(i));
        ASSERT_TRUE(value) << i;
        EXPECT_EQ(std::memcmp(&*value, &doubles[i], sizeof(double)), 0) << "double " << i;
    }
    for (std::size_t i = 0; i < std::size(strings); ++i)
        EXPECT_EQ(read.Get("name =#%\n" + std::to_string(i)), strings[i]) << i;
}

TEST(ProfileStore, FileIsReadableText) {
    ProfileStore store;
    store.SetDouble("plugins\\quorvel\\/K", 1.5);
    store.Set("plugins\\quorvel\\/Assay 1", "12/0");
    const std::string text = store.Format();
    EXPECT_NE(text.find("\nplugins\\quorvel\\/K=1.5\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\nplugins\\quorvel\\/Assay 1=12/0\n"), std::string::npos) << text;
}

TEST(ProfileStore, TypedReadsRefuseOtherTexts) {
    ProfileStore store;
    store.Set("text", "12abc");
    store.Set("big", "3000000000");
    store.Set("fraction", "1.5");
    EXPECT_FALSE(store.GetInt("text"));
    EXPECT_FALSE(store.GetInt("big"));
    EXPECT_FALSE(store.GetInt("fraction"));
    EXPECT_EQ(store.GetDouble("fraction"), 1.5);
    EXPECT_FALSE(store.GetDouble("text"));
    EXPECT_FALSE(store.GetInt("absent"));
    EXPECT_TRUE(store.Remove("text"));
    EXPECT_FALSE(store.Remove("text"));
}

TEST(ProfileStore, MissingFileIsAnEmptyProfile) {
    TempFolder folder;
    const ProfileStore store = Reloaded(folder / "none.ini");
    EXPECT_FALSE(store.Get("anything"));
}

TEST(ProfileStore, ReadsLinesEndedByCrLf) {
    TempFolder folder;
    const std::string path = folder / "profile.ini";
    WriteFileBytes(path, "# comment\r\nK=2\r\n\r\nName=Гель\r\n");
    const ProfileStore store = Reloaded(path);
    EXPECT_EQ(store.GetInt("K"), 2);
    EXPECT_EQ(store.Get("Name"), "Гель");
}

struct DamagedCase {
    const char* name;
    std::string bytes;
    const char* reason;  // part of the message
};

class DamagedProfile : public testing::TestWithParam<DamagedCase> {};

TEST_P(DamagedProfile, GivesMessageEmptyProfileAndKeepsTheFile) {
    TempFolder folder;
    const std::string path = folder / "profile.ini";
    WriteFileBytes(path, GetParam().bytes);
    ProfileStore store;
    std::string message;
    EXPECT_FALSE(store.Load(path, message));
    EXPECT_NE(message.find("damaged"), std::string::npos) << message;
    EXPECT_NE(message.find(GetParam().reason), std::string::npos) << message;
    EXPECT_FALSE(store.Get("K"));

    store.SetInt("K", 5);
    ASSERT_TRUE(store.Save(message)) << message;
    EXPECT_EQ(FileBytes(path + ".damaged"), GetParam().bytes);
    EXPECT_EQ(Reloaded(path).GetInt("K"), 5);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DamagedProfile,
    testing::Values(DamagedCase{"LineWithoutEquals", "K=1\ngarbage\n", "line 2"},
                    DamagedCase{"BadEscape", "K=1%G0\n", "line 1"}, DamagedCase{"CutEscape", "K=1%4", "hexadecimal"},
                    DamagedCase{"NotUtf8", "K=\xff\xfe\n", "UTF-8"}, DamagedCase{"EscapedNotUtf8", "K=%FF\n", "UTF-8"},
                    DamagedCase{"EmptyName", "=5\n", "empty name"}, DamagedCase{"DuplicateName", "K=1\nK=2\n", "twice"},
                    DamagedCase{"ZeroByte", std::string("K=1\nA=\0\n", 8), "line 2"},
                    DamagedCase{"TooLarge", std::string(ProfileStore::MaxFileSize + 1, '#'), "16 MiB"}),
    [](const testing::TestParamInfo<DamagedCase>& info) { return std::string(info.param.name); });

TEST(ProfileStore, SecondDamagedFileGetsItsOwnName) {
    TempFolder folder;
    const std::string path = folder / "profile.ini";
    WriteFileBytes(path + ".damaged", "older");
    WriteFileBytes(path, "broken");
    ProfileStore store;
    std::string message;
    EXPECT_FALSE(store.Load(path, message));
    ASSERT_TRUE(store.Save(message)) << message;
    EXPECT_EQ(FileBytes(path + ".damaged"), "older");
    EXPECT_EQ(FileBytes(path + ".damaged-2"), "broken");
}

TEST(ProfileStore, FolderInPlaceOfTheFileIsNeverSaved) {
    TempFolder folder;
    const std::string path = folder / "profile.ini";
    std::filesystem::create_directory(path);
    ProfileStore store;
    std::string message;
    EXPECT_FALSE(store.Load(path, message));
    EXPECT_NE(message.find("not a regular file"), std::string::npos) << message;
    store.SetInt("K", 1);
    EXPECT_FALSE(store.Save(message));
    EXPECT_TRUE(std::filesystem::is_directory(path));
}

TEST(ProfileStore, SaveReplacesTheFileWholeAndLeavesNoTemporary) {
    TempFolder folder;
    const std::string path = folder / "profile.ini";
    ProfileStore store;
    std::string message;
    ASSERT_TRUE(store.Load(path, message));
    store.SetInt("K", 1);
    ASSERT_TRUE(store.Save(message)) << message;
    const std::string before = FileBytes(path);
    // A second name for the saved file: an in-place rewrite would show through it.
    std::filesystem::create_hard_link(path, folder / "old.ini");
    store.SetInt("K", 2);
    EXPECT_TRUE(store.Dirty());
    ASSERT_TRUE(store.Save(message)) << message;
    EXPECT_FALSE(store.Dirty());
    EXPECT_EQ(FileBytes(folder / "old.ini"), before);
    EXPECT_EQ(Reloaded(path).GetInt("K"), 2);
    std::size_t files = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder.Path())) ++files;
    EXPECT_EQ(files, 2u);
}

TEST(ProfileStore, SaveKeepsTheAccessRightsOfTheFile) {
    TempFolder folder;
    const std::string path = folder / "profile.ini";
    WriteFileBytes(path, "K=1\n");
    const auto rights = std::filesystem::perms::owner_read | std::filesystem::perms::owner_write |
                        std::filesystem::perms::group_read | std::filesystem::perms::others_read;
    std::filesystem::permissions(path, rights);
    ProfileStore store = Reloaded(path);
    store.SetInt("K", 2);
    std::string message;
    ASSERT_TRUE(store.Save(message)) << message;
    EXPECT_EQ(std::filesystem::status(path).permissions(), rights);
}

TEST(ProfileStore, SaveIntoMissingFolderFailsWithMessage) {
    TempFolder folder;
    const std::string path = (folder.Path() / "sub" / "profile.ini").string();
    ProfileStore store;
    std::string message;
    ASSERT_TRUE(store.Load(path, message));
    store.SetInt("K", 1);
    EXPECT_FALSE(store.Save(message));
    EXPECT_NE(message.find("temporary"), std::string::npos) << message;
    EXPECT_TRUE(store.Dirty());
}

class ProfileCommandsTest : public testing::Test {
protected:
    void SetUp() override {
        ServeProfileCommands(bus, store, [this] { ++changes; });
    }
    intptr_t Call(const char* command, const char16_t* name, const void* value) {
        return bus.Call(command, reinterpret_cast<intptr_t>(name), reinterpret_cast<intptr_t>(value));
    }
    CommandBus bus;
    ProfileStore store;
    int changes = 0;
};

TEST_F(ProfileCommandsTest, SetAndGetEachKind) {
    const int32_t i = -7;
    const double d = 0.1;
    EXPECT_EQ(Call(HOST_CMD_PROFILE_SET_INT, u"plugins\\quorvel\\/ComboGrad_CurSel", &i), 1);
    EXPECT_EQ(Call(HOST_CMD_PROFILE_SET_DOUBLE, u"plugins\\quorvel\\/K", &d), 1);
    EXPECT_EQ(Call(HOST_CMD_PROFILE_SET_STRING, u"plugins\\quorvel\\/Assay 1", u"12/1"), 1);
    EXPECT_EQ(changes, 3);

    int32_t readInt = 0;
    double readDouble = 0.0;
    char16_t text[PROFILE_STRING_CAPACITY + 1] = {};
    ProfileStringBuffer buffer{text, PROFILE_STRING_CAPACITY};
    EXPECT_EQ(Call(HOST_CMD_PROFILE_GET_INT, u"plugins\\quorvel\\/ComboGrad_CurSel", &readInt), 1);
    EXPECT_EQ(Call(HOST_CMD_PROFILE_GET_DOUBLE, u"plugins\\quorvel\\/K", &readDouble), 1);
    EXPECT_EQ(Call(HOST_CMD_PROFILE_GET_STRING, u"plugins\\quorvel\\/Assay 1", &buffer), 1);
    EXPECT_EQ(readInt, -7);
    EXPECT_EQ(readDouble, 0.1);
    EXPECT_EQ(std::u16string(text), u"12/1");
    EXPECT_EQ(store.Get("plugins\\quorvel\\/Assay 1"), "12/1");
}

TEST_F(ProfileCommandsTest, AbsentOrMistypedParametersAreNotFound) {
    int32_t readInt = 99;
    double readDouble = 9.5;
    char16_t text[4] = {u'x', 0};
    ProfileStringBuffer buffer{text, 4};
    store.Set("word", "abc");
    EXPECT_EQ(Call(HOST_CMD_PROFILE_GET_INT, u"absent", &readInt), 0);
    EXPECT_EQ(Call(HOST_CMD_PROFILE_GET_INT, u"word", &readInt), 0);
    EXPECT_EQ(Call(HOST_CMD_PROFILE_GET_DOUBLE, u"word", &readDouble), 0);
    EXPECT_EQ(Call(HOST_CMD_PROFILE_GET_STRING, u"absent", &buffer), 0);
    EXPECT_EQ(readInt, 99);
    EXPECT_EQ(readDouble, 9.5);
    EXPECT_EQ(std::u16string(text), u"x");
}

TEST_F(ProfileCommandsTest, NullPointersAnswerZero) {
    const int32_t i = 1;
    EXPECT_EQ(Call(HOST_CMD_PROFILE_SET_INT, nullptr, &i), 0);
    EXPECT_EQ(Call(HOST_CMD_PROFILE_SET_INT, u"K", nullptr), 0);
    EXPECT_EQ(Call(HOST_CMD_PROFILE_SET_DOUBLE, u"K", nullptr), 0);
    EXPECT_EQ(Call(HOST_CMD_PROFILE_SET_STRING, u"K", nullptr), 0);
    store.SetInt("K", 1);
    EXPECT_EQ(Call(HOST_CMD_PROFILE_GET_INT, u"K", nullptr), 0);
    EXPECT_EQ(Call(HOST_CMD_PROFILE_GET_STRING, u"K", nullptr), 0);
    EXPECT_EQ(changes, 0);
}

TEST_F(ProfileCommandsTest, StringAnswerIsCutToTheBuffer) {
    const std::u16string longText(200, u'ж');
    Call(HOST_CMD_PROFILE_SET_STRING, u"long", longText.c_str());
    char16_t text[PROFILE_STRING_CAPACITY + 1];
    std::fill(std::begin(text), std::end(text), u'#');
    ProfileStringBuffer buffer{text, PROFILE_STRING_CAPACITY};
    EXPECT_EQ(Call(HOST_CMD_PROFILE_GET_STRING, u"long", &buffer), 1);
    EXPECT_EQ(std::u16string(text), longText.substr(0, PROFILE_STRING_CAPACITY - 1));
    EXPECT_EQ(text[PROFILE_STRING_CAPACITY], u'#');
}

TEST_F(ProfileCommandsTest, DeleteRemovesOnlyExistingParameters) {
    store.SetInt("K", 1);
    EXPECT_EQ(Call(HOST_CMD_PROFILE_DEL_PARAM, u"K", nullptr), 1);
    EXPECT_EQ(Call(HOST_CMD_PROFILE_DEL_PARAM, u"K", nullptr), 0);
    EXPECT_FALSE(store.Get("K"));
    EXPECT_EQ(changes, 1);
}

}  // namespace
