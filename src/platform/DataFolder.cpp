#include "platform/DataFolder.h"

#include <cstdlib>
#include <filesystem>
#include <pwd.h>
#include <system_error>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

// "/home/user/./data/" and "/home/user/data" name one folder.
std::string cleanPath(const std::string& path)
{
    std::string clean = fs::path(path).lexically_normal().string();
    while (clean.size() > 1 && clean.back() == '/')
        clean.pop_back();
    return clean;
}

bool isAbsolute(const std::string& path)
{
    return !path.empty() && path.front() == '/';
}

bool isSystemLocation(const std::string& folder)
{
    for (const std::string root : {"/usr", "/opt"})
        if (folder == root || folder.rfind(root + "/", 0) == 0)
            return true;
    return false;
}

std::string userDataFolder(const DataFolderInputs& inputs)
{
    if (isAbsolute(inputs.xdgDataHome))
        return cleanPath(inputs.xdgDataHome + "/Earnmeter");
    for (const std::string* home : {&inputs.home, &inputs.passwordHome})
        if (isAbsolute(*home))
            return cleanPath(*home + "/.local/share/Earnmeter");
    return {};
}

std::string environment(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

std::string passwordHome()
{
    std::vector<char> buffer(16384);
    passwd entry{};
    passwd* found = nullptr;
    if (getpwuid_r(geteuid(), &entry, buffer.data(), buffer.size(), &found) != 0 || !found || !found->pw_dir)
        return {};
    return found->pw_dir;
}

std::string executableFolder()
{
    std::error_code error;
    const fs::path executable = fs::read_symlink("/proc/self/exe", error);
    return error ? std::string() : executable.parent_path().string();
}

} // namespace

std::string chooseDataFolder(const DataFolderInputs& inputs)
{
    const std::string folder = cleanPath(inputs.executableFolder);
    if (isAbsolute(folder) && !isSystemLocation(folder) && inputs.executableFolderWritable)
        return folder;
    return userDataFolder(inputs);
}

DataFolderInputs dataFolderInputs()
{
    DataFolderInputs inputs;
    inputs.executableFolder = executableFolder();
    inputs.executableFolderWritable =
        !inputs.executableFolder.empty() && ::access(inputs.executableFolder.c_str(), W_OK) == 0;
    inputs.home = environment("HOME");
    inputs.xdgDataHome = environment("XDG_DATA_HOME");
    inputs.passwordHome = passwordHome();
    return inputs;
}

DataFolder prepareDataFolder(const std::string& path)
{
    if (path.empty())
        return {path, "no home folder is known (HOME is unset and the password database has none)"};
    std::error_code error;
    fs::create_directories(path, error);
    if (!error && !fs::is_directory(path, error))
        error = std::make_error_code(std::errc::not_a_directory);
    return {path, error ? error.message() : std::string()};
}

std::string dataFolderProblemText(const DataFolder& folder)
{
    if (folder.path.empty())
        return "Earnmeter cannot find a folder for its files: " + folder.problem + ".";
    return "Earnmeter cannot create its data folder " + folder.path + ": " + folder.problem + ".";
}

DataFolder dataFolderForThisProgram()
{
    return prepareDataFolder(chooseDataFolder(dataFolderInputs()));
}
