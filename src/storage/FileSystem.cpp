#include "storage/FileSystem.h"

namespace {
constexpr char Separator = '/';
}

std::string PathInFolder(const std::string& folder, std::string_view fileName)
{
    std::string path = folder;
    if (!path.empty() && path.back() != Separator)
        path += Separator;
    path += fileName;
    return path;
}

std::string ShownFileName(std::string_view fileName)
{
    return Separator + std::string(fileName);
}

std::string ForFile(std::string_view what, std::string_view fileName)
{
    return std::string(what) + " for " + ShownFileName(fileName);
}
