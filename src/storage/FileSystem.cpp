#include "storage/FileSystem.h"

namespace {
constexpr char Separator = '/';
}

std::string pathInFolder(const std::string& folder, std::string_view fileName)
{
    std::string path = folder;
    if (!path.empty() && path.back() != Separator)
        path += Separator;
    path += fileName;
    return path;
}

std::string shownFileName(std::string_view fileName)
{
    return Separator + std::string(fileName);
}

std::string forFile(std::string_view what, std::string_view fileName)
{
    return std::string(what) + " for " + shownFileName(fileName);
}
