// Texts of the module, from its own tables or from a loaded translation.
#include "resources/ResourceLibrary.h"

#include "resources/StringTable.h"

#include <QTranslator>

#include <filesystem>

ResourceLibrary::ResourceLibrary() = default;
ResourceLibrary::~ResourceLibrary() = default;

bool ResourceLibrary::LoadTranslation(const std::string& path) {
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QString::fromStdString(path))) return false;
    translator_ = std::move(translator);
    return true;
}

void ResourceLibrary::FreeTranslation() { translator_.reset(); }

bool ResourceLibrary::IsTranslated() const { return translator_ != nullptr; }

std::string ResourceLibrary::String(int id) const {
    const char* russian = StringTableText(id);
    return russian ? Translate(kStringTableContext, russian) : std::string();
}

std::string ResourceLibrary::Translate(const char* context, const std::string& russian) const {
    if (!translator_) return russian;
    const QString translated = translator_->translate(context, russian.c_str());
    return translated.isEmpty() ? russian : translated.toStdString();
}

std::string ResourceLibrary::TranslationPath(const std::string& modulePath, const std::string& abbreviation) {
    std::filesystem::path path(modulePath);
    path.replace_extension();
    path += abbreviation + ".qm";
    return path.string();
}
