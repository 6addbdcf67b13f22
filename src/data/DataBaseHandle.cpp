// Opening and closing the host database.
#include "data/DataBaseHandle.h"

#include "data/SqlException.h"

namespace DataBase {
namespace {

// Debian builds SQLite with URI file names always on, so "file:x" would be taken as a URI whatever the
// open flags; the host means a plain file name, which "./" in front keeps (such a name is always relative).
std::string PlainFileName(const std::optional<std::string>& location) {
    if (!location) return {};
    if (location->starts_with("file:")) return "./" + *location;
    return *location;
}

}  // namespace

Handle::Handle(const std::optional<std::string>& location) {
    const std::string name = PlainFileName(location);
    int rc = sqlite3_open_v2(name.c_str(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    if (rc == SQLITE_OK) rc = sqlite3_db_config(db_, SQLITE_DBCONFIG_ENABLE_FKEY, 1, static_cast<int*>(nullptr));
    if (rc != SQLITE_OK) {
        SqlException error(sqlite3_errmsg(db_), "", rc);
        sqlite3_close_v2(db_);
        throw error;
    }
}

// close_v2 defers the close until any statement still alive is finalized, so nothing leaks.
Handle::~Handle() { sqlite3_close_v2(db_); }

}  // namespace DataBase
