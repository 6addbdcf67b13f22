// A host application for tests: serves the host commands from memory, records what the module asks,
// and fires events and menu commands on request. One instance at a time (the host table has no
// user-data pointer, so the entry points reach the live instance through a static).
#pragma once

#include "hostlink/HostApi.h"

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

class FakeHost {
public:
    FakeHost();
    ~FakeHost();
    FakeHost(const FakeHost&) = delete;
    FakeHost& operator=(const FakeHost&) = delete;

    const HostApi* Api() const { return &api_; }

    // Runs every live subscriber of the event; returns how many ran.
    int Fire(const std::string& event, intptr_t argument = 0);
    // Runs the live registered command; false when nothing is registered under the name.
    bool RunCommand(const std::string& command, intptr_t argument);

    struct Registration {
        std::string name;
        HostHandler handler;
        int32_t id;
        bool live;
    };
    struct MenuEntry {
        uint32_t size;
        std::string path;  // UTF-8
        uint32_t reserved;
        std::string command;
    };

    // What Exists reports; every command this host knows by default. Erase to simulate an older host.
    std::set<std::string> served;
    uint16_t language = 1049;
    std::string connectionUri = "/tmp/quorvel-fake-host.db";  // UTF-8; answered as UTF-16
    // Profile store keyed by the full parameter name (UTF-8).
    std::map<std::string, int32_t> ints;
    std::map<std::string, double> doubles;
    std::map<std::string, std::string> strings;
    bool fillWholeStringBuffer = false;  // a careless host: writes capacity characters, no zero
    // Answer of the assay chooser: the ids written (cut at the list's capacity) and the result returned.
    std::vector<int32_t> chosenAssays;
    intptr_t chooserResult = -1;  // -1: the number of ids written
    std::vector<std::string> openedFiles;  // "Main/OpenAssayFile" paths, UTF-8

    std::vector<Registration> subscriptions;
    std::vector<Registration> commands;
    std::vector<MenuEntry> menus;
    std::vector<std::string> calls;  // every Call and Exists, in order, as "Call name" / "Exists name"

private:
    static FakeHost* current_;
    HostApi api_{};
    std::u16string uriText_;

    static int32_t Subscribe(const char* name, HostHandler handler);
    static void Unsubscribe(int32_t id);
    static int32_t RegisterCommand(const char* name, HostHandler handler);
    static void UnregisterCommand(int32_t id);
    static intptr_t Call(const char* name, intptr_t argument1, intptr_t argument2);
    static intptr_t Exists(const char* name);

    intptr_t Serve(const std::string& name, intptr_t argument1, intptr_t argument2);
    intptr_t ServeProfile(const std::string& name, const std::string& parameter, intptr_t value);
    intptr_t ServeChooser(AssayIdList* list);
};
