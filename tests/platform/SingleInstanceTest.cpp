#include "platform/ControlServer.h"
#include "platform/SingleInstance.h"

#include "TempFolder.h"
#include "fakes/FakeMeter.h"

#include <QTest>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <future>
#include <memory>

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

// Copies on one data folder share the lock in that folder, whatever their
// environment; the second asks the first, over its channel, to show itself.
TEST(SingleInstance, ASecondCopyOnTheSameFolderAsksTheFirstToShowAndEndsWhileOtherFoldersRunTheirOwn)
{
    TempFolder data, otherData, runtime;
    FakeMeter meter;
    auto first = std::make_unique<SingleInstance>(data.path(), controlAddressFor(data.path(), runtime.path()));
    ASSERT_EQ(first->claim(), SingleInstance::Claim::Ours);
    ControlServer server(meter);
    ASSERT_EQ(server.listen(first->address().socketPath, true), "");

    SingleInstance second(data.path() + "/.", controlAddressFor(data.path(), runtime.path()));
    EXPECT_EQ(claimBesideTheLoop(second), SingleInstance::Claim::AnotherCopy);
    EXPECT_TRUE(QTest::qWaitFor([&meter] { return !meter.performed.empty(); }));
    EXPECT_EQ(meter.performed, std::vector<RemoteCommand>{RemoteCommand::Show});

    // Another environment (no runtime folder) cannot make a second copy on the same files.
    TempFolder tmp;
    SingleInstance elsewhere(data.path(), controlAddressFor(data.path(), "", tmp.path()));
    EXPECT_EQ(elsewhere.claim(), SingleInstance::Claim::AnotherCopy);
    EXPECT_EQ(SingleInstance(otherData.path(), controlAddressFor(otherData.path(), runtime.path())).claim(),
              SingleInstance::Claim::Ours);

    first.reset();
    EXPECT_EQ(SingleInstance(data.path(), controlAddressFor(data.path(), runtime.path())).claim(),
              SingleInstance::Claim::Ours)
        << "the folder is free once the copy ends";
}

// "Cannot lock" is not "another copy runs": the program is told to start, with a reason to give.
TEST(SingleInstance, ALockThatCannotBeMadeLetsTheProgramStartWithAReason)
{
    TempFolder runtime;
    const std::string missing = runtime / "no-such-folder";
    SingleInstance instance(missing, controlAddressFor(missing, runtime.path()));
    EXPECT_EQ(instance.claim(), SingleInstance::Claim::Unlocked);
    EXPECT_EQ(instance.lockProblemText(), "Earnmeter cannot create its lock file " + missing +
                                              "/Earnmeter.lock: " + std::strerror(ENOENT) +
                                              ".\n\nIt starts anyway, "
                                              "but cannot stop a second copy from using the same files.");
}

} // namespace
