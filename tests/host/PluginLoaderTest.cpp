// Loading a plug-in folder: the recording test plug-in, libraries that are no plug-ins, and folders
// without plug-ins.
#include "TempFolder.h"
#include "host/CommandBus.h"
#include "host/HostApiBridge.h"
#include "host/HostRecords.h"
#include "host/PluginLoader.h"

#include <gtest/gtest.h>

#include <dlfcn.h>

namespace {

using RecordedCallsFunction = const char* (*)();

class PluginLoaderTest : public testing::Test {
protected:
    void SetUp() override {
        bus.Serve(HOST_CMD_GET_LANGUAGE, [](intptr_t, intptr_t) { return intptr_t{0x10409}; });
        bus.Serve(HOST_CMD_CREATE_NEW_MENU, [this](intptr_t, intptr_t record) -> intptr_t {
            const auto request = ReadMenuRecord(reinterpret_cast<const CreateNewMenuRecord*>(record));
            if (request) menus.push_back(*request);
            return request ? 1 : 0;
        });
        table = BindHostApi(bus);
    }
    void TearDown() override { UnbindHostApi(); }

    CommandBus bus;
    const HostApi* table = nullptr;
    std::vector<MenuRequest> menus;
    TempFolder folder;
};

TEST_F(PluginLoaderTest, LoadsPluginsAndSkipsTheRest) {
    std::filesystem::copy_file(HOST_TEST_PLUGIN, folder / "recording.so");
    std::filesystem::copy_file(HOST_TEST_NOEXPORTS_PLUGIN, folder / "noexports.so");
    WriteFileBytes(folder / "broken.so", "not a shared library");
    WriteFileBytes(folder / "readme.txt", "ignored");

    PluginLoader loader;
    const std::vector<std::string> problems = loader.LoadFolder(folder.Path().string(), table);
    ASSERT_EQ(problems.size(), 2u);
    EXPECT_NE(problems[0].find("broken.so"), std::string::npos) << problems[0];
    EXPECT_NE(problems[1].find("noexports.so"), std::string::npos) << problems[1];
    EXPECT_NE(problems[1].find("does not export"), std::string::npos) << problems[1];
    ASSERT_EQ(loader.Plugins().size(), 1u);
    const LoadedPlugin& plugin = loader.Plugins()[0];
    EXPECT_EQ(plugin.name, "testplugin");
    EXPECT_EQ(plugin.title, "Test plug-in");
    EXPECT_EQ(plugin.version, 0x01000002u);

    EXPECT_EQ(bus.Fire(HOST_EVENT_MODULES_LOADED, 0), 1);
    ASSERT_EQ(menus.size(), 1u);
    EXPECT_EQ(menus[0].levels, (std::vector<std::string>{"Data", "Tests", "Run"}));
    EXPECT_EQ(menus[0].commandName, "testplugin/Command");
    EXPECT_EQ(bus.Exists("testplugin/Command"), 1);
    bus.Call("testplugin/Command", 77, 0);

    loader.UnloadAll();
    loader.UnloadAll();
    EXPECT_EQ(bus.Exists("testplugin/Command"), 0);
    EXPECT_EQ(bus.Fire(HOST_EVENT_MODULES_LOADED, 0), 0);

    const auto recorded = reinterpret_cast<RecordedCallsFunction>(dlsym(plugin.handle, "RecordedCalls"));
    ASSERT_NE(recorded, nullptr);
    EXPECT_EQ(std::string(recorded()), "Load subscribed 1\nLanguage 1033\nRegistered 1\nMenu 1\nCommand 77\nUnload\n");
}

TEST_F(PluginLoaderTest, FolderWithoutPluginsGivesMessage) {
    WriteFileBytes(folder / "notes.txt", "no plug-ins here");
    std::filesystem::create_directory(folder / "sub.so");
    PluginLoader loader;
    const std::vector<std::string> problems = loader.LoadFolder(folder.Path().string(), table);
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_NE(problems[0].find("holds no plug-ins"), std::string::npos) << problems[0];
    EXPECT_TRUE(loader.Plugins().empty());
}

TEST_F(PluginLoaderTest, MissingFolderGivesMessage) {
    PluginLoader loader;
    const std::vector<std::string> problems = loader.LoadFolder(folder / "absent", table);
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_NE(problems[0].find("does not exist"), std::string::npos) << problems[0];
}

}  // namespace
