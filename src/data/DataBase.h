// Reading the host database: statement preparation and the typed row loop.
// Use: ForEachRow<int32_t, std::string>(Prepare(db, "SELECT id, name FROM [assay] WHERE id = ?;", {id}),
//                                        [](int32_t id, const std::string& name) {...});
#pragma once

#include "data/DataBaseHandle.h"
#include "data/DataBaseStatement.h"
#include "data/SqlException.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>
#include <utility>

namespace DataBase {

// Prepares the SQL text as it is and binds parameters to its "?" in order; values travel as bound
// integers, never as text, so no locale or quoting can change them. Throws SqlException with the
// connection's message and code when the text does not prepare, or SQLite's text when a parameter
// does not bind.
Statement Prepare(Handle& db, const char* sql, std::initializer_list<int64_t> parameters = {});

// Column index of the current row as the type asked for; a NULL column gives 0, 0.0 or "".
template <typename T>
T ColumnValue(sqlite3_stmt* statement, int index);
template <>
int32_t ColumnValue<int32_t>(sqlite3_stmt* statement, int index);
template <>
int64_t ColumnValue<int64_t>(sqlite3_stmt* statement, int index);
template <>
double ColumnValue<double>(sqlite3_stmt* statement, int index);
template <>
std::string ColumnValue<std::string>(sqlite3_stmt* statement, int index);

// Steps statement to its end, calling onRow at each row. Throws SqlException with the generic text of the
// code and the statement's text on a step error, or when the statement has fewer than columnCount columns.
void StepRows(Statement& statement, int columnCount, const std::function<void()>& onRow);

// Hands each row to callback as the values of Columns (int32_t, int64_t, double, std::string) in column
// order, then finalizes the statement; on an exception (a step error or the callback's own) it is
// finalized as the exception leaves.
template <typename... Columns, typename Callback>
void ForEachRow(Statement statement, Callback&& callback) {
    sqlite3_stmt* native = statement.Native();
    StepRows(statement, static_cast<int>(sizeof...(Columns)), [&] {
        [&]<std::size_t... I>(std::index_sequence<I...>) {
            callback(ColumnValue<Columns>(native, static_cast<int>(I))...);
        }
        (std::index_sequence_for<Columns...>{});
    });
}

}  // namespace DataBase
