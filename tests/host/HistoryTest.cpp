#include "HostFixture.h"
#include "host/ChosenMoney.h"

#include "engine/Formats.h"
#include "engine/MeterStatus.h"
#include "storage/HistoryTestFolder.h"
#include "ui/history/HistoryWindow.h"

#include <QLabel>

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
    void begin(const char* prev = "0\r\n", Answer toContinue = Answer::No)
    {
        prompt.answers.queueAnswer(toContinue);
        startWith(DefaultConfig, DefaultSaved, prev);
    }
    void startAt(const char* wage)
    {
        host.runTimer().editWageEntry(host.runTimer().liveWindow(), wage);
        ASSERT_TRUE(host.runTimer().start(host.runTimer().liveWindow()));
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

// The history is what was earned: neither Reset nor a No at exit takes it back,
// and the count carried over from the last run is not filed again.
TEST_F(HistoryHostTest, EveryCountedSecondIsFiledOnceWhateverHappensToTheCountShown)
{
    begin("5400\r\n", Answer::Yes);
    startAt("36");
    elapse(10);
    prompt.answers.queueAnswer(Answer::Yes);
    host.resetTimer();
    EXPECT_EQ(stored(), Lines({"2026-03-02 10s $0.10"})) << "written at reset";
    startAt("72");
    elapse(5);
    host.runTimer().pause(WindowId::Main);
    wallClock.advance(3600); // time with no ticks counts nothing
    startAt("72");
    elapse(5);
    prompt.answers.queueAnswer(Answer::No);
    host.requestExit();
    EXPECT_EQ(stored(), Lines({"2026-03-02 20s $0.30"}));
    EXPECT_TRUE(asked().size() == 3u) << "continue, reset and save questions only";
}

// A file that cannot be used is told once, with its path; the meter counts on.
TEST_F(HistoryHostTest, ADamagedFileIsKeptAsideToldOnceAndANewOneTakesTheSeconds)
{
    Put(historyPath(), std::string(4096, 'x'));
    begin();
    QCoreApplication::processEvents();
    EXPECT_EQ(std::pair(asked().size(), names()), std::pair(std::size_t{0}, std::set<std::string>{"History.sqlite"}))
        << "an idle meter opens no history";
    startAt("36");
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

// Today is one figure wherever it is shown: the history's seconds of the date, each at its own wage, while the
// run's total prices the whole count anew. Each second belongs to the date it was counted on.
TEST_F(HistoryHostTest, TodayIsOneFigureInTheTrayTheWindowsTheStatusAndTheHistoryAcrossAWageChangeAndMidnight)
{
    wallClock.set(ManualWallClock::at(D("2026-03-02"), 23, 59, 50));
    begin();
    host.showHistory();
    startAt("3600");
    elapse(5);
    host.runTimer().editWageEntry(WindowId::Main, "7200");
    host.runTimer().leaveWageEntry(WindowId::Main);
    elapse(4);
    const auto expectToday = [this](const char* money, const char* time) {
        const std::string line = std::string("Today $") + money + " in " + time;
        EXPECT_NE(statusLine(host.control().status(), host.control().day()).find(", t" + line.substr(1)),
                  std::string::npos);
        EXPECT_EQ(control<QLabel>(host.mainWindow(), "lblTotal").toolTip().toStdString(), line);
        EXPECT_EQ(control<QLabel>(host.historyWindow(), "lblToday").text().toStdString(), std::string("$") + money);
        EXPECT_EQ(panel.tip.section(QLatin1Char('\n'), 1).toStdString(),
                  TrayHost::todayLine(host.control().day().today, ChosenMoney(numbers)).toStdString());
    };
    expectToday("13.00", "0:00:09");
    EXPECT_EQ(FormatMoney(host.runTimer().totalEarned()), "18.00") << "the run: 9 s all at the new wage";
    elapse(3);
    expectToday("6.00", "0:00:03");
    EXPECT_TRUE(host.control().day().today.complete);

    exportTo = "/home/user/export.csv";
    host.historyWindow().exportCsv();
    EXPECT_EQ(files.content("/home/user/export.csv"),
              "date,seconds,hours,earned\n2026-03-02,9,0.0025,13.00\n2026-03-03,3,0.0008,6.00\n")
        << "the tick at 00:00:00 is the new day's";
    EXPECT_NE(suggestedExport.find("earnmeter-history-2026-03-03.csv"), std::string::npos) << suggestedExport;
    elapse(3);
    prompt.answers.queueAnswer(Answer::Yes);
    host.requestExit();
    EXPECT_EQ(stored(), Lines({"2026-03-02 9s $13.00", "2026-03-03 6s $12.00"})) << "all filed at exit";
    EXPECT_EQ(FormatMoney(host.runTimer().totalEarned()), "30.00") << "15 s all at the new wage";
}

} // namespace
