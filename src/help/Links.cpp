#include "help/Links.h"

#include "help/Addresses.h"

#include <utility>

Links::Links(ShellOpen& shell, std::string programFolder) : m_shell(shell), m_programFolder(std::move(programFolder)) {}

void Links::OpenWebPage()
{
    m_shell.openAddress(Addresses::WebPage);
}

void Links::OpenDonatePage()
{
    m_shell.openAddress(Addresses::DonatePage);
}

void Links::OpenReadme()
{
    m_shell.openFile(m_programFolder + "/Readme.html");
}
