#pragma once

#include "help/ShellOpen.h"

#include <string>

// The Help commands that open the author's pages and the local readme.
class Links final
{
public:
    // programFolder: the folder that holds the executable and Readme.html.
    Links(ShellOpen& shell, std::string programFolder);

    void OpenWebPage();
    void OpenDonatePage();
    void OpenReadme();

private:
    ShellOpen& m_shell;
    std::string m_programFolder;
};
