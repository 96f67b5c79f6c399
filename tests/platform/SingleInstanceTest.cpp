#include "platform/SingleInstance.h"

#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace {

// Copies on one data folder share a lock and a socket in the user's runtime folder.
class SingleInstanceTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(runtime.isValid());
        qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    }

    QTemporaryDir runtime;
};

TEST_F(SingleInstanceTest, ASecondCopyOnTheSameFolderAsksTheFirstToShowAndEndsWhileOtherFoldersRunTheirOwn)
{
    auto first = std::make_unique<SingleInstance>(QStringLiteral("/home/user/data"));
    ASSERT_TRUE(first->claim());
    QSignalSpy shown(first.get(), &SingleInstance::showRequested);
    EXPECT_FALSE(SingleInstance(QStringLiteral("/home/user/./data/")).claim()) << "the same folder spelled otherwise";
    EXPECT_TRUE(shown.wait(5000));
    EXPECT_TRUE(SingleInstance(QStringLiteral("/home/user/other")).claim());

    first.reset();
    EXPECT_TRUE(SingleInstance(QStringLiteral("/home/user/data")).claim()) << "the folder is free once the copy ends";
}

} // namespace
