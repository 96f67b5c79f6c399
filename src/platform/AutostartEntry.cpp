#include "platform/AutostartEntry.h"

#include "platform/DataFolder.h"
#include "platform/DiskFileSystem.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <unistd.h>

namespace {

// The Exec key's quoting: the path in double quotes, with `"`, `` ` ``, `$`
// and `\` escaped, and `%` doubled; then `\` escaped again as a string value.
std::string execValue(const std::string& path)
{
    std::string quoted = "\"";
    for (const char c : path) {
        if (c == '"' || c == '`' || c == '$' || c == '\\')
            quoted += '\\';
        quoted += c == '%' ? std::string("%%") : std::string(1, c);
    }
    quoted += '"';
    std::string value;
    for (const char c : quoted)
        value += c == '\\' ? std::string("\\\\") : std::string(1, c);
    return value;
}

std::string environment(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

} // namespace

AutostartEntry::AutostartEntry(std::string folder, std::string executable)
    : m_folder(std::move(folder)), m_executable(std::move(executable))
{}

AutostartEntry AutostartEntry::forThisProgram()
{
    std::error_code error;
    const std::string executable = std::filesystem::read_symlink("/proc/self/exe", error).string();
    const DataFolderInputs inputs = dataFolderInputs();
    const std::string home = inputs.home.empty() || inputs.home.front() != '/' ? inputs.passwordHome : inputs.home;
    return AutostartEntry(folderFor(home, environment("XDG_CONFIG_HOME")), executable);
}

std::string AutostartEntry::folderFor(const std::string& home, const std::string& xdgConfigHome)
{
    // A relative XDG_CONFIG_HOME is ignored, as the XDG rules ask.
    if (!xdgConfigHome.empty() && xdgConfigHome.front() == '/')
        return xdgConfigHome + "/autostart";
    return home.empty() || home.front() != '/' ? std::string() : home + "/.config/autostart";
}

std::string AutostartEntry::entryText(const std::string& executable)
{
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Name=Earnmeter\n"
           "Comment=Calculates Wage Earned Each Second\n"
           "Exec=" +
           execValue(executable) +
           "\n"
           "Icon=org.example.earnmeter\n"
           "Terminal=false\n"
           "X-GNOME-Autostart-enabled=true\n";
}

WriteResult AutostartEntry::set(bool on)
{
    const std::string path = pathInFolder(m_folder, FileName);
    if (m_folder.empty() || m_executable.empty())
        return WriteResult::failed("No folder for the login start is known (HOME is unset)");
    if (!on) {
        if (::unlink(path.c_str()) != 0 && errno != ENOENT)
            return WriteResult::failed(path + ": " + std::strerror(errno));
        return WriteResult::done();
    }
    std::error_code error;
    std::filesystem::create_directories(m_folder, error);
    if (error)
        return WriteResult::failed(m_folder + ": " + error.message());
    WriteResult written = DiskFileSystem().writeFile(path, entryText(m_executable));
    if (!written.ok)
        written.reason = path + ": " + written.reason;
    return written;
}
