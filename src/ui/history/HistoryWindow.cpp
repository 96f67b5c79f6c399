#include "ui/history/HistoryWindow.h"

#include "engine/Prompt.h"
#include "storage/HistoryKeeper.h"
#include "storage/FileSystem.h"
#include "storage/HistoryCsv.h"
#include "ui/history/HistoryChart.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

constexpr std::array<const char*, 5> PeriodNames = {"Today", "This week", "This month", "This year", "All time"};
constexpr std::array<const char*, 5> PeriodObjects = {"lblToday", "lblWeek", "lblMonth", "lblYear", "lblAllTime"};

QString money(Currency amount)
{
    return QLocale().toCurrencyString(CurrencyAsDouble(amount));
}

QString figures(const HistoryTotal& total)
{
    return money(total.earned) + QStringLiteral("   ") + QString::fromStdString(hoursText(total.seconds));
}

Weekday firstDayOfWeek()
{
    return static_cast<Weekday>(QLocale().firstDayOfWeek());
}

} // namespace

HistoryWindow::HistoryWindow(HistoryKeeper& history, FileSystem& files, Prompt& prompt, ChooseFile chooseFile,
                             QWidget* parent)
    : QWidget(parent, Qt::Window), m_history(history), m_files(files), m_prompt(prompt),
      m_chooseFile(std::move(chooseFile))
{
    setObjectName(QStringLiteral("frmHistory"));
    setWindowTitle(QStringLiteral("Earnmeter History"));
    auto* column = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    createTotals(grid);
    column->addLayout(grid);
    createChart(column);
    auto* exporter = new QPushButton(QStringLiteral("Export &CSV..."), this);
    exporter->setObjectName(QStringLiteral("cmdExport"));
    column->addWidget(exporter, 0, Qt::AlignRight);
    connect(exporter, &QPushButton::clicked, this, &HistoryWindow::exportCsv);
    m_history.changed.subscribe([this] {
        if (isVisible())
            refresh();
    });
}

void HistoryWindow::createTotals(QGridLayout* grid)
{
    for (std::size_t row = 0; row < PeriodNames.size(); ++row) {
        auto* name = new QLabel(QString::fromLatin1(PeriodNames[row]), this);
        m_totals[row] = new QLabel(this);
        m_totals[row]->setObjectName(QString::fromLatin1(PeriodObjects[row]));
        m_totals[row]->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        name->setBuddy(m_totals[row]);
        grid->addWidget(name, static_cast<int>(row), 0);
        grid->addWidget(m_totals[row], static_cast<int>(row), 1, Qt::AlignRight);
    }
}

void HistoryWindow::createChart(QVBoxLayout* column)
{
    m_span = new QComboBox(this);
    m_span->setObjectName(QStringLiteral("cboSpan"));
    m_span->addItems(
        {QStringLiteral("Last 30 days"), QStringLiteral("Last 12 weeks"), QStringLiteral("Last 12 months")});
    m_span->setAccessibleName(QStringLiteral("Chart span"));
    connect(m_span, &QComboBox::currentIndexChanged, this, &HistoryWindow::refresh);
    m_chart = new HistoryChart(this);
    m_table = new QTableWidget(0, 2, this);
    m_table->setObjectName(QStringLiteral("tblFigures"));
    m_table->setAccessibleName(QStringLiteral("Earnings per period"));
    m_table->setHorizontalHeaderLabels({QStringLiteral("Period"), QStringLiteral("Earned and time")});
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->verticalHeader()->hide();
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setMaximumHeight(140);
    column->addWidget(m_span);
    column->addWidget(m_chart, 1);
    column->addWidget(m_table);
}

ChartSpan HistoryWindow::span() const
{
    return static_cast<ChartSpan>(std::max(m_span->currentIndex(), 0));
}

void HistoryWindow::showEvent(QShowEvent* event)
{
    refresh();
    QWidget::showEvent(event);
}

void HistoryWindow::refresh()
{
    const Date today = m_history.today();
    const std::vector<DayTotal> days = m_history.dayTotals(Date::first(), today);
    showTotals(periodTotals(days, today, firstDayOfWeek()));
    showBars(chartBars(days, today, firstDayOfWeek(), span()));
}

void HistoryWindow::showTotals(const PeriodTotals& totals)
{
    const std::array<const HistoryTotal*, 5> all = {&totals.today, &totals.week, &totals.month, &totals.year,
                                                    &totals.all};
    for (std::size_t row = 0; row < all.size(); ++row) {
        m_totals[row]->setText(figures(*all[row]));
        m_totals[row]->setAccessibleName(QString::fromLatin1(PeriodNames[row]) + QStringLiteral(": ") +
                                         m_totals[row]->text());
    }
}

void HistoryWindow::showBars(const std::vector<ChartBar>& bars)
{
    m_chart->setBars(bars, span());
    m_table->setRowCount(static_cast<int>(bars.size()));
    for (std::size_t i = 0; i < bars.size(); ++i) {
        const QString text = m_chart->describe(bars[i]);
        const auto colon = text.indexOf(QStringLiteral(": "));
        m_table->setItem(static_cast<int>(i), 0, new QTableWidgetItem(text.left(colon)));
        m_table->setItem(static_cast<int>(i), 1, new QTableWidgetItem(text.mid(colon + 2)));
    }
}

void HistoryWindow::exportCsv()
{
    const std::optional<std::string> path = m_chooseFile(this);
    if (!path)
        return;
    const std::string csv = historyCsv(m_history.dayTotals(Date::first(), Date::last()));
    if (const WriteResult written = m_files.writeFile(*path, csv); !written.ok)
        m_prompt.ask({written.reason + " for " + *path, "Earnmeter", Message::Buttons::Ok, Message::Icon::Exclamation});
}
