#include "help/SupportEmail.h"

#include "FakeProgramFacts.h"
#include "RecordingShellOpen.h"

#include <gtest/gtest.h>

namespace {
TEST(SupportEmail, ANewScreenResolutionShowsAtTheNextUse)
{
    RecordingShellOpen shell;
    FakeProgramFacts facts;
    SupportEmail support(shell, facts);
    EXPECT_TRUE(support.ProgramInfo().ends_with("1024 x 768"));
    facts.screenSize = {1920, 1080};
    support.SendSupportEmail();
    EXPECT_TRUE(shell.addresses.at(0).ends_with("Screen%20Resolution%20:%201920x1080"));
    EXPECT_TRUE(support.ProgramInfo().ends_with("1920 x 1080"));
}
} // namespace
