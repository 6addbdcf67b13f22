// The host that quorvel-calc stands in for: it serves only the profile value naming the documents
// folder, so the module's own code finds the components table and the report stylesheet there.
#pragma once

#include "hostlink/HostApi.h"

#include <string>

class HeadlessHost {
public:
    // Attaches itself as the module's host; the documents folder is answered for
    // "PublicDocuments_Quorvel". Only one may exist at a time.
    explicit HeadlessHost(const std::string& documentsFolder);
    // Detaches from the module.
    ~HeadlessHost();
    HeadlessHost(const HeadlessHost&) = delete;
    HeadlessHost& operator=(const HeadlessHost&) = delete;

private:
    HostApi api_{};
};
