// Statement preparation, typed column reads and the row loop over SQLite.
#include "data/DataBase.h"

namespace DataBase {

Statement Prepare(Handle& db, const char* sql, std::initializer_list<int64_t> parameters) {
    sqlite3_stmt* native = nullptr;
    const int rc = sqlite3_prepare_v2(db.Native(), sql, -1, &native, nullptr);
    Statement statement(native);
    if (rc != SQLITE_OK) throw SqlException(sqlite3_errmsg(db.Native()), "", rc);
    int index = 0;
    for (const int64_t value : parameters) statement.Bind(++index, value);
    return statement;
}

template <>
int32_t ColumnValue<int32_t>(sqlite3_stmt* statement, int index) {
    return sqlite3_column_type(statement, index) == SQLITE_NULL ? 0 : sqlite3_column_int(statement, index);
}

template <>
int64_t ColumnValue<int64_t>(sqlite3_stmt* statement, int index) {
    return sqlite3_column_type(statement, index) == SQLITE_NULL ? 0 : sqlite3_column_int64(statement, index);
}

template <>
double ColumnValue<double>(sqlite3_stmt* statement, int index) {
    return sqlite3_column_type(statement, index) == SQLITE_NULL ? 0.0 : sqlite3_column_double(statement, index);
}

// The text up to its first zero, as the host's zero-terminated texts are.
template <>
std::string ColumnValue<std::string>(sqlite3_stmt* statement, int index) {
    if (sqlite3_column_type(statement, index) == SQLITE_NULL) return {};
    const unsigned char* text = sqlite3_column_text(statement, index);
    return text ? std::string(reinterpret_cast<const char*>(text)) : std::string();
}

void StepRows(Statement& statement, int columnCount, const std::function<void()>& onRow) {
    sqlite3_stmt* native = statement.Native();
    if (!native) return;
    const auto fail = [native](int rc, const char* message) { throw SqlException(message, sqlite3_sql(native), rc); };
    if (sqlite3_column_count(native) < columnCount) fail(SQLITE_RANGE, sqlite3_errstr(SQLITE_RANGE));
    int rc = sqlite3_step(native);
    while (rc == SQLITE_ROW) {
        onRow();
        rc = sqlite3_step(native);
    }
    if (rc != SQLITE_DONE) fail(rc, sqlite3_errstr(rc));
}

}  // namespace DataBase
