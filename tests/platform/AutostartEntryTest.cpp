#include "platform/AutostartEntry.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {
namespace fs = std::filesystem;

// The Exec key quotes what desktop entries reserve.
TEST(AutostartEntry, NamesTheBinaryQuotedAsTheExecKeyWantsInTheConfigFoldersAutostartFolder)
{
    for (const auto& [binary, exec] :
         {std::pair{"/usr/libexec/earnmeter/earnmeter", R"("/usr/libexec/earnmeter/earnmeter")"},
          {"/home/a b/100%/$x\"`\\e", R"("/home/a b/100%%/\\$x\\"\\`\\\\e")"}}) {
        const std::string text = AutostartEntry::entryText(binary);
        EXPECT_NE(text.find(std::string("\nExec=") + exec + "\n"), std::string::npos) << text;
        EXPECT_EQ(text.rfind("[Desktop Entry]\nType=Application\nName=Earnmeter\n", 0), 0u);
        EXPECT_NE(text.find("\nX-GNOME-Autostart-enabled=true\n"), std::string::npos) << "GNOME skips it otherwise";
    }
    EXPECT_EQ(AutostartEntry::folderFor("/home/u", ""), "/home/u/.config/autostart");
    EXPECT_EQ(AutostartEntry::folderFor("/home/u", "/cfg"), "/cfg/autostart");
    EXPECT_EQ(AutostartEntry::folderFor("/home/u", "cfg"), "/home/u/.config/autostart") << "a relative one is ignored";
    EXPECT_EQ(AutostartEntry::folderFor("", ""), "");
}

// On: the folder made and the entry written; off: the entry alone removed; a folder that cannot be made: why.
TEST(AutostartEntry, IsWrittenAndRemovedAndAFolderInTheWayIsTold)
{
    TempFolder root;
    AutostartEntry entry(root / "config/autostart", "/opt/e/earnmeter");
    ASSERT_TRUE(entry.set(true).ok);
    const std::string path = root / "config/autostart/org.example.earnmeter.desktop";
    EXPECT_EQ(fs::file_size(path), AutostartEntry::entryText("/opt/e/earnmeter").size());
    std::ofstream(root / "config/autostart/other.desktop") << "[Desktop Entry]\n";
    ASSERT_TRUE(entry.set(false).ok);
    EXPECT_FALSE(fs::exists(path));
    EXPECT_TRUE(fs::exists(root / "config/autostart/other.desktop")) << "only ours goes";

    std::ofstream(root / "blocked") << "a file where the folder should be";
    const WriteResult blocked = AutostartEntry(root / "blocked/autostart", "/opt/e/earnmeter").set(true);
    EXPECT_NE(blocked.reason.find(root / "blocked/autostart"), std::string::npos) << blocked.ok << blocked.reason;
}
} // namespace
