#include "shell/Plugin.h"

#include "data/DataBaseConnection.h"
#include "hostlink/HostLink.h"
#include "hostlink/LanguageTable.h"
#include "hostlink/Profile.h"
#include "resources/ResourceLibrary.h"
#include "resources/StringTable.h"
#include "base/Utf16.h"
#include "workbench/DlgMain.h"

#include <QPointer>
#include <QWidget>

#include <dlfcn.h>

#include <cstddef>

namespace {

constexpr uint16_t kRussian = 1049;
constexpr char kProfileBasePath[] = "plugins\\quorvel";

const PluginInfo kPluginInfo = {
    sizeof(PluginInfo),
    u"quorvel",
    0x01000001,
    u"Расчет 907: Гель хроматография",
    u"Quorvel GPC project",
    u"gpc-module@quorvel.invalid",
    u"Copyright (c) 2026 the Quorvel GPC project",
    u"https://quorvel.invalid/gpc",
    {0x6A1C0E37, 0x5B2D, 0x4F91, {0x9C, 0x3E, 0x27, 0x41, 0x8D, 0x0B, 0x65, 0xF2}},
};

struct PluginState {
    int32_t subscriptionId = 0;
    int32_t registrationId = 0;
    uint16_t language = 0;
    QPointer<DlgMain> workbench;  // guarded: the host may destroy the parent window, and the dialog with it
};

PluginState state;

// Full path of this module's file, "" when the loader cannot tell.
std::string ModuleFilePath() {
    Dl_info info{};
    if (dladdr(reinterpret_cast<void*>(&GetPluginInfo), &info) == 0 || !info.dli_fname) return {};
    return info.dli_fname;
}

void LoadTranslationFor(uint16_t language) {
    const std::optional<std::string> abbreviation = LanguageAbbreviation(language);
    if (!abbreviation) return;
    ResourceLibrary::Instance().LoadTranslation(ResourceLibrary::TranslationPath(ModuleFilePath(), *abbreviation));
}

void AddMenuEntry() {
    const std::u16string menuPath = ToUtf16(ResourceLibrary::Instance().String(kMenuPathString));
    CreateNewMenuRecord record{sizeof(CreateNewMenuRecord), menuPath.c_str(), 0, QUORVEL_MENU_COMMAND};
    HostLink::Call(HOST_CMD_CREATE_NEW_MENU, 0, reinterpret_cast<intptr_t>(&record));
}

void StoreDatabaseLocation() {
    if (!HostLink::Serves(HOST_CMD_GET_CONNECTION_URI)) return;
    const auto* uri = reinterpret_cast<const char16_t*>(HostLink::Call(HOST_CMD_GET_CONNECTION_URI, 0, 0));
    if (uri) DataBaseConnection::Instance().SetUri(FromUtf16(uri));
}

}  // namespace

// Where pointers are 4 bytes the host reads the record at these offsets.
static_assert(sizeof(void*) != 4 || (sizeof(PluginInfo) == 48 && offsetof(PluginInfo, id) == 32 &&
                                     offsetof(PluginInfo, version) == 8 && sizeof(CreateNewMenuRecord) == 16));

extern "C" {

const PluginInfo* GetPluginInfo(void) { return &kPluginInfo; }

int32_t Load(const HostApi* host) {
    HostLink::Attach(host);
    ResourceLibrary::Instance().FreeTranslation();
    state.subscriptionId = host->Subscribe(HOST_EVENT_MODULES_LOADED, &OnModulesLoaded);
    if (HostLink::Serves(HOST_CMD_GET_LANGUAGE)) {
        state.language = static_cast<uint16_t>(HostLink::Call(HOST_CMD_GET_LANGUAGE, 0, 0) & 0xFFFF);
        if (state.language != kRussian) LoadTranslationFor(state.language);
    }
    return 0;
}

int32_t Unload(void) {
    const HostApi* host = HostLink::Api();
    if (host) {
        host->Unsubscribe(state.subscriptionId);
        host->UnregisterCommand(state.registrationId);
    }
    // A host that removes the library next must find no window of ours left to send messages to.
    delete state.workbench.data();
    ResourceLibrary::Instance().FreeTranslation();
    return 0;
}

}  // extern "C"

int32_t OnModulesLoaded(intptr_t) {
    state.registrationId = HostLink::Api()->RegisterCommand(QUORVEL_MENU_COMMAND, &OnMenuCommand);
    AddMenuEntry();
    StoreDatabaseLocation();
    return 0;
}

int32_t OnMenuCommand(intptr_t parentWidget) {
    if (!state.workbench) {
        SetProfileBasePath(kProfileBasePath);
        state.workbench = new DlgMain(reinterpret_cast<QWidget*>(parentWidget));
    }
    state.workbench->showNormal();
    return 0;
}

DlgMain* Workbench() { return state.workbench.data(); }
