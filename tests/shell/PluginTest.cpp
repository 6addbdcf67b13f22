// The plug-in's start-up, menu command and shut-down, driven in-process by a fake host.
#include "FakeHost.h"
#include "shell/Plugin.h"
#include "workbench/DlgMain.h"

#include <QWidget>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

bool Called(const FakeHost& host, const std::string& entry) {
    return std::find(host.calls.begin(), host.calls.end(), entry) != host.calls.end();
}

class PluginLifecycle : public testing::Test {
protected:
    void TearDown() override { Unload(); }
    FakeHost host;
};

TEST_F(PluginLifecycle, StartUpSubscribesRegistersAddsMenuAndStoresLocation) {
    host.connectionUri = "/data/Хроматограммы/host.db";
    ASSERT_EQ(Load(host.Api()), 0);
    ASSERT_EQ(host.subscriptions.size(), 1u);
    EXPECT_EQ(host.subscriptions[0].name, "System/ModulesLoaded");
    EXPECT_FALSE(Called(host, "Exists System/ModulesLoaded"));
    EXPECT_TRUE(host.commands.empty());
    EXPECT_TRUE(host.menus.empty());

    ASSERT_EQ(host.Fire("System/ModulesLoaded"), 1);
    ASSERT_EQ(host.commands.size(), 1u);
    EXPECT_EQ(host.commands[0].name, "quorvel/MenuCommand");
    ASSERT_EQ(host.menus.size(), 1u);
    EXPECT_EQ(host.menus[0].size, sizeof(CreateNewMenuRecord));
    EXPECT_EQ(host.menus[0].path, "Данные/Расчёты/Гель хроматография");
    EXPECT_EQ(host.menus[0].reserved, 0u);
    EXPECT_EQ(host.menus[0].command, "quorvel/MenuCommand");
    EXPECT_FALSE(Called(host, "Exists MainMenu/CreateNewMenu"));
    EXPECT_EQ(PluginEnvironment().DatabaseLocation(), host.connectionUri);
    EXPECT_EQ(WorkbenchWindow(), nullptr);
}

TEST_F(PluginLifecycle, RussianHostLoadsNoTranslation) {
    host.language = 1049;
    Load(host.Api());
    EXPECT_TRUE(Called(host, "Call System/GetLanguage"));
    EXPECT_FALSE(PluginTexts().IsTranslated());
}

TEST_F(PluginLifecycle, EnglishHostWithoutTranslationFileKeepsRussianTexts) {
    host.language = 1033;
    Load(host.Api());
    host.Fire("System/ModulesLoaded");
    EXPECT_FALSE(PluginTexts().IsTranslated());
    ASSERT_EQ(host.menus.size(), 1u);
    EXPECT_EQ(host.menus[0].path, "Данные/Расчёты/Гель хроматография");
}

TEST_F(PluginLifecycle, HostWithoutLanguageOrDatabaseIsAccepted) {
    host.connectionUri = "/earlier/location.db";
    Load(host.Api());
    host.Fire("System/ModulesLoaded");
    Unload();
    host.calls.clear();
    host.menus.clear();
    host.served.erase("System/GetLanguage");
    host.served.erase("DB/GetConnectionUri");
    ASSERT_EQ(Load(host.Api()), 0);
    host.Fire("System/ModulesLoaded");
    EXPECT_FALSE(Called(host, "Call System/GetLanguage"));
    EXPECT_FALSE(Called(host, "Call DB/GetConnectionUri"));
    EXPECT_EQ(host.menus.size(), 1u);
    EXPECT_EQ(PluginEnvironment().DatabaseLocation(), "/earlier/location.db");
}

TEST_F(PluginLifecycle, SecondStartUpEventReplacesTheLocation) {
    Load(host.Api());
    host.connectionUri = "/first.db";
    host.Fire("System/ModulesLoaded");
    host.connectionUri = "/second.db";
    host.Fire("System/ModulesLoaded");
    EXPECT_EQ(host.menus.size(), 2u);
    EXPECT_EQ(PluginEnvironment().DatabaseLocation(), "/second.db");
}

TEST_F(PluginLifecycle, MenuCommandsCreateOneWorkbenchWithStartValues) {
    QWidget hostWindow;
    Load(host.Api());
    host.Fire("System/ModulesLoaded");
    EXPECT_EQ(PluginProfile().BasePath(), "");

    ASSERT_TRUE(host.RunCommand("quorvel/MenuCommand", reinterpret_cast<intptr_t>(&hostWindow)));
    DlgMain* first = WorkbenchWindow();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(PluginProfile().BasePath(), "plugins\\quorvel");
    EXPECT_EQ(first->parentWidget(), &hostWindow);
    EXPECT_TRUE(first->isVisible());
    EXPECT_EQ(first->windowTitle(), QString("Гель-проникающая хроматография"));

    first->hide();
    host.RunCommand("quorvel/MenuCommand", reinterpret_cast<intptr_t>(&hostWindow));
    EXPECT_EQ(WorkbenchWindow(), first);
    EXPECT_TRUE(first->isVisible());

    // An empty profile restores the defaults: K 1, Alpha 0, the first calibration type and dependence.
    const WorkbenchState& s = first->State();
    EXPECT_EQ(s.K, 1.0);
    EXPECT_EQ(s.Alpha, 0.0);
    for (double v : {s.results.Mn, s.results.Mw, s.results.MwMn, s.results.Mz, s.results.Mz1, s.results.Mp,
                     s.results.k0, s.results.k1, s.results.k2, s.results.k3})
        EXPECT_EQ(v, 0.0);
    EXPECT_EQ(s.GradIndex, 0);
    EXPECT_EQ(s.FormulaIndex, 0);
    EXPECT_TRUE(s.Assays.empty());
    EXPECT_TRUE(s.PointFlags.empty());
}

TEST(WorkbenchState, NewStateHoldsTheStartValues) {
    const WorkbenchState s;
    EXPECT_EQ(s.K, 1.0);
    EXPECT_EQ(s.Alpha, 1.0);
    for (double v : {s.results.Mn, s.results.Mw, s.results.MwMn, s.results.Mz, s.results.Mz1, s.results.Mp,
                     s.results.k0, s.results.k1, s.results.k2, s.results.k3})
        EXPECT_EQ(v, 0.0);
    EXPECT_EQ(s.GradIndex, 0);
    EXPECT_EQ(s.FormulaIndex, 0);
    EXPECT_EQ(s.ChannelIndex, 0);
}

TEST_F(PluginLifecycle, UnloadDropsSubscriptionRegistrationAndWindow) {
    Load(host.Api());
    host.Fire("System/ModulesLoaded");
    host.RunCommand("quorvel/MenuCommand", 0);
    ASSERT_NE(WorkbenchWindow(), nullptr);

    EXPECT_EQ(Unload(), 0);
    EXPECT_FALSE(host.subscriptions[0].live);
    EXPECT_FALSE(host.commands[0].live);
    EXPECT_EQ(WorkbenchWindow(), nullptr);
    EXPECT_EQ(host.Fire("System/ModulesLoaded"), 0);
    EXPECT_FALSE(host.RunCommand("quorvel/MenuCommand", 0));
}

TEST_F(PluginLifecycle, HostDestroyingTheParentLeavesNoDanglingWorkbench) {
    auto* hostWindow = new QWidget;
    Load(host.Api());
    host.Fire("System/ModulesLoaded");
    host.RunCommand("quorvel/MenuCommand", reinterpret_cast<intptr_t>(hostWindow));
    ASSERT_NE(WorkbenchWindow(), nullptr);
    delete hostWindow;
    EXPECT_EQ(WorkbenchWindow(), nullptr);
    EXPECT_EQ(Unload(), 0);
}

}  // namespace
