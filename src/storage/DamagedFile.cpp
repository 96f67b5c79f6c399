#include "storage/DamagedFile.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr std::array<std::string_view, 3> Companions = {"-wal", "-shm", "-journal"};
constexpr int MostTries = 1000;

bool exists(const std::string& path)
{
    struct stat status;
    return ::lstat(path.c_str(), &status) == 0;
}

std::string padded(int value, int width)
{
    std::string digits = std::to_string(value);
    return std::string(static_cast<std::size_t>(std::max(0, width - static_cast<int>(digits.size()))), '0') + digits;
}

std::string stamp(const ClockReading& when)
{
    const Date& date = when.localDate;
    const int second = when.localSecondOfDay;
    return padded(date.year(), 4) + padded(date.month(), 2) + padded(date.day(), 2) + "-" + padded(second / 3600, 2) +
           padded(second / 60 % 60, 2) + padded(second % 60, 2);
}

bool nameIsFree(const std::string& name)
{
    if (exists(name))
        return false;
    for (std::string_view suffix : Companions)
        if (exists(name + std::string(suffix)))
            return false;
    return true;
}

// Renames without ever replacing: errno EEXIST when the new name is taken.
bool renameWithoutReplacing(const std::string& from, const std::string& to)
{
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS)
        return false;
    // A file system without the flag: a hard link fails on a taken name just the same.
    if (::link(from.c_str(), to.c_str()) != 0)
        return false;
    return ::unlink(from.c_str()) == 0;
}

AsideResult failed(const std::string& what, const std::string& from, const std::string& to)
{
    return {false, to, what + " " + from + " could not be renamed to " + to + ": " + std::strerror(errno)};
}

AsideResult moveCompanions(const std::string& path, const std::string& aside)
{
    for (std::string_view suffix : Companions) {
        const std::string from = path + std::string(suffix);
        if (exists(from) && !renameWithoutReplacing(from, aside + std::string(suffix)))
            return failed("Its companion", from, aside + std::string(suffix));
    }
    return {true, aside, {}};
}

} // namespace

AsideResult putDamagedFileAside(const std::string& path, const ClockReading& when)
{
    const std::string base = path + ".damaged-" + stamp(when);
    for (int attempt = 1; attempt <= MostTries; ++attempt) {
        const std::string aside = attempt == 1 ? base : base + "-" + std::to_string(attempt);
        if (!nameIsFree(aside))
            continue;
        if (renameWithoutReplacing(path, aside))
            return moveCompanions(path, aside);
        if (errno != EEXIST)
            return failed("The file", path, aside);
    }
    return {false, {}, "No free name was found beside " + path + " to keep it under."};
}
