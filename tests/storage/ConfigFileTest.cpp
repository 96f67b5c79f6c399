#include "storage/ConfigFile.h"

#include "StorageTestData.h"

namespace {

using Outcome = ConfigRead::Outcome;

TEST(ConfigFile, MissingUnwritableAndDamagedFilesAreReportedAndNothingIsLost)
{
    FakeFileSystem files;
    ConfigFile config(files, "/data");
    const std::string path = StorageTest::path(ConfigFile::FileName);
    const ConfigRead missing = config.read();
    EXPECT_EQ(std::pair(missing.outcome, missing.problem), std::pair(Outcome::Missing, std::string("File not found")));
    EXPECT_FALSE(files.exists(path));
    ASSERT_TRUE(config.write(Settings::defaults()).ok);
    EXPECT_EQ(files.content(path), FixtureFile("config-defaults.ewg"));

    // An update that cannot be written back is told to the caller, not as done.
    files.put(path, "\"v2.41\",7,50,-1,0\r\n");
    files.failWrites(path, "Read-only file system");
    const ConfigRead updated = config.read();
    EXPECT_EQ(updated.outcome, Outcome::Updated);
    EXPECT_EQ(updated.rewrite.reason, "Read-only file system for /Config.ewg");
    EXPECT_EQ(updated.settings, (Settings{StorageTest::Dollars("7"), StorageTest::Dollars("50"), true, false, true}));
    EXPECT_EQ(config.write(Settings::defaults()).reason, "Read-only file system for /Config.ewg");
    EXPECT_EQ(files.content(path), "\"v2.41\",7,50,-1,0\r\n");

    files.put(path, "\"v2.5\",1,2,99999,0,-1\r\n");
    EXPECT_EQ(config.read().problem, "Switch out of range for /Config.ewg");
    files.put(path, "\"v2.5\",1");
    EXPECT_EQ(config.read().problem, "Too few fields for /Config.ewg");
}

} // namespace
