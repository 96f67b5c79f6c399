#include "help/Links.h"

#include "RecordingShellOpen.h"

#include <gtest/gtest.h>

namespace {
TEST(Links, WebPageAndDonationPageOpenAsAddresses)
{
    RecordingShellOpen shell;
    Links links(shell, "/opt/earnmeter");
    links.OpenWebPage();
    links.OpenDonatePage();
    EXPECT_EQ(shell.addresses, (std::vector<std::string>{"https://earnmeter.example.org/",
                                                         "https://earnmeter.example.org/donate.html"}));
    EXPECT_TRUE(shell.files.empty());
}

TEST(Links, ReadmeOpensTheFileBesideTheProgram)
{
    RecordingShellOpen shell;
    Links links(shell, "/home/ann/Earn Meter");
    links.OpenReadme();
    EXPECT_EQ(shell.files, std::vector<std::string>{"/home/ann/Earn Meter/Readme.html"});
}
} // namespace
