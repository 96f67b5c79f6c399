#include "platform/DiskFileSystem.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <locale.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// How often a name already taken is tried again with the next serial.
constexpr unsigned NameTries = 100;
// As the kernel, so a loop of links ends.
constexpr int MaxLinks = 40;

// The system's own words for an error, in English like every other text of
// the program, whatever language the desktop's locale would pick.
std::string systemText(int error)
{
    static const locale_t english = ::newlocale(LC_ALL_MASK, "C", locale_t{});
    return english != locale_t{} ? ::strerror_l(error, english) : "Error " + std::to_string(error);
}

ReadResult unreadable(std::string reason)
{
    return {ReadResult::Status::Unreadable, {}, std::move(reason)};
}

// Closes a descriptor on every way out of a function.
class Descriptor final
{
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    int get() const { return m_fd; }
    bool valid() const { return m_fd >= 0; }

    // Closing reports the last write errors some file systems hold back until then.
    int close()
    {
        const int result = ::close(m_fd);
        m_fd = -1;
        return result;
    }

private:
    int m_fd;
};

std::string folderOf(const std::string& path)
{
    const auto slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string nameOf(const std::string& path)
{
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool writeAll(int fd, std::string_view content)
{
    while (!content.empty()) {
        const ssize_t written = ::write(fd, content.data(), content.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written < 0)
            return false;
        if (written == 0) {
            errno = EIO;
            return false;
        }
        content.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// Makes the rename itself survive a power cut. The new record is already in
// place when this runs, so a folder that cannot be synced fails nothing.
void syncFolder(const std::string& folder)
{
    Descriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.valid())
        ::fsync(dir.get());
}

// A link's target, relative ones taken from the link's own folder.
std::string linkTarget(const std::string& link)
{
    std::string target(4096, '\0');
    const ssize_t length = ::readlink(link.c_str(), target.data(), target.size());
    if (length < 0 || static_cast<std::size_t>(length) >= target.size())
        return {};
    target.resize(static_cast<std::size_t>(length));
    return target.front() == '/' ? target : folderOf(link) + "/" + target;
}

// Only a regular file or none may be replaced: never a device or a pipe that a
// link points at. Takes the old file's permission bits and owner.
bool checkReplaceable(const std::string& target, struct stat& old, bool& exists, WriteResult& refusal)
{
    exists = ::stat(target.c_str(), &old) == 0;
    if (!exists && errno != ENOENT)
        refusal = WriteResult::failed(systemText(errno));
    else if (exists && !S_ISREG(old.st_mode))
        refusal = WriteResult::failed("Not a regular file");
    return refusal.ok;
}

// The new file gets the old one's permission bits, and its owner where the
// writer may give it (when run as root on a user's folder).
void takeOver(int fd, bool exists, const struct stat& old)
{
    if (!exists)
        return;
    ::fchmod(fd, old.st_mode & 07777);
    if (::geteuid() == 0) {
        // Best effort: a file that cannot be given back keeps root's.
        [[maybe_unused]] const int owned = ::fchown(fd, old.st_uid, old.st_gid);
    }
}

bool isTemporaryOf(const std::string& entry, const std::string& name)
{
    const std::string prefix = "." + name + ".";
    const std::string suffix = ".tmp";
    if (entry.size() <= prefix.size() + suffix.size() || entry.compare(0, prefix.size(), prefix) != 0 ||
        entry.compare(entry.size() - suffix.size(), suffix.size(), suffix) != 0)
        return false;
    const std::string middle = entry.substr(prefix.size(), entry.size() - prefix.size() - suffix.size());
    const auto dot = middle.find('.');
    const auto digits = [](std::string_view s) {
        return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
    };
    return dot != std::string::npos && digits(std::string_view(middle).substr(0, dot)) &&
           digits(std::string_view(middle).substr(dot + 1));
}

} // namespace

ReadResult DiskFileSystem::readRecord(const std::string& path)
{
    // Non-blocking, so that a pipe lying where a record belongs cannot hang start-up.
    Descriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (!file.valid())
        return errno == ENOENT ? ReadResult{ReadResult::Status::Missing, {}, "File not found"}
                               : unreadable(systemText(errno));
    struct stat info = {};
    if (::fstat(file.get(), &info) != 0)
        return unreadable(systemText(errno));
    if (S_ISDIR(info.st_mode))
        return unreadable(systemText(EISDIR));
    if (!S_ISREG(info.st_mode))
        return unreadable("Not a regular file");
    std::string content(RecordReadLimit, '\0');
    std::size_t got = 0;
    while (got < content.size()) {
        const ssize_t part = ::read(file.get(), content.data() + got, content.size() - got);
        if (part < 0 && errno == EINTR)
            continue;
        if (part < 0)
            return unreadable(systemText(errno));
        if (part == 0)
            break;
        got += static_cast<std::size_t>(part);
    }
    content.resize(got);
    return {ReadResult::Status::Ok, std::move(content), {}};
}

std::string DiskFileSystem::resolvedTarget(const std::string& path)
{
    std::string target = path;
    struct stat info = {};
    for (int links = 0; ::lstat(target.c_str(), &info) == 0 && S_ISLNK(info.st_mode); ++links) {
        if (links == MaxLinks)
            return {};
        target = linkTarget(target);
        if (target.empty())
            return {};
    }
    return target;
}

std::string DiskFileSystem::temporaryPathFor(const std::string& target, unsigned serial)
{
    // Hidden, beside the file, and unique per process and write, so that two
    // running copies never share a half-written file.
    return folderOf(target) + "/." + nameOf(target) + "." + std::to_string(::getpid()) + "." + std::to_string(serial) +
           ".tmp";
}

WriteResult DiskFileSystem::writeFile(const std::string& path, std::string_view content)
{
    const std::string target = resolvedTarget(path);
    if (target.empty())
        return WriteResult::failed(systemText(ELOOP));
    std::string temporary;
    if (WriteResult written = writeTemporary(target, content, temporary); !written.ok)
        return written;
    return replace(temporary, target);
}

WriteResult DiskFileSystem::writeTemporary(const std::string& target, std::string_view content,
                                           std::string& temporaryPath)
{
    struct stat old = {};
    bool exists = false;
    if (WriteResult refusal; !checkReplaceable(target, old, exists, refusal))
        return refusal;
    int fd = -1;
    // A crashed copy may have left a file under the name this process would use.
    for (unsigned tries = 0; fd < 0 && tries < NameTries; ++tries) {
        temporaryPath = temporaryPathFor(target, ++m_serial);
        fd = ::open(temporaryPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, exists ? 0600 : 0666);
        if (fd < 0 && errno != EEXIST)
            break;
    }
    Descriptor file(fd);
    if (!file.valid())
        return WriteResult::failed(systemText(errno));
    takeOver(file.get(), exists, old);
    int error = 0;
    if (!writeAll(file.get(), content) || ::fsync(file.get()) != 0)
        error = errno;
    if (file.close() != 0 && error == 0)
        error = errno;
    if (error == 0)
        return WriteResult::done();
    ::unlink(temporaryPath.c_str());
    return WriteResult::failed(systemText(error));
}

WriteResult DiskFileSystem::replace(const std::string& temporaryPath, const std::string& target)
{
    if (::rename(temporaryPath.c_str(), target.c_str()) != 0) {
        const int error = errno;
        ::unlink(temporaryPath.c_str());
        return WriteResult::failed(systemText(error));
    }
    syncFolder(folderOf(target));
    return WriteResult::done();
}

void DiskFileSystem::sweepTemporaries(const std::string& path)
{
    const std::string target = resolvedTarget(path);
    DIR* folder = target.empty() ? nullptr : ::opendir(folderOf(target).c_str());
    if (folder == nullptr)
        return;
    while (const dirent* entry = ::readdir(folder)) {
        const std::string full = folderOf(target) + "/" + entry->d_name;
        struct stat info = {};
        if (isTemporaryOf(entry->d_name, nameOf(target)) && ::lstat(full.c_str(), &info) == 0 && S_ISREG(info.st_mode))
            ::unlink(full.c_str());
    }
    ::closedir(folder);
}

std::optional<std::int64_t> DiskFileSystem::modifiedAt(const std::string& path)
{
    struct stat info = {};
    if (::stat(path.c_str(), &info) != 0)
        return std::nullopt;
    return static_cast<std::int64_t>(info.st_mtime);
}
