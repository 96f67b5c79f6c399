#include "ui/history/HistoryWindow.h"

#include "engine/Formats.h"
#include "engine/Prompt.h"
#include "storage/HistoryKeeper.h"
#include "ui/history/HistoryChart.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QFontMetrics>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QStandardPaths>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr std::array<const char*, 5> PeriodNames = {
    QT_TRANSLATE_NOOP("HistoryWindow", "Today"), QT_TRANSLATE_NOOP("HistoryWindow", "This week"),
    QT_TRANSLATE_NOOP("HistoryWindow", "This month"), QT_TRANSLATE_NOOP("HistoryWindow", "This year"),
    QT_TRANSLATE_NOOP("HistoryWindow", "All time")};
constexpr std::array<const char*, 5> PeriodObjects = {"lblToday", "lblWeek", "lblMonth", "lblYear", "lblAllTime"};

Weekday firstDayOfWeek()
{
    return static_cast<Weekday>(QLocale().firstDayOfWeek());
}

QLabel* figure(QWidget* parent, const QString& name)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    return label;
}

// A cell says `text`; one that says it already is left alone, since a window
// open while the meter runs is refreshed every second and mostly reads the same.
// Tells whether the cell's column may want another width: the figures' columns
// are fitted to their contents only then, not on every change of a digit.
bool showInCell(QTableWidget* table, int row, int column, const QString& text, Qt::Alignment alignment)
{
    if (QTableWidgetItem* item = table->item(row, column)) {
        if (item->text() == text)
            return false;
        const QFontMetrics metrics = table->fontMetrics();
        const bool refit = metrics.horizontalAdvance(item->text()) != metrics.horizontalAdvance(text);
        item->setText(text);
        return refit;
    }
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(alignment | Qt::AlignVCenter);
    table->setItem(row, column, item);
    return true;
}

void showText(QLabel* label, const QString& text)
{
    if (label->text() != text)
        label->setText(text);
}

bool isEmpty(const ChartBar& bar)
{
    return bar.total.seconds == 0 && bar.total.earned == Currency{};
}

} // namespace

HistoryWindow::HistoryWindow(HistoryKeeper& history, FileSystem& files, Prompt& prompt, ChooseFile chooseFile,
                             QWidget* parent)
    : QWidget(parent, Qt::Window), m_history(history), m_files(files), m_prompt(prompt),
      m_chooseFile(std::move(chooseFile))
{
    setObjectName(QStringLiteral("frmHistory"));
    setWindowTitle(tr("Earnmeter History"));
    auto* column = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    createTotals(grid);
    column->addLayout(grid);
    createChart(column);
    createTable(column);
    auto* exporter = new QPushButton(tr("Export &CSV..."), this);
    exporter->setObjectName(QStringLiteral("cmdExport"));
    column->addWidget(exporter, 0, Qt::AlignRight);
    connect(exporter, &QPushButton::clicked, this, &HistoryWindow::exportCsv);
    m_history.changed.subscribe([this] {
        if (isVisible())
            refresh();
    });
}

// Money and time in columns of their own, each right-aligned, so figures line up.
void HistoryWindow::createTotals(QGridLayout* grid)
{
    for (std::size_t row = 0; row < PeriodNames.size(); ++row) {
        auto* name = new QLabel(tr(PeriodNames[row]), this);
        const QString object = QString::fromLatin1(PeriodObjects[row]);
        m_earned[row] = figure(this, object);
        m_times[row] = figure(this, object + QStringLiteral("Time"));
        name->setBuddy(m_earned[row]);
        const int line = static_cast<int>(row);
        grid->addWidget(name, line, 0);
        grid->addWidget(m_earned[row], line, 1);
        grid->addWidget(m_times[row], line, 2);
    }
    grid->setColumnStretch(0, 1);
    grid->setHorizontalSpacing(18);
}

void HistoryWindow::createChart(QVBoxLayout* column)
{
    m_span = new QComboBox(this);
    m_span->setObjectName(QStringLiteral("cboSpan"));
    m_span->addItems({tr("Last 30 days"), tr("Last 12 weeks"), tr("Last 12 months")});
    m_span->setAccessibleName(tr("Chart span"));
    connect(m_span, &QComboBox::currentIndexChanged, this, &HistoryWindow::refresh);
    m_chart = new HistoryChart(this);
    column->addWidget(m_span);
    column->addWidget(m_chart, 1);
}

void HistoryWindow::createTable(QVBoxLayout* column)
{
    m_showEmpty = new QCheckBox(tr("&Show days without earnings"), this);
    m_showEmpty->setObjectName(QStringLiteral("chkShowEmpty"));
    connect(m_showEmpty, &QCheckBox::toggled, this, &HistoryWindow::refresh);
    m_table = new QTableWidget(0, 3, this);
    m_table->setObjectName(QStringLiteral("tblFigures"));
    m_table->setAccessibleName(tr("Earnings per period, newest first"));
    m_table->setHorizontalHeaderLabels({tr("Period"), tr("Earned"), tr("Time")});
    m_table->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_table->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Fixed);
    m_table->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Fixed);
    m_table->verticalHeader()->hide();
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setMaximumHeight(160);
    column->addWidget(m_showEmpty);
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

void HistoryWindow::setMoney(const MoneyFormat& money)
{
    m_chart->setMoney(money);
    if (isVisible())
        refresh();
}

void HistoryWindow::refresh()
{
    const Date today = m_history.today();
    const Weekday firstDay = firstDayOfWeek();
    // Only the days the chart and the periods show are read one by one, so a
    // window open while the meter runs costs the same with any length of history.
    const Date from = figuresStart(today, firstDay);
    const std::vector<DayTotal> days = m_history.dayTotals(from, today);
    PeriodTotals totals = periodTotals(days, today, firstDay);
    totals.all = totals.all + m_history.totalBefore(from);
    showTotals(totals);
    showBars(chartBars(days, today, firstDay, span()));
}

void HistoryWindow::showTotals(const PeriodTotals& totals)
{
    const std::array<const HistoryTotal*, 5> all = {&totals.today, &totals.week, &totals.month, &totals.year,
                                                    &totals.all};
    for (std::size_t row = 0; row < all.size(); ++row) {
        showText(m_earned[row], m_chart->money(all[row]->earned));
        showText(m_times[row], QString::fromStdString(hoursText(all[row]->seconds)));
        const QString spoken = tr("%1: %2 in %3", "a period, its earnings and time")
                                   .arg(tr(PeriodNames[row]), m_earned[row]->text(), m_times[row]->text());
        if (m_earned[row]->accessibleName() != spoken)
            m_earned[row]->setAccessibleName(spoken);
    }
}

// The newest period first; an empty one only when asked for.
void HistoryWindow::showBars(const std::vector<ChartBar>& bars)
{
    m_chart->setBars(bars, span());
    std::vector<const ChartBar*> rows;
    for (auto bar = bars.rbegin(); bar != bars.rend(); ++bar)
        if (m_showEmpty->isChecked() || !isEmpty(*bar))
            rows.push_back(&*bar);
    bool refit = m_table->rowCount() != static_cast<int>(rows.size());
    if (refit)
        m_table->setRowCount(static_cast<int>(rows.size()));
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const int row = static_cast<int>(i);
        showInCell(m_table, row, 0, m_chart->periodName(*rows[i]), Qt::AlignLeft);
        refit |= showInCell(m_table, row, 1, m_chart->money(rows[i]->total.earned), Qt::AlignRight);
        refit |= showInCell(m_table, row, 2, QString::fromStdString(hoursText(rows[i]->total.seconds)), Qt::AlignRight);
    }
    if (refit)
        fitFigureColumns();
}

void HistoryWindow::fitFigureColumns()
{
    m_table->resizeColumnToContents(1);
    m_table->resizeColumnToContents(2);
}

// Another font or style draws the figures at another width.
void HistoryWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        fitFigureColumns();
    QWidget::changeEvent(event);
}

std::string HistoryWindow::suggestedExportPath() const
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir(folder).exists())
        folder = QDir::homePath();
    const QString name =
        QStringLiteral("earnmeter-history-%1.csv").arg(QString::fromStdString(m_history.today().text()));
    return QDir(folder).filePath(name).toStdString();
}

void HistoryWindow::exportCsv()
{
    const std::optional<std::string> path = m_chooseFile(this, suggestedExportPath());
    if (!path)
        return;
    if (const WriteResult written = m_history.exportCsv(m_files, *path); !written.ok)
        m_prompt.ask({"The history was not exported: " + written.reason + ".", "Earnmeter", Message::Buttons::Ok,
                      Message::Icon::Exclamation});
    else
        m_prompt.ask({"The history was exported to " + *path + ".", "Earnmeter", Message::Buttons::Ok,
                      Message::Icon::Information});
}
