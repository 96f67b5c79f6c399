#include "HostFixture.h"

#include "storage/HistoryTestFolder.h"

#include <algorithm>
#include <set>

namespace {

// A host whose history goes to a real file in a fresh folder.
class HistoryHostTest : public HistoryTestFolder, public HostWorld
{};

// A file that cannot be used is told once, with its path; the meter counts on.
TEST_F(HistoryHostTest, ADamagedFileIsKeptAsideToldOnceAndANewOneTakesTheSeconds)
{
    openHistory = [this] {
        return HistoryStore::open(historyPath(), HistoryStore::Mode::ReadWrite, wallClock);
    };
    Put(historyPath(), std::string(4096, 'x'));
    startWith();
    QCoreApplication::processEvents();
    EXPECT_EQ(std::pair(asked().size(), names()), std::pair(std::size_t{0}, std::set<std::string>{"History.sqlite"}))
        << "an idle meter opens no history";
    host.runTimer().editWageEntry(WindowId::Main, "36");
    ASSERT_TRUE(host.runTimer().start(WindowId::Main));
    elapse(3);
    ASSERT_EQ(asked().size(), 1u);
    EXPECT_NE(asked()[0].find(historyPath() + " is damaged"), std::string::npos) << asked()[0];
    EXPECT_NE(asked()[0].find("History.sqlite.damaged-"), std::string::npos) << asked()[0];
    host.runTimer().pause(WindowId::Main);
    // Read back as the command line reads it.
    const auto opened = HistoryStore::open(historyPath(), HistoryStore::Mode::ReadOnly, wallClock);
    ASSERT_TRUE(opened.store) << opened.outcome.reason;
    const auto days = opened.store->dayTotals(Date::first(), Date::last()).value;
    ASSERT_EQ(days.size(), 1u);
    EXPECT_EQ(std::tuple(days[0].date.text(), days[0].seconds, days[0].earned),
              std::tuple(std::string("2026-03-02"), std::int64_t{3}, Currency::fromUnits(300)));
    const std::set<std::string> kept = names();
    const auto aside = std::find_if(kept.begin(), kept.end(), [](const std::string& name) {
        return name.rfind("History.sqlite.damaged-", 0) == 0 && name.find("-wal") == std::string::npos &&
               name.find("-shm") == std::string::npos;
    });
    ASSERT_NE(aside, kept.end());
    EXPECT_EQ(Bytes(HistoryTestFolder::file(*aside)), std::string(4096, 'x')) << "kept byte for byte";
}

} // namespace
