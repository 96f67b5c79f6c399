#include "platform/DiskFileSystem.h"

#include <cerrno>
#include <cstring>
#include <locale.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

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

} // namespace

ReadResult DiskFileSystem::readFile(const std::string& path)
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

    std::string content;
    char buffer[4096];
    for (;;) {
        const ssize_t got = ::read(file.get(), buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return unreadable(systemText(errno));
        if (got == 0)
            return {ReadResult::Status::Ok, std::move(content), {}};
        if (content.size() + static_cast<std::size_t>(got) > MaxFileSize)
            return unreadable("File is too large");
        content.append(buffer, static_cast<std::size_t>(got));
    }
}

WriteResult DiskFileSystem::writeFile(const std::string& path, std::string_view content)
{
    const std::string temporary = temporaryPathFor(path);
    if (WriteResult written = writeTemporary(temporary, content); !written.ok)
        return written;
    return replace(temporary, path);
}

std::string DiskFileSystem::temporaryPathFor(const std::string& path)
{
    // Hidden, beside the file, and unique per process and write, so that two
    // running copies never share a half-written file.
    const auto slash = path.rfind('/');
    const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    return path.substr(0, nameStart) + "." + path.substr(nameStart) + "." + std::to_string(::getpid()) + "." +
           std::to_string(++m_writeCount) + ".tmp";
}

WriteResult DiskFileSystem::writeTemporary(const std::string& temporaryPath, std::string_view content)
{
    Descriptor file(::open(temporaryPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
    if (!file.valid())
        return WriteResult::failed(systemText(errno));
    int error = 0;
    if (!writeAll(file.get(), content) || ::fsync(file.get()) != 0)
        error = errno;
    if (file.close() != 0 && error == 0)
        error = errno;
    if (error != 0) {
        ::unlink(temporaryPath.c_str());
        return WriteResult::failed(systemText(error));
    }
    return WriteResult::done();
}

WriteResult DiskFileSystem::replace(const std::string& temporaryPath, const std::string& path)
{
    if (::rename(temporaryPath.c_str(), path.c_str()) != 0) {
        const int error = errno;
        ::unlink(temporaryPath.c_str());
        return WriteResult::failed(systemText(error));
    }
    syncFolder(folderOf(path));
    return WriteResult::done();
}
