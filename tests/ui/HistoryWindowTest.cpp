#include "ui/history/HistoryWindow.h"

#include "fakes/FakeFileSystem.h"
#include "fakes/FakePrompt.h"
#include "storage/HistoryKeeper.h"
#include "storage/HistoryTestFolder.h"
#include "ui/history/HistoryChart.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLocale>
#include <QTableWidget>

namespace {

// Over a year of history in a real file, seen on Monday 2026-03-02 at noon.
class HistoryWindowTest : public HistoryTestFolder
{
protected:
    void SetUp() override
    {
        HistoryTestFolder::SetUp();
        clock.set(ManualWallClock::at(D("2026-03-02"), 12, 0, 0));
        std::vector<HistoryRecord> year = {Record("2024-07-15", 0, 1800, 360000), // before every bar and period
                                           Record("2025-12-31", 0, 7200, 360000), Record("2026-02-10", 0, 3600, 360000),
                                           Record("2026-03-01", 0, 1800, 360000),
                                           Record("2026-03-02", 0, 3600, 360000)};
        ASSERT_TRUE(open().store->write(year).ok);
    }
    void TearDown() override
    {
        QLocale::setDefault(QLocale::c());
        HistoryTestFolder::TearDown();
    }
    std::string shown(const char* label) { return window.findChild<QLabel*>(label)->text().toStdString(); }
    std::string totals() { return shown("lblAllTime") + " " + shown("lblAllTimeTime"); }
    HistoryChart& chart() { return *window.findChild<HistoryChart*>(); }

    FakeFileSystem files;
    FakePrompt prompt;
    HistoryKeeper history{clock, [this](const std::string& text) { prompt.ask({text}); },
                          [this] {
                              return open();
                          }};
    HistoryWindow window{history, files, prompt, [](QWidget*, const std::string&) {
                             return std::optional<std::string>("/out.csv");
                         }};

    std::string row(const QTableWidget& table, int line)
    {
        std::string text;
        for (int column = 0; column < table.columnCount(); ++column)
            text += (column ? " | " : "") + table.item(line, column)->text().toStdString();
        return text;
    }

    std::vector<std::string> rows()
    {
        const auto& table = *window.findChild<QTableWidget*>("tblFigures");
        std::vector<std::string> all;
        for (int line = 0; line < table.rowCount(); ++line)
            all.push_back(row(table, line));
        return all;
    }
};

// The week starts where the locale starts it: Sunday in the United States. Money is the windows' dollars.
TEST_F(HistoryWindowTest, TotalsFollowTheLocalesWeekInColumnsOfMoneyAndTime)
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    history.open();
    window.refresh();
    EXPECT_EQ(shown("lblToday") + " " + shown("lblTodayTime") + " | " + shown("lblWeek") + " " + shown("lblWeekTime") +
                  " | " + totals(),
              "$36.00 1:00:00 | $54.00 1:30:00 | $180.00 5:00:00");
    EXPECT_TRUE(prompt.asked().empty());
}

// Newest first; a period without earnings only when asked for; each span labels its bars and names its ends.
TEST_F(HistoryWindowTest, TheTableListsTheNewestFirstAndTheChartLabelsEachSpan)
{
    std::vector<HistoryRecord> unpaid = {Record("2026-02-20", 0, 1200, 0)}; // time counted at no wage
    ASSERT_TRUE(open().store->write(unpaid).ok);
    QComboBox& span = *window.findChild<QComboBox*>("cboSpan");
    QCheckBox& showEmpty = *window.findChild<QCheckBox*>("chkShowEmpty");
    window.refresh();
    EXPECT_EQ(rows(),
              (std::vector<std::string>{"Mon 2 Mar 2026 | $36.00 | 1:00:00", "Sun 1 Mar 2026 | $18.00 | 0:30:00",
                                        "Fri 20 Feb 2026 | $0.00 | 0:20:00", "Tue 10 Feb 2026 | $36.00 | 1:00:00"}));
    showEmpty.setChecked(true);
    EXPECT_EQ(rows().size(), 30u);
    EXPECT_EQ(rows()[2], "Sat 28 Feb 2026 | $0.00 | 0:00:00");
    for (const auto& [index, first, last, firstLabel, lastLabel] :
         {std::tuple{0, "1 Feb 2026", "2 Mar 2026", "S", "M"},
          {1, "15 Dec 2025 – 21 Dec 2025", "2 Mar 2026 – 2 Mar 2026", "51", "10"},
          {2, "Apr 2025", "Mar 2026", "Apr", "Mar"}}) {
        span.setCurrentIndex(index);
        const std::vector<ChartBar>& bars = chart().bars();
        EXPECT_EQ(chart().edgeLabel(bars.front()).toStdString() + " / " + chart().edgeLabel(bars.back()).toStdString(),
                  std::string(first) + " / " + last);
        EXPECT_EQ(chart().barLabel(bars.front()).toStdString() + " / " + chart().barLabel(bars.back()).toStdString(),
                  std::string(firstLabel) + " / " + lastLabel);
    }
    showEmpty.setChecked(false);
    EXPECT_EQ(rows(), (std::vector<std::string>{"March 2026 | $54.00 | 1:30:00", "February 2026 | $36.00 | 1:20:00",
                                                "December 2025 | $72.00 | 2:00:00"}));
}

// The export writes every day oldest first, with points whatever the locale, and says where it went.
TEST_F(HistoryWindowTest, ExportWritesEveryDayOldestFirstWithPointDecimalsAndSaysWhere)
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    history.open();
    window.exportCsv();
    EXPECT_EQ(files.content("/out.csv"),
              "date,seconds,hours,earned\n2024-07-15,1800,0.5000,18.00\n2025-12-31,7200,2.0000,72.00\n"
              "2026-02-10,3600,1.0000,36.00\n2026-03-01,1800,0.5000,18.00\n"
              "2026-03-02,3600,1.0000,36.00\n");
    EXPECT_EQ(prompt.lastAsked().text, "The history was exported to /out.csv.");
    files.failWrites("/out.csv", "Permission denied");
    window.exportCsv();
    EXPECT_EQ(prompt.lastAsked().text, "The history was not exported: Permission denied for /out.csv.");
}

// Today's row grows as the meter counts, from 9:59:59 to 10:00:00: its columns
// widen so that nothing is cut.
TEST_F(HistoryWindowTest, TheFigureColumnsWidenAsTodaysFiguresGrow)
{
    const std::int64_t wage = 1'000'000'000'000; // $100,000,000 an hour
    std::vector<HistoryRecord> big = {Record("2026-03-02", 0, 35999 - 3600, wage)};
    ASSERT_TRUE(open().store->write(big).ok);
    window.show();
    const auto& table = *window.findChild<QTableWidget*>("tblFigures");
    const auto fits = [&table] {
        const QAbstractItemView& view = table; // the widest cell, margins and all
        return view.sizeHintForColumn(1) <= table.columnWidth(1) && view.sizeHintForColumn(2) <= table.columnWidth(2);
    };
    EXPECT_TRUE(fits()) << row(table, 0);
    history.counted(Currency::fromUnits(wage));
    EXPECT_EQ(row(table, 0), "Mon 2 Mar 2026 | $900000036.00 | 10:00:00");
    EXPECT_TRUE(fits()) << row(table, 0);
}

// A second counted under a clock set back a year and written while the window
// was closed belongs to All time when it opens again.
TEST_F(HistoryWindowTest, ASecondCountedUnderAClockSetBackAYearIsInAllTime)
{
    window.show();
    window.hide();
    clock.set(ManualWallClock::at(D("2024-07-15"), 12, 0, 0));
    history.counted(Currency::fromUnits(360000));
    history.flush();
    clock.set(ManualWallClock::at(D("2026-03-02"), 12, 0, 1));
    window.show();
    EXPECT_EQ(totals(), "$180.01 5:00:01");
}

} // namespace
