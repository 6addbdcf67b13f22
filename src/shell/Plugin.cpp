#include "shell/Plugin.h"

#include "base/Utf16.h"
#include "hostlink/HostEnvironment.h"
#include "hostlink/LanguageTable.h"
#include "resources/ResourceLibrary.h"
#include "resources/StringTable.h"
#include "workbench/DlgMain.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>
#include <QWidget>

#include <dlfcn.h>

#include <cstddef>
#include <memory>

namespace {

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

// Everything the module keeps between calls of its host, the only state of the process it holds.
struct PluginState {
    HostLink host;
    Profile profile{host};
    HostEnvironment environment{host, profile};
    ResourceLibrary texts;
    int32_t subscriptionId = 0;
    int32_t registrationId = 0;
    QPointer<DlgMain> workbench;  // guarded: the host may destroy the parent window, and the dialog with it
    std::unique_ptr<QTranslator> qtTexts;  // Qt's own texts in Russian; installed while it lives
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
    state.texts.LoadTranslation(ResourceLibrary::TranslationPath(ModuleFilePath(), *abbreviation));
}

// Qt's own texts, such as the buttons of the message boxes, in Russian while the module speaks Russian:
// for a Russian host, and for any other whose translation of the module is missing. Qt speaks English
// by itself; without Qt's translation file the buttons stay English.
void InstallQtTranslation() {
    state.qtTexts.reset();
    if (state.texts.IsTranslated() || QCoreApplication::instance() == nullptr) return;
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QStringLiteral("qtbase_ru"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) return;
    QCoreApplication::installTranslator(translator.get());
    state.qtTexts = std::move(translator);
}

void AddMenuEntry() {
    const std::u16string menuPath = ToUtf16(state.texts.String(kMenuPathString));
    CreateNewMenuRecord record{sizeof(CreateNewMenuRecord), menuPath.c_str(), 0, QUORVEL_MENU_COMMAND};
    state.host.Call(HOST_CMD_CREATE_NEW_MENU, 0, reinterpret_cast<intptr_t>(&record));
}

}  // namespace

// Where pointers are 4 bytes the host reads the record at these offsets.
static_assert(sizeof(void*) != 4 || (sizeof(PluginInfo) == 48 && offsetof(PluginInfo, id) == 32 &&
                                     offsetof(PluginInfo, version) == 8 && sizeof(CreateNewMenuRecord) == 16));

extern "C" {

const PluginInfo* GetPluginInfo(void) { return &kPluginInfo; }

int32_t Load(const HostApi* host) {
    state.host = HostLink(host);
    state.texts.FreeTranslation();
    state.subscriptionId = host->Subscribe(HOST_EVENT_MODULES_LOADED, &OnModulesLoaded);
    state.environment.AskLanguage();
    if (state.environment.Language() != kModuleLanguage) LoadTranslationFor(state.environment.Language());
    InstallQtTranslation();
    return 0;
}

int32_t Unload(void) {
    const HostApi* host = state.host.Api();
    if (host) {
        host->Unsubscribe(state.subscriptionId);
        host->UnregisterCommand(state.registrationId);
    }
    // A host that removes the library next must find no window of ours left to send messages to.
    delete state.workbench.data();
    state.profile.SetBasePath("");
    state.texts.FreeTranslation();
    state.qtTexts.reset();  // a destroyed translator leaves the application by itself
    return 0;
}

}  // extern "C"

int32_t OnModulesLoaded(intptr_t) {
    state.registrationId = state.host.Api()->RegisterCommand(QUORVEL_MENU_COMMAND, &OnMenuCommand);
    AddMenuEntry();
    state.environment.AskDatabaseLocation();
    return 0;
}

int32_t OnMenuCommand(intptr_t parentWidget) {
    if (!state.workbench) {
        state.profile.SetBasePath(kModuleProfileBasePath);
        state.workbench = new DlgMain(reinterpret_cast<QWidget*>(parentWidget),
                                      {state.host, state.profile, state.environment, state.texts});
    }
    state.workbench->showNormal();
    return 0;
}

DlgMain* WorkbenchWindow() { return state.workbench.data(); }

const Profile& PluginProfile() { return state.profile; }

const ModuleEnvironment& PluginEnvironment() { return state.environment; }

const ResourceLibrary& PluginTexts() { return state.texts; }
