// The resource library in use: the module's own Russian texts, or, once a translation file for
// the host's language was loaded, its translations. Whoever builds the module's windows owns one and
// hands it to them.
#pragma once

#include <memory>
#include <string>

class QTranslator;

class ResourceLibrary {
public:
    // The module's own texts, no translation loaded.
    ResourceLibrary();
    ~ResourceLibrary();
    ResourceLibrary(const ResourceLibrary&) = delete;
    ResourceLibrary& operator=(const ResourceLibrary&) = delete;

    // Loads a compiled translation file and makes it the source of texts; false (nothing changed)
    // when the file is missing or not a translation.
    bool LoadTranslation(const std::string& path);
    // Drops the translation: texts come from the module itself again.
    void FreeTranslation();
    // True while a translation is in use.
    bool IsTranslated() const;

    // Entry id of the string table in the language in use; "" for an id the table lacks.
    std::string String(int id) const;
    // A text of the module in the language in use; the text itself when it has no translation.
    std::string Translate(const char* context, const std::string& russian) const;

    // Path of the translation file for a module file and a language abbreviation: the module's
    // extension (from the last "." of its file name) replaced by the abbreviation and ".qm".
    static std::string TranslationPath(const std::string& modulePath, const std::string& abbreviation);

private:
    std::unique_ptr<QTranslator> translator_;
};
