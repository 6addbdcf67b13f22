// The reference host put together: it opens the database and the profile, builds the main window,
// serves the host commands on its command bus, loads the plug-ins and fires "System/ModulesLoaded".
#pragma once

#include "host/AssayDatabase.h"
#include "host/CommandBus.h"
#include "host/MainWindow.h"
#include "host/PluginLoader.h"
#include "host/ProfileStore.h"

#include <QString>

#include <memory>
#include <string>

// The command-line options of cds-host.
struct HostOptions {
    QString database;  // --db; empty: no database
    QString profile;  // --profile; empty: the profile lives only in memory
    QString pluginFolder;  // --plugins
    int language = 1049;  // --language, a Windows language identifier
};

class HostApplication {
public:
    explicit HostApplication(HostOptions options);
    // Shuts down when Shutdown was not called.
    ~HostApplication();

    // Opens the database and the profile, shows problems in the main window, serves the commands,
    // loads the plug-ins and fires "System/ModulesLoaded" once. Call once.
    void Start();
    // Calls the plug-ins' Unload, saves the profile and detaches the host table; once.
    void Shutdown();

    MainWindow& Window() { return *window_; }
    CommandBus& Bus() { return bus_; }
    ProfileStore& Profile() { return profile_; }
    const PluginLoader& Plugins() const { return plugins_; }

private:
    void ServeCommands();
    intptr_t CreateMenu(const CreateNewMenuRecord* record);
    intptr_t ChooseAssays(AssayIdList* list, QWidget* parent);
    intptr_t OpenAssayFile(const char16_t* path);
    void ScheduleProfileSave();
    void SaveProfile();
    void Show(const std::string& message);

    HostOptions options_;
    CommandBus bus_;
    ProfileStore profile_;
    AssayDatabase database_;
    std::u16string databaseUri_;  // answer of "DB/GetConnectionUri", owned here
    PluginLoader plugins_;
    std::unique_ptr<MainWindow> window_;
    bool savePending_ = false;
    bool started_ = false;
    bool shutDown_ = false;
};
