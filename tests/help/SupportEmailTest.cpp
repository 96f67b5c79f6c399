#include "help/SupportEmail.h"

#include "FakeProgramFacts.h"
#include "RecordingShellOpen.h"

#include <gtest/gtest.h>

namespace {
TEST(SupportEmail, SendsTheMailToTheSupportAddress)
{
    RecordingShellOpen shell;
    FakeProgramFacts facts;
    SupportEmail support(shell, facts);
    support.SendSupportEmail();
    ASSERT_EQ(shell.addresses.size(), 1u);
    EXPECT_EQ(shell.addresses[0], "mailto:support@earnmeter.example.org?subject=Regarding%20Earnmeter%202.5"
                                  "&body=%0D%0A%0D%0AHelpful%20Support%20Info%20==========================="
                                  "%0D%0AProgram%20Path%20:%20/opt/Earn Meter"
                                  "%0D%0AScreen%20Resolution%20:%201024x768");
}

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
