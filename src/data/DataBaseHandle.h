// One open connection to the host database, closed when the object goes.
#pragma once

#include <sqlite3.h>

#include <optional>
#include <string>

namespace DataBase {

class Handle {
public:
    // Opens (creating it when missing) the database at location (UTF-8); with none, a private temporary
    // database. Throws SqlException with SQLite's message and code; nothing stays open then.
    explicit Handle(const std::optional<std::string>& location);
    ~Handle();
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;

    // The SQLite connection; never null.
    sqlite3* Native() const { return db_; }

private:
    sqlite3* db_ = nullptr;
};

}  // namespace DataBase
