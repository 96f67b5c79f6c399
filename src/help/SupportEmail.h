#pragma once

#include "help/ProgramFacts.h"
#include "help/ShellOpen.h"

#include <string>

// The support mail and the program information for this copy of the program,
// built afresh from its facts at each use.
class SupportEmail final
{
public:
    SupportEmail(ShellOpen& shell, const ProgramFacts& facts);

    std::string EmailSubject() const;
    std::string EmailBody() const;
    // Opens the user's mail program with a message to the support address.
    void SendSupportEmail();
    std::string ProgramInfo() const;

private:
    ShellOpen& m_shell;
    const ProgramFacts& m_facts;
};
