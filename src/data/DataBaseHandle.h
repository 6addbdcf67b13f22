// One open connection to the host database, closed when the object goes.
#pragma once

#include "data/DataBaseConnection.h"

#include <sqlite3.h>

namespace DataBase {

class Handle {
public:
    // Opens (creating it when missing) the location the connection holds; with none, a private temporary
    // database. Throws SqlException with SQLite's message and code; nothing stays open then.
    explicit Handle(const DataBaseConnection& connection = DataBaseConnection::Instance());
    ~Handle();
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;

    // The SQLite connection; never null.
    sqlite3* Native() const { return db_; }

private:
    sqlite3* db_ = nullptr;
};

}  // namespace DataBase
