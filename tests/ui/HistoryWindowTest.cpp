#include "ui/history/HistoryWindow.h"

#include "fakes/FakeFileSystem.h"
#include "fakes/FakePrompt.h"
#include "storage/HistoryKeeper.h"
#include "storage/HistoryTestFolder.h"
#include "ui/history/HistoryChart.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLocale>
#include <QTableWidget>

#include <cmath>

namespace {

double luminance(QColor c)
{
    const auto channel = [](double v) {
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

double contrast(QColor a, QColor b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QPalette darkPalette()
{
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(32, 32, 32));
    dark.setColor(QPalette::Base, QColor(24, 24, 24));
    dark.setColor(QPalette::WindowText, QColor(230, 230, 230));
    dark.setColor(QPalette::Text, QColor(230, 230, 230));
    dark.setColor(QPalette::Highlight, QColor(61, 174, 233));
    dark.setColor(QPalette::Link, QColor(255, 200, 87));
    return dark;
}

// A year of history in a real file, seen on Monday 2026-03-02 at noon.
class HistoryWindowTest : public HistoryTestFolder
{
protected:
    void SetUp() override
    {
        HistoryTestFolder::SetUp();
        clock.set(ManualWallClock::at(D("2026-03-02"), 12, 0, 0));
        auto opened = open();
        std::vector<HistoryRecord> year = {Record("2025-12-31", 0, 7200, 360000), Record("2026-02-10", 0, 3600, 360000),
                                           Record("2026-03-01", 0, 1800, 360000),
                                           Record("2026-03-02", 0, 3600, 360000)};
        ASSERT_TRUE(opened.store->write(year).ok);
    }
    void TearDown() override
    {
        QLocale::setDefault(QLocale::c());
        HistoryTestFolder::TearDown();
    }
    std::string shown(const char* label) { return window.findChild<QLabel*>(label)->text().toStdString(); }
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
};

// The week starts where the locale starts it: Monday in Germany, Sunday in the United States.
TEST_F(HistoryWindowTest, TotalsFollowTheLocalesWeekAndCurrency)
{
    for (const auto& [locale, today, week, month, all] :
         {std::tuple{QLocale(QLocale::German, QLocale::Germany), "36,00\u00A0€   1:00:00", "36,00\u00A0€   1:00:00",
                     "54,00\u00A0€   1:30:00", "162,00\u00A0€   4:30:00"},
          {QLocale(QLocale::English, QLocale::UnitedStates), "$36.00   1:00:00", "$54.00   1:30:00", "$54.00   1:30:00",
           "$162.00   4:30:00"}}) {
        QLocale::setDefault(locale);
        history.open();
        window.refresh();
        EXPECT_EQ(shown("lblToday") + " | " + shown("lblWeek") + " | " + shown("lblMonth") + " | " +
                      shown("lblAllTime"),
                  std::string(today) + " | " + week + " | " + month + " | " + all);
    }
    EXPECT_TRUE(prompt.asked().empty());
}

// In the United States a week starts on Sunday: this one holds Sunday and Monday.
TEST_F(HistoryWindowTest, TheChartAndItsTableShowTheLastDaysWeeksOrMonthsEndingToday)
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    history.open();
    QComboBox& span = *window.findChild<QComboBox*>("cboSpan");
    const auto& table = *window.findChild<QTableWidget*>("tblFigures");
    for (const auto& [index, bars, lastFirst, lastEarned, before] : {std::tuple{0, 30u, "2026-03-02", 360000, 180000},
                                                                     {1, 12u, "2026-03-01", 540000, 0},
                                                                     {2, 12u, "2026-03-01", 540000, 360000}}) {
        span.setCurrentIndex(index);
        window.refresh();
        const std::vector<ChartBar>& shownBars = chart().bars();
        ASSERT_EQ(shownBars.size(), bars);
        EXPECT_EQ(shownBars.back().first.text(), lastFirst);
        EXPECT_EQ(shownBars.back().total.earned.units, lastEarned);
        EXPECT_EQ(shownBars[bars - 2].total.earned.units, before) << index;
        EXPECT_EQ(table.rowCount(), static_cast<int>(bars));
        EXPECT_EQ(table.item(static_cast<int>(bars) - 1, 1)->text().toStdString().substr(0, 6),
                  index == 0 ? "$36.00" : "$54.00");
    }
}

// Bars must stand out from the chart's background in a light and a dark theme alike.
TEST_F(HistoryWindowTest, BarsStandOutInLightAndDarkPalettes)
{
    history.open();
    window.resize(480, 360);
    for (const QPalette& palette : {QApplication::palette(), darkPalette()}) {
        window.setPalette(palette);
        window.refresh();
        const QImage image = chart().grab().toImage();
        const QColor background = image.pixelColor(2, 2);
        const QColor today = image.pixelColor(image.width() - 12, image.height() - 10);
        const QColor yesterday = image.pixelColor(image.width() - 12 - image.width() / 30, image.height() - 10);
        EXPECT_GE(contrast(today, background), 3.0) << background.name().toStdString() << today.name().toStdString();
        EXPECT_GE(contrast(yesterday, background), 3.0) << yesterday.name().toStdString();
        EXPECT_NE(today, yesterday) << "today's bar is marked";
        EXPECT_GE(contrast(palette.color(QPalette::WindowText), palette.color(QPalette::Window)), 4.5);
    }
}

TEST_F(HistoryWindowTest, ExportWritesEveryDayOldestFirstWithPointDecimals)
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    history.open();
    window.exportCsv();
    EXPECT_EQ(files.content("/out.csv"), "date,seconds,hours,earned\n2025-12-31,7200,2.0000,72.00\n"
                                         "2026-02-10,3600,1.0000,36.00\n2026-03-01,1800,0.5000,18.00\n"
                                         "2026-03-02,3600,1.0000,36.00\n");
}

} // namespace
