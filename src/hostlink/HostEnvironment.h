// The module's environment as its host tells it: the language asked at start-up, the database
// location asked once every module is loaded, the documents folder read from the profile at each use.
#pragma once

#include "base/ModuleEnvironment.h"
#include "hostlink/HostLink.h"
#include "hostlink/Profile.h"

class HostEnvironment : public ModuleEnvironment {
public:
    // Asks host and profile, which must outlive the environment.
    HostEnvironment(const HostLink& host, const Profile& profile);

    // Asks the host's language; the module's own language when the host cannot tell.
    void AskLanguage();
    // Asks the host's database location; a host that cannot tell leaves the one named before.
    void AskDatabaseLocation();

    // The profile value "PublicDocuments_Quorvel"; empty when it is missing or "404".
    std::optional<std::string> DocumentsFolder() const override;
    std::optional<std::string> DatabaseLocation() const override { return databaseLocation_; }
    uint16_t Language() const override { return language_; }

private:
    const HostLink& host_;
    const Profile& profile_;
    std::optional<std::string> databaseLocation_;
    uint16_t language_ = kModuleLanguage;
};
