// Parameter binding of prepared statements.
#include "data/DataBaseStatement.h"

#include "data/SqlException.h"

namespace DataBase {

void Statement::Bind(int index, int64_t value) { ThrowUnless(sqlite3_bind_int64(Native(), index, value)); }

void Statement::ThrowUnless(int rc) const {
    if (rc == SQLITE_OK) return;
    const char* sql = sqlite3_sql(Native());
    throw SqlException(sqlite3_errstr(rc), sql ? sql : "", rc);
}

}  // namespace DataBase
