// A tiny plug-in for the loader tests: it makes the host calls a real module makes and records
// them, one line each, for the test to read through RecordedCalls.
#include "hostlink/HostApi.h"

#include <string>

#define EXPORT extern "C" __attribute__((visibility("default")))

namespace {

const HostApi* host = nullptr;
int32_t subscriptionId = 0;
int32_t registrationId = 0;
std::string calls;

const PluginInfo info = {sizeof(PluginInfo), u"testplugin", 0x01000002,
                         u"Test plug-in",    u"maker",      u"mail",
                         u"notice",          u"web",        {1, 2, 3, {4, 5, 6, 7, 8, 9, 10, 11}}};

void Record(const std::string& line) { calls += line + "\n"; }

int32_t OnCommand(intptr_t argument) {
    Record("Command " + std::to_string(argument));
    return 0;
}

int32_t OnModulesLoaded(intptr_t) {
    registrationId = host->RegisterCommand("testplugin/Command", OnCommand);
    Record("Registered " + std::to_string(registrationId > 0));
    const CreateNewMenuRecord menu = {sizeof(CreateNewMenuRecord), u"Data/Tests/Run", 0, "testplugin/Command"};
    Record("Menu " + std::to_string(host->Call(HOST_CMD_CREATE_NEW_MENU, 0, reinterpret_cast<intptr_t>(&menu))));
    return 0;
}

}  // namespace

EXPORT const PluginInfo* GetPluginInfo() { return &info; }

EXPORT int32_t Load(const HostApi* api) {
    host = api;
    subscriptionId = host->Subscribe(HOST_EVENT_MODULES_LOADED, OnModulesLoaded);
    Record("Load subscribed " + std::to_string(subscriptionId > 0));
    if (host->Exists(HOST_CMD_GET_LANGUAGE))
        Record("Language " + std::to_string(host->Call(HOST_CMD_GET_LANGUAGE, 0, 0) & 0xFFFF));
    return 0;
}

EXPORT int32_t Unload() {
    host->Unsubscribe(subscriptionId);
    host->UnregisterCommand(registrationId);
    Record("Unload");
    return 0;
}

EXPORT const char* RecordedCalls() { return calls.c_str(); }
