// The reference host: start-up, the served commands and shut-down.
#include "host/HostApplication.h"

#include "host/AssayChooserDialog.h"
#include "host/AssayFileWindow.h"
#include "host/HostApiBridge.h"
#include "host/HostRecords.h"
#include "host/HostText.h"
#include "host/ProfileCommands.h"

#include <QApplication>
#include <QTimer>

#include <filesystem>

HostApplication::HostApplication(HostOptions options) : options_(std::move(options)) {}

HostApplication::~HostApplication() {
    if (started_) Shutdown();
}

void HostApplication::Start() {
    started_ = true;
    std::string message;
    const std::string database = options_.database.toStdString();
    if (database_.Open(database, message)) {
        std::error_code error;
        const auto absolute = std::filesystem::absolute(database, error);
        databaseUri_ = ToHostText(error ? database : absolute.string());
    }
    window_ = std::make_unique<MainWindow>(database_);
    if (!database_.IsOpen()) Show(message);
    if (options_.profile.isEmpty())
        Show(
            "No profile file was given (option --profile): settings are kept only until the host "
            "exits.");
    else if (!profile_.Load(options_.profile.toStdString(), message))
        Show(message);
    bus_.SetFaultReporter([this](const std::string& text) { Show(text); });
    ServeCommands();
    const HostApi* table = BindHostApi(bus_);
    for (const std::string& problem : plugins_.LoadFolder(options_.pluginFolder.toStdString(), table)) Show(problem);
    bus_.Fire(HOST_EVENT_MODULES_LOADED, 0);
}

void HostApplication::Shutdown() {
    if (shutDown_) return;
    shutDown_ = true;
    plugins_.UnloadAll();
    SaveProfile();
    UnbindHostApi();
}

void HostApplication::ServeCommands() {
    bus_.Serve(HOST_CMD_GET_LANGUAGE, [this](intptr_t, intptr_t) -> intptr_t { return options_.language; });
    bus_.Serve(HOST_CMD_CREATE_NEW_MENU, [this](intptr_t, intptr_t record) {
        return CreateMenu(reinterpret_cast<const CreateNewMenuRecord*>(record));
    });
    // Without a usable database the command is not served, so plug-ins skip it.
    if (database_.IsOpen())
        bus_.Serve(HOST_CMD_GET_CONNECTION_URI,
                   [this](intptr_t, intptr_t) { return reinterpret_cast<intptr_t>(databaseUri_.c_str()); });
    bus_.Serve(HOST_CMD_OPEN_ASSAY_ID_DLG, [this](intptr_t list, intptr_t parent) {
        return ChooseAssays(reinterpret_cast<AssayIdList*>(list), reinterpret_cast<QWidget*>(parent));
    });
    bus_.Serve(HOST_CMD_OPEN_ASSAY_FILE,
               [this](intptr_t, intptr_t path) { return OpenAssayFile(reinterpret_cast<const char16_t*>(path)); });
    ServeProfileCommands(bus_, profile_, [this] { ScheduleProfileSave(); });
}

intptr_t HostApplication::CreateMenu(const CreateNewMenuRecord* record) {
    const auto request = ReadMenuRecord(record);
    if (!request) {
        Show("A plug-in asked for a menu entry without a menu path or command name.");
        return 0;
    }
    const std::string command = request->commandName;
    return window_->AddMenuEntry(request->levels,
                                 [this, command] {
                                     bus_.Call(command.c_str(),
                                               reinterpret_cast<intptr_t>(static_cast<QWidget*>(window_.get())), 0);
                                 })
               ? 1
               : 0;
}

intptr_t HostApplication::ChooseAssays(AssayIdList* list, QWidget* parent) {
    std::vector<AssayRow> rows;
    std::string message;
    if (!database_.Assays(rows, message)) Show(message);
    if (!database_.IsOpen()) return 0;
    // The parent comes from a plug-in: a pointer that names no live widget of this application is
    // never used, so a wrong handle costs the dialog its owner, not the host its life.
    const bool known = parent != nullptr && QApplication::allWidgets().contains(parent);
    return AssayChooserDialog::Choose(rows, list, known ? parent : window_.get());
}

intptr_t HostApplication::OpenAssayFile(const char16_t* path) {
    const auto fileName = ReadHostText(path);
    if (!fileName) return 0;
    std::vector<PeakRow> peaks;
    std::string message;
    if (!database_.PeaksOfFile(*fileName, peaks, message)) Show(message);
    auto* viewer = new AssayFileWindow(QString::fromStdString(*fileName), peaks, window_.get());
    viewer->show();
    return 1;
}

void HostApplication::ScheduleProfileSave() {
    // The module stores its settings in a burst of calls; one save follows the burst.
    if (savePending_) return;
    savePending_ = true;
    QTimer::singleShot(0, window_.get(), [this] { SaveProfile(); });
}

void HostApplication::SaveProfile() {
    savePending_ = false;
    std::string message;
    if (profile_.Dirty() && !profile_.Save(message)) Show(message);
}

void HostApplication::Show(const std::string& message) { window_->ShowMessage(QString::fromStdString(message)); }
