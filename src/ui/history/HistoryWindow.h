#pragma once

#include "engine/HistoryFigures.h"
#include "engine/Money.h"

#include <QWidget>

#include <array>
#include <functional>
#include <optional>
#include <string>

class FileSystem;
class HistoryChart;
class HistoryKeeper;
class Prompt;
class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QTableWidget;
class QVBoxLayout;

// What the user earned: today, this week, this month, this year and in all,
// a chart of the last days, weeks or months with the same figures in a table
// (newest first, empty periods left out unless asked for), and the day totals
// exported for a spreadsheet. It follows a run as it counts.
class HistoryWindow final : public QWidget
{
    Q_OBJECT

public:
    // Asks where the CSV file goes, offering `suggested`; nothing when the user cancels.
    using ChooseFile = std::function<std::optional<std::string>(QWidget* parent, const std::string& suggested)>;

    HistoryWindow(HistoryKeeper& history, FileSystem& files, Prompt& prompt, ChooseFile chooseFile,
                  QWidget* parent = nullptr);

    void refresh();
    // The currency the figures are written in; they are written afresh.
    void setMoney(const MoneyFormat& money);
    void exportCsv();
    // Where Export CSV first offers to save: the documents folder, today's date in the name.
    std::string suggestedExportPath() const;

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void createTotals(QGridLayout* grid);
    void createChart(QVBoxLayout* column);
    void createTable(QVBoxLayout* column);
    void showTotals(const PeriodTotals& totals);
    void showBars(const std::vector<ChartBar>& bars);
    void fitFigureColumns();
    ChartSpan span() const;

    HistoryKeeper& m_history;
    FileSystem& m_files;
    Prompt& m_prompt;
    ChooseFile m_chooseFile;
    std::array<QLabel*, 5> m_earned{};
    std::array<QLabel*, 5> m_times{};
    QComboBox* m_span = nullptr;
    HistoryChart* m_chart = nullptr;
    QCheckBox* m_showEmpty = nullptr;
    QTableWidget* m_table = nullptr;
};
