#include "help/SupportEmail.h"

#include "help/Addresses.h"
#include "help/SupportText.h"

SupportEmail::SupportEmail(ShellOpen& shell, const ProgramFacts& facts) : m_shell(shell), m_facts(facts) {}

std::string SupportEmail::EmailSubject() const
{
    return SupportText::EmailSubject();
}

std::string SupportEmail::EmailBody() const
{
    return SupportText::EmailBody(m_facts.folder(), m_facts.screen());
}

void SupportEmail::SendSupportEmail()
{
    m_shell.openAddress(SupportText::mailTarget(Addresses::SupportEmail, EmailSubject(), EmailBody()));
}

std::string SupportEmail::ProgramInfo() const
{
    return SupportText::ProgramInfo(m_facts.folder(), m_facts.modifiedDate(), m_facts.screen());
}
