#pragma once

#include "engine/HistoryFigures.h"

#include <QWidget>

#include <array>
#include <functional>
#include <optional>
#include <string>

class FileSystem;
class HistoryChart;
class HistoryKeeper;
class Prompt;
class QComboBox;
class QLabel;
class QTableWidget;

// What the user earned: today, this week, this month, this year and in all,
// a chart of the last days, weeks or months with the same figures in a table,
// and the day totals exported for a spreadsheet. It follows a run as it counts.
class HistoryWindow final : public QWidget
{
    Q_OBJECT

public:
    // Asks where the CSV file goes; nothing when the user cancels.
    using ChooseFile = std::function<std::optional<std::string>(QWidget* parent)>;

    HistoryWindow(HistoryKeeper& history, FileSystem& files, Prompt& prompt, ChooseFile chooseFile,
                  QWidget* parent = nullptr);

    void refresh();
    void exportCsv();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void createTotals(class QGridLayout* grid);
    void createChart(class QVBoxLayout* column);
    void showTotals(const PeriodTotals& totals);
    void showBars(const std::vector<ChartBar>& bars);
    ChartSpan span() const;

    HistoryKeeper& m_history;
    FileSystem& m_files;
    Prompt& m_prompt;
    ChooseFile m_chooseFile;
    std::array<QLabel*, 5> m_totals{};
    QComboBox* m_span = nullptr;
    HistoryChart* m_chart = nullptr;
    QTableWidget* m_table = nullptr;
};
