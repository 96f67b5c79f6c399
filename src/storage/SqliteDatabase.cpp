#include "storage/SqliteDatabase.h"

#include <sqlite3.h>

void SqliteStatement::Finalize::operator()(sqlite3_stmt* statement) const
{
    sqlite3_finalize(statement);
}

void SqliteStatement::bind(int index, std::int64_t value)
{
    sqlite3_bind_int64(m_statement.get(), index, value);
}

void SqliteStatement::bind(int index, std::string_view text)
{
    sqlite3_bind_text(m_statement.get(), index, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
}

void SqliteStatement::bindNull(int index)
{
    sqlite3_bind_null(m_statement.get(), index);
}

int SqliteStatement::step()
{
    return sqlite3_step(m_statement.get());
}

void SqliteStatement::reset()
{
    sqlite3_reset(m_statement.get());
    sqlite3_clear_bindings(m_statement.get());
}

std::int64_t SqliteStatement::integer(int column) const
{
    return sqlite3_column_int64(m_statement.get(), column);
}

std::string_view SqliteStatement::text(int column) const
{
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(m_statement.get(), column));
    if (text == nullptr)
        return {};
    return {text, static_cast<std::size_t>(sqlite3_column_bytes(m_statement.get(), column))};
}

bool SqliteStatement::isNull(int column) const
{
    return sqlite3_column_type(m_statement.get(), column) == SQLITE_NULL;
}

void SqliteDatabase::Close::operator()(sqlite3* handle) const
{
    sqlite3_close_v2(handle);
}

int SqliteDatabase::open(const std::string& path, int flags)
{
    sqlite3* handle = nullptr;
    const int code = sqlite3_open_v2(path.c_str(), &handle, flags, nullptr);
    // Even a failed open gives a handle, which carries the error until closed.
    m_handle.reset(handle);
    return code;
}

int SqliteDatabase::exec(const char* sql)
{
    return sqlite3_exec(m_handle.get(), sql, nullptr, nullptr, nullptr);
}

int SqliteDatabase::prepare(std::string_view sql, SqliteStatement& statement)
{
    sqlite3_stmt* prepared = nullptr;
    const int code = sqlite3_prepare_v3(m_handle.get(), sql.data(), static_cast<int>(sql.size()),
                                        SQLITE_PREPARE_PERSISTENT, &prepared, nullptr);
    statement = SqliteStatement(prepared);
    return code;
}

int SqliteDatabase::queryInteger(const char* sql, std::int64_t& value)
{
    SqliteStatement statement;
    if (const int code = prepare(sql, statement); code != SQLITE_OK)
        return code;
    const int code = statement.step();
    if (code == SQLITE_ROW)
        value = statement.integer(0);
    return code == SQLITE_ROW || code == SQLITE_DONE ? SQLITE_OK : code;
}

int SqliteDatabase::queryText(const char* sql, std::string& value)
{
    SqliteStatement statement;
    if (const int code = prepare(sql, statement); code != SQLITE_OK)
        return code;
    const int code = statement.step();
    if (code == SQLITE_ROW)
        value = statement.text(0);
    return code == SQLITE_ROW || code == SQLITE_DONE ? SQLITE_OK : code;
}

SqliteError SqliteDatabase::error(int code) const
{
    if (!m_handle)
        return {code, sqlite3_errstr(code), 0};
    const int current = sqlite3_errcode(m_handle.get());
    // The connection's message belongs to its latest call, which may not be the one asked about.
    const std::string message =
        (current & 0xff) == (code & 0xff) ? sqlite3_errmsg(m_handle.get()) : sqlite3_errstr(code);
    return {code, message, sqlite3_system_errno(m_handle.get())};
}

bool SqliteDatabase::inTransaction() const
{
    return m_handle && sqlite3_get_autocommit(m_handle.get()) == 0;
}

std::int64_t SqliteDatabase::lastInsertId() const
{
    return sqlite3_last_insert_rowid(m_handle.get());
}

void SqliteDatabase::keepFilesOnClose()
{
    if (m_handle)
        sqlite3_db_config(m_handle.get(), SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr);
}
