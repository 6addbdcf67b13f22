// The error of the database layer: SQLite's result code, its English message and the statement text.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace DataBase {

class SqlException : public std::runtime_error {
public:
    // message: SQLite's English text, returned by what(); sql: the statement concerned, empty when none.
    SqlException(const std::string& message, const std::string& sql, int32_t code)
        : std::runtime_error(message), code(code), sql(sql) {}

    int32_t code;  // SQLite result code
    std::string sql;  // own copy, so it outlives the statement it came from
};

}  // namespace DataBase
