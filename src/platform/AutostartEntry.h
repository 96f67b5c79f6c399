#pragma once

#include "storage/LoginStart.h"

#include <string>

// The program started at login through the XDG Autostart specification:
// org.example.earnmeter.desktop in $XDG_CONFIG_HOME/autostart (an absolute
// XDG_CONFIG_HOME, else ~/.config/autostart), its Exec naming this very binary.
// The entry is replaced in one step; taking it away removes only that file.
class AutostartEntry final : public LoginStart
{
public:
    static constexpr const char* FileName = "org.example.earnmeter.desktop";

    // `folder` is the autostart folder, `executable` the binary it starts.
    AutostartEntry(std::string folder, std::string executable);
    // This user's folder and this process's binary.
    static AutostartEntry forThisProgram();

    WriteResult set(bool on) override;

    // The desktop entry for a binary, its path quoted as the Exec key wants.
    static std::string entryText(const std::string& executable);
    // The folder for a home and an XDG_CONFIG_HOME (either may be empty).
    static std::string folderFor(const std::string& home, const std::string& xdgConfigHome);

private:
    std::string m_folder;
    std::string m_executable;
};
