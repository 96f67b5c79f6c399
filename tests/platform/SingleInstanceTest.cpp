#include "platform/ControlServer.h"
#include "platform/SingleInstance.h"

#include "TempFolder.h"
#include "fakes/FakeMeter.h"

#include <QTest>

#include <gtest/gtest.h>

#include <future>

namespace {
// A claim that has to reach the running copy waits for its answer, so it runs
// beside the event loop that lets the copy answer.
SingleInstance::Claim claimBesideTheLoop(SingleInstance& instance)
{
    auto claim = std::async(std::launch::async, [&instance] { return instance.claim(); });
    EXPECT_TRUE(QTest::qWaitFor(
        [&claim] { return claim.wait_for(std::chrono::seconds(0)) == std::future_status::ready; }, 10000));
    return claim.get();
}

// Copies on one data folder share the lock in that folder; the second asks the
// first, over its channel, to show itself.
TEST(SingleInstance, ASecondCopyOnTheSameFolderAsksTheFirstToShowAndEndsWhileOtherFoldersRunTheirOwn)
{
    TempFolder data, otherData, runtime;
    FakeMeter meter;
    SingleInstance first(data.path(), controlAddressFor(data.path(), runtime.path()));
    ASSERT_EQ(first.claim(), SingleInstance::Claim::Ours);
    ControlServer server(meter);
    ASSERT_EQ(server.listen(first.address().socketPath, true), "");

    SingleInstance second(data.path() + "/.", controlAddressFor(data.path(), runtime.path()));
    EXPECT_EQ(claimBesideTheLoop(second), SingleInstance::Claim::AnotherCopy);
    EXPECT_TRUE(QTest::qWaitFor([&meter] { return !meter.performed.empty(); }));
    EXPECT_EQ(meter.performed, std::vector<RemoteCommand>{RemoteCommand::Show});
    EXPECT_EQ(SingleInstance(otherData.path(), controlAddressFor(otherData.path(), runtime.path())).claim(),
              SingleInstance::Claim::Ours);
}
} // namespace
