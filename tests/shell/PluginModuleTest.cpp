// The real quorvel.so, copied into a fresh folder and loaded with dlopen as a host loads it.
#include "FakeHost.h"

#include <QAbstractButton>
#include <QFile>
#include <QLibraryInfo>
#include <QMessageBox>

#include <gtest/gtest.h>

#include <dlfcn.h>

#include <cstdio>
#include <filesystem>
#include <optional>
#include <set>
#include <sstream>
#include <string>

namespace fs = std::filesystem;

namespace {

const fs::path kBinDir = QUORVEL_BIN_DIR;

// A private copy of the module (and, when asked, its English translation) in a new folder, so each
// load gets a fresh module state.
struct ModuleCopy {
    explicit ModuleCopy(bool withEnglish) {
        static int counter = 0;
        folder = fs::temp_directory_path() /
                 ("quorvel-module-" + std::to_string(::getpid()) + "-" + std::to_string(++counter));
        fs::create_directories(folder);
        fs::copy_file(kBinDir / "quorvel.so", folder / "quorvel.so", fs::copy_options::overwrite_existing);
        if (withEnglish)
            fs::copy_file(kBinDir / "quorvelENU.qm", folder / "quorvelENU.qm", fs::copy_options::overwrite_existing);
        handle = dlopen((folder / "quorvel.so").c_str(), RTLD_NOW | RTLD_LOCAL);
    }
    ~ModuleCopy() { fs::remove_all(folder); }

    template <typename F>
    F Symbol(const char* name) const {
        return reinterpret_cast<F>(dlsym(handle, name));
    }

    fs::path folder;
    void* handle = nullptr;
};

std::set<std::string> DefinedDynamicSymbols(const fs::path& library) {
    // Local entries of the dynamic table (the sanitizer build keeps some for its type checks) are
    // visible to no other object, so only the external ones count.
    const std::string command = "nm -D --defined-only --extern-only '" + library.string() + "'";
    std::set<std::string> names;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return names;
    char line[512];
    while (fgets(line, sizeof line, pipe)) {
        std::istringstream fields(line);
        std::string address, kind, name;
        if (fields >> address >> kind >> name) names.insert(name);
    }
    pclose(pipe);
    return names;
}

TEST(PluginModule, ExportsExactlyTheThreeEntryPoints) {
    EXPECT_EQ(DefinedDynamicSymbols(kBinDir / "quorvel.so"),
              (std::set<std::string>{"GetPluginInfo", "Load", "Unload"}));
}

TEST(PluginModule, DescribesItself) {
    ModuleCopy module(false);
    ASSERT_NE(module.handle, nullptr) << dlerror();
    const PluginInfo* info = module.Symbol<GetPluginInfoFunction>("GetPluginInfo")();
    ASSERT_NE(info, nullptr);
    EXPECT_EQ(info->size, sizeof(PluginInfo));
    EXPECT_EQ(std::u16string(info->name), u"quorvel");
    EXPECT_EQ(info->version, 0x01000001u);
    EXPECT_EQ(std::u16string(info->title), u"Расчет 907: Гель хроматография");
    for (const char16_t* text : {info->company, info->email, info->legalNotice, info->webAddress}) {
        ASSERT_NE(text, nullptr);
        EXPECT_FALSE(std::u16string(text).empty());
    }
    EXPECT_NE(info->id.data1, 0u);
}

struct LanguageCase {
    const char* name;
    uint16_t language;
    bool withEnglishFile;
    const char* menuPath;
    const char* qtCancel;  // Qt's own Cancel button while the module is loaded
};

std::ostream& operator<<(std::ostream& out, const LanguageCase& c) { return out << c.name; }

class PluginModuleLanguage : public testing::TestWithParam<LanguageCase> {
protected:
    // Copies the module, with the case's translation file or without, and loads it into a host that
    // speaks the case's language.
    void Load() {
        module.emplace(GetParam().withEnglishFile);
        ASSERT_NE(module->handle, nullptr) << dlerror();
        host.language = GetParam().language;
        ASSERT_EQ(module->Symbol<LoadFunction>("Load")(host.Api()), 0);
    }
    int Unload() { return module->Symbol<UnloadFunction>("Unload")(); }

    std::optional<ModuleCopy> module;
    FakeHost host;
};

TEST_P(PluginModuleLanguage, MenuPathComesFromTheResourcesInUse) {
    ASSERT_NO_FATAL_FAILURE(Load());
    host.Fire("System/ModulesLoaded");
    ASSERT_EQ(host.menus.size(), 1u);
    EXPECT_EQ(host.menus[0].path, GetParam().menuPath);
    EXPECT_EQ(Unload(), 0);
    EXPECT_FALSE(host.subscriptions[0].live);
    EXPECT_FALSE(host.commands[0].live);
}

// The Cancel button of a Qt message box while the module is loaded, without Qt's '&' mark.
std::string QtCancelText() {
    QMessageBox box(QMessageBox::Question, "", "", QMessageBox::Ok | QMessageBox::Cancel);
    return box.button(QMessageBox::Cancel)->text().remove('&').toStdString();
}

// Qt's own texts speak Russian exactly while the module does, and English again once it is gone.
TEST_P(PluginModuleLanguage, QtButtonsSpeakTheModulesLanguage) {
    if (!QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_ru.qm"))
        GTEST_SKIP() << "Qt's Russian translation (qt6-translations-l10n) is not installed";
    ASSERT_NO_FATAL_FAILURE(Load());
    EXPECT_EQ(QtCancelText(), GetParam().qtCancel);
    EXPECT_EQ(Unload(), 0);
    EXPECT_EQ(QtCancelText(), "Cancel");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PluginModuleLanguage,
    testing::Values(
        LanguageCase{"RussianIgnoresTranslation", 1049, true, "Данные/Расчёты/Гель хроматография", "Отмена"},
        LanguageCase{"EnglishWithTranslation", 1033, true, "Data/Calculations/Gel chromatography", "Cancel"},
        LanguageCase{"EnglishWithoutTranslation", 1033, false, "Данные/Расчёты/Гель хроматография", "Отмена"},
        LanguageCase{"GermanWithoutItsFile", 1031, true, "Данные/Расчёты/Гель хроматография", "Отмена"},
        LanguageCase{"UnknownLanguage", 0x7FFF, true, "Данные/Расчёты/Гель хроматография", "Отмена"}),
    [](const testing::TestParamInfo<LanguageCase>& info) { return std::string(info.param.name); });

}  // namespace
