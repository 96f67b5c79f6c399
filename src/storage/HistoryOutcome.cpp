#include "storage/HistoryOutcome.h"

#include <sqlite3.h>

#include <cstring>

namespace {

using Status = HistoryOutcome::Status;

Status statusOf(int code, bool writing)
{
    switch (code & 0xff) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return Status::Locked;
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
        return Status::Damaged;
    default:
        return writing ? Status::Unwritable : Status::Unreadable;
    }
}

std::string explanation(const SqliteError& error)
{
    const int primary = error.code & 0xff;
    const bool fromSystem = primary == SQLITE_CANTOPEN || primary == SQLITE_IOERR || primary == SQLITE_FULL;
    if (fromSystem && error.systemErrno != 0)
        return error.message + ": " + std::strerror(error.systemErrno);
    return error.message;
}

std::string wording(Status status, const std::string& path, const std::string& why)
{
    switch (status) {
    case Status::Locked:
        return path + " is in use by another program (" + why + ").";
    case Status::Damaged:
        return path + " is damaged (" + why + ").";
    case Status::Unwritable:
        return "The history could not be saved to " + path + " (" + why + ").";
    default:
        return path + " cannot be read (" + why + ").";
    }
}

} // namespace

HistoryOutcome historyFailure(const SqliteError& error, const std::string& path, bool writing)
{
    const Status status = statusOf(error.code, writing);
    return {status, wording(status, path, explanation(error))};
}

HistoryOutcome historyDamaged(const std::string& path, const std::string& why)
{
    return {Status::Damaged, wording(Status::Damaged, path, why)};
}
