// Loading plug-ins with dlopen and calling their three exports.
#include "host/PluginLoader.h"

#include "host/HostText.h"

#include <dlfcn.h>

#include <algorithm>
#include <filesystem>

namespace {

std::string LastDlError() {
    const char* error = dlerror();
    return error ? error : "unknown error";
}

std::string TextOf(const char16_t* text) { return ReadHostText(text).value_or(""); }

// Runs a plug-in entry; an exception leaving it counts as the result -1.
template <typename Entry, typename... Arguments>
int32_t RunEntry(Entry entry, Arguments... arguments) {
    try {
        return entry(arguments...);
    } catch (...) {
        return -1;
    }
}

std::vector<std::string> PluginFiles(const std::filesystem::path& folder, std::error_code& error) {
    std::vector<std::string> files;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        std::error_code typeError;
        if (it->path().extension() == ".so" && it->is_regular_file(typeError)) files.push_back(it->path().string());
    }
    std::sort(files.begin(), files.end());
    return files;
}

}  // namespace

std::vector<std::string> PluginLoader::LoadFolder(const std::string& folder, const HostApi* host) {
    std::error_code error;
    if (!std::filesystem::is_directory(folder, error)) return {"The plug-in folder \"" + folder + "\" does not exist."};
    const std::vector<std::string> files = PluginFiles(folder, error);
    if (error) return {"The plug-in folder \"" + folder + "\" cannot be read: " + error.message()};
    if (files.empty()) return {"The plug-in folder \"" + folder + "\" holds no plug-ins (*.so)."};
    std::vector<std::string> problems;
    for (const std::string& file : files) {
        const std::string problem = LoadOne(file, host);
        if (!problem.empty()) problems.push_back("The plug-in \"" + file + "\" was skipped: " + problem);
    }
    return problems;
}

std::string PluginLoader::LoadOne(const std::string& path, const HostApi* host) {
    dlerror();
    void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) return LastDlError();
    const auto getInfo = reinterpret_cast<GetPluginInfoFunction>(dlsym(handle, "GetPluginInfo"));
    const auto load = reinterpret_cast<LoadFunction>(dlsym(handle, "Load"));
    const auto unload = reinterpret_cast<UnloadFunction>(dlsym(handle, "Unload"));
    // None of its code has been handed to the host yet, so it can be closed again.
    auto reject = [handle](const std::string& why) {
        dlclose(handle);
        return why;
    };
    if (getInfo == nullptr || load == nullptr || unload == nullptr)
        return reject("it does not export GetPluginInfo, Load and Unload");
    const PluginInfo* info = getInfo();
    if (info == nullptr) return reject("GetPluginInfo returned no description");
    if (info->size != sizeof(PluginInfo))
        return reject("its description has " + std::to_string(info->size) + " bytes, not " +
                      std::to_string(sizeof(PluginInfo)));
    const int32_t result = RunEntry(load, host);
    if (result != 0) {
        // It may have subscribed before failing: let it drop that, and keep its code mapped.
        RunEntry(unload);
        return "Load returned " + std::to_string(result);
    }
    plugins_.push_back(LoadedPlugin{path, TextOf(info->name), TextOf(info->title), info->version, handle, unload});
    return {};
}

void PluginLoader::UnloadAll() {
    for (auto it = plugins_.rbegin(); it != plugins_.rend(); ++it) {
        if (it->unload != nullptr) RunEntry(it->unload);
        it->unload = nullptr;
    }
}
