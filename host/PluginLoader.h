// Finds the plug-ins (*.so) of a folder, loads them with dlopen, reads their self-description and
// hands them the host's entry points; at exit calls their Unload. Loaded libraries stay mapped until
// the process ends, since windows a plug-in created may outlive its Unload.
#pragma once

#include "hostlink/HostApi.h"

#include <cstdint>
#include <string>
#include <vector>

// One plug-in whose Load succeeded.
struct LoadedPlugin {
    std::string path;
    std::string name;  // from the plug-in's self-description (UTF-8)
    std::string title;
    uint32_t version = 0;
    void* handle = nullptr;  // from dlopen
    UnloadFunction unload = nullptr;  // null once Unload was called
};

class PluginLoader {
public:
    // Loads every *.so of folder in file-name order, calling GetPluginInfo and then Load with host.
    // Returns one message (UTF-8) per plug-in that was skipped, or one for a missing folder or a
    // folder without plug-ins; empty when all loaded.
    std::vector<std::string> LoadFolder(const std::string& folder, const HostApi* host);
    // Calls Unload of every loaded plug-in, last loaded first, once; later calls do nothing.
    void UnloadAll();
    // The plug-ins loaded so far, in load order.
    const std::vector<LoadedPlugin>& Plugins() const { return plugins_; }

private:
    // Loads one library; "" on success, else why it was skipped.
    std::string LoadOne(const std::string& path, const HostApi* host);

    std::vector<LoadedPlugin> plugins_;
};
