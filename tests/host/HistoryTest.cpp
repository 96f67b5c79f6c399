#include "HostFixture.h"

#include "engine/Formats.h"
#include "storage/HistoryTestFolder.h"

#include <algorithm>
#include <set>

namespace {

// A host whose history goes to a real file in a fresh folder.
class HistoryHostTest : public HistoryTestFolder, public HostWorld
{
protected:
    void SetUp() override
    {
        HistoryTestFolder::SetUp();
        openHistory = [this] {
            return HistoryStore::open(historyPath(), HistoryStore::Mode::ReadWrite, wallClock);
        };
    }
    // What the file holds per day: "2026-03-02 10s $0.10", read as the command line reads it.
    Lines stored()
    {
        Lines days;
        auto opened = HistoryStore::open(historyPath(), HistoryStore::Mode::ReadOnly, wallClock);
        if (!opened.store)
            return {opened.outcome.reason};
        for (const DayTotal& day : opened.store->dayTotals(Date::first(), Date::last()).value)
            days.push_back(day.date.text() + " " + std::to_string(day.seconds) + "s $" + FormatMoney(day.earned));
        return days;
    }
};

// A file that cannot be used is told once, with its path; the meter counts on.
TEST_F(HistoryHostTest, ADamagedFileIsKeptAsideToldOnceAndANewOneTakesTheSeconds)
{
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
    EXPECT_EQ(stored(), Lines({"2026-03-02 3s $0.03"}));
    const std::set<std::string> kept = names();
    const auto aside = std::find_if(kept.begin(), kept.end(), [](const std::string& name) {
        return name.rfind("History.sqlite.damaged-", 0) == 0 && name.find("-wal") == std::string::npos &&
               name.find("-shm") == std::string::npos;
    });
    ASSERT_NE(aside, kept.end());
    EXPECT_EQ(Bytes(HistoryTestFolder::file(*aside)), std::string(4096, 'x')) << "kept byte for byte";
}

} // namespace
