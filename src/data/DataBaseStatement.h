// One prepared statement of the host database, finalized when the object goes (also when an error
// leaves a row loop by exception).
#pragma once

#include <sqlite3.h>

#include <cstdint>
#include <memory>

namespace DataBase {

class Statement {
public:
    // Takes ownership of statement; null stands for a text without any statement (it yields no rows).
    explicit Statement(sqlite3_stmt* statement = nullptr) : statement_(statement) {}

    // Binds parameter index (1-based). Throws SqlException when SQLite refuses, since an unbound
    // parameter would silently match nothing.
    void Bind(int index, int64_t value);

    // The SQLite statement; null for an empty text.
    sqlite3_stmt* Native() const { return statement_.get(); }

private:
    struct Finalizer {
        void operator()(sqlite3_stmt* statement) const { sqlite3_finalize(statement); }
    };
    void ThrowUnless(int rc) const;

    std::unique_ptr<sqlite3_stmt, Finalizer> statement_;
};

}  // namespace DataBase
