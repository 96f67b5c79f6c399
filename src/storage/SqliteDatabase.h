#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

// What a failed SQLite call left: its result code, SQLite's text and the system's errno.
struct SqliteError
{
    int code = 0;
    std::string message;
    int systemErrno = 0;
};

// A prepared statement, finalized when it goes. Steps return SQLite result codes.
class SqliteStatement final
{
public:
    SqliteStatement() = default;
    explicit SqliteStatement(sqlite3_stmt* statement) : m_statement(statement) {}

    void bind(int index, std::int64_t value);
    void bind(int index, std::string_view text);
    void bindNull(int index);
    // SQLITE_ROW, SQLITE_DONE or an error code.
    int step();
    // Ready to run again, with its parameters cleared.
    void reset();

    std::int64_t integer(int column) const;
    std::string_view text(int column) const;
    bool isNull(int column) const;

private:
    struct Finalize
    {
        void operator()(sqlite3_stmt* statement) const;
    };
    std::unique_ptr<sqlite3_stmt, Finalize> m_statement;
};

// One connection to a database file, closed when it goes. Calls return SQLite
// result codes; error() explains the last one that failed.
class SqliteDatabase final
{
public:
    int open(const std::string& path, int flags);
    void close() { m_handle.reset(); }
    bool isOpen() const { return m_handle != nullptr; }
    sqlite3* handle() const { return m_handle.get(); }

    int exec(const char* sql);
    int prepare(std::string_view sql, SqliteStatement& statement);
    // The first column of the first row of a query such as a PRAGMA.
    int queryInteger(const char* sql, std::int64_t& value);
    int queryText(const char* sql, std::string& value);

    SqliteError error(int code) const;
    bool inTransaction() const;
    std::int64_t lastInsertId() const;
    // Closing then leaves the files exactly as found: no checkpoint of the
    // write-ahead log into the database, no removal of the log.
    void keepFilesOnClose();

private:
    struct Close
    {
        void operator()(sqlite3* handle) const;
    };
    std::unique_ptr<sqlite3, Close> m_handle;
};
