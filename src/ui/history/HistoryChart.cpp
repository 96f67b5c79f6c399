#include "ui/history/HistoryChart.h"

#include "engine/Formats.h"

#include <QDate>
#include <QHelpEvent>
#include <QLocale>
#include <QPainter>
#include <QToolTip>

#include <algorithm>

namespace {
constexpr int Margin = 6;
constexpr double Gap = 0.25; // of a bar's slot

QDate toQDate(Date date)
{
    return QDate(date.year(), date.month(), date.day());
}

double units(const ChartBar& bar)
{
    return static_cast<double>(bar.total.earned.units);
}

double tallestOf(const std::vector<ChartBar>& bars)
{
    double tallest = 0;
    for (const ChartBar& bar : bars)
        tallest = std::max(tallest, units(bar));
    return tallest;
}

// Whether `now` differs from `before` in the last bar alone, under the same tallest:
// today's bar growing while the meter runs.
bool onlyLastGrew(const std::vector<ChartBar>& before, const std::vector<ChartBar>& now)
{
    return !now.empty() && before.size() == now.size() && std::equal(now.begin(), now.end() - 1, before.begin()) &&
           now.back().first == before.back().first && tallestOf(before) == tallestOf(now);
}

// Some locales (C among them) give numbers for the narrow names: the short
// name's first letter says more.
QString weekdayInitial(const QLocale& locale, Weekday day)
{
    const QString narrow = locale.dayName(static_cast<int>(day), QLocale::NarrowFormat);
    if (!narrow.isEmpty() && !narrow.front().isDigit())
        return narrow;
    return locale.dayName(static_cast<int>(day), QLocale::ShortFormat).left(1);
}

QString shortDate(Date date)
{
    return QLocale().toString(toQDate(date), QLocale::ShortFormat);
}
} // namespace

HistoryChart::HistoryChart(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("chtEarnings"));
    setAccessibleName(tr("Earnings chart"));
    setAccessibleDescription(tr("The same figures are listed in the table below."));
    setMinimumHeight(140);
}

QSize HistoryChart::sizeHint() const
{
    return {420, 180};
}

void HistoryChart::setBars(std::vector<ChartBar> bars, ChartSpan span)
{
    if (bars == m_bars && span == m_span)
        return;
    if (span == m_span && onlyLastGrew(m_bars, bars)) {
        // Only today's bar is drawn again, where it stood and where it stands.
        const QRectF before = barRect(m_bars.size() - 1, tallestOf(m_bars));
        m_bars = std::move(bars);
        update(before.united(barRect(m_bars.size() - 1, tallestOf(m_bars))).toAlignedRect().adjusted(-1, -1, 1, 1));
        return;
    }
    m_bars = std::move(bars);
    m_span = span;
    update();
}

QString HistoryChart::money(Currency amount) const
{
    return QString::fromStdString(m_money->amount(amount));
}

void HistoryChart::setMoney(const MoneyFormat& money)
{
    m_money = &money;
    update();
}

QString HistoryChart::periodName(const ChartBar& bar) const
{
    const QLocale locale;
    switch (m_span) {
    case ChartSpan::Days:
        return locale.dayName(static_cast<int>(bar.first.weekday()), QLocale::ShortFormat) + QLatin1Char(' ') +
               shortDate(bar.first);
    case ChartSpan::Weeks:
        return shortDate(bar.first) + QStringLiteral(" – ") + shortDate(bar.last);
    case ChartSpan::Months:
        break;
    }
    return locale.toString(toQDate(bar.first), QStringLiteral("MMMM yyyy"));
}

QString HistoryChart::describe(const ChartBar& bar) const
{
    return tr("%1: %2, %3", "a bar's period, earnings and time")
        .arg(periodName(bar), money(bar.total.earned), QString::fromStdString(hoursText(bar.total.seconds)));
}

QString HistoryChart::barLabel(const ChartBar& bar) const
{
    const QLocale locale;
    switch (m_span) {
    case ChartSpan::Days:
        return weekdayInitial(locale, bar.first.weekday());
    case ChartSpan::Weeks:
        // The week's Thursday decides its ISO number, whichever day the locale starts it on.
        return QString::number(toQDate(bar.first.addDays(3)).weekNumber());
    case ChartSpan::Months:
        break;
    }
    return locale.monthName(bar.first.month(), QLocale::ShortFormat);
}

QString HistoryChart::edgeLabel(const ChartBar& bar) const
{
    if (m_span == ChartSpan::Months)
        return QLocale().toString(toQDate(bar.first), QStringLiteral("MMM yyyy"));
    if (m_span == ChartSpan::Weeks)
        return shortDate(bar.first) + QStringLiteral(" – ") + shortDate(bar.last);
    return shortDate(bar.first);
}

// Where the bars stand: below a line for the tallest amount, above two for the
// bars' labels and the dates.
QRectF HistoryChart::plotArea() const
{
    const int line = fontMetrics().height();
    return QRectF(rect()).adjusted(Margin, Margin + line, -Margin, -Margin - 2 * line);
}

QRectF HistoryChart::barRect(std::size_t index, double tallest) const
{
    const QRectF area = plotArea();
    const double slot = area.width() / static_cast<double>(std::max<std::size_t>(m_bars.size(), 1));
    const double share = tallest > 0 ? std::max(units(m_bars[index]), 0.0) / tallest : 0.0;
    const double height = std::max(share * area.height(), 1.0);
    return {area.left() + slot * static_cast<double>(index) + slot * Gap / 2, area.bottom() - height, slot * (1 - Gap),
            height};
}

void HistoryChart::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().base());
    const double tallest = tallestOf(m_bars);
    for (std::size_t i = 0; i < m_bars.size(); ++i) {
        const bool today = i + 1 == m_bars.size();
        painter.fillRect(barRect(i, tallest), today ? palette().link() : palette().highlight());
    }
    paintScale(painter, tallest);
}

// The tallest bar's amount above the bars; each bar's label and the first and the last dates below them.
void HistoryChart::paintScale(QPainter& painter, double tallest)
{
    if (m_bars.empty())
        return;
    const QRectF area = plotArea();
    const double line = fontMetrics().height();
    painter.setPen(palette().color(QPalette::Text));
    painter.drawLine(area.bottomLeft(), area.bottomRight());
    painter.drawText(QRectF(area.left(), Margin, area.width(), area.top() - Margin), Qt::AlignLeft | Qt::AlignVCenter,
                     money(Currency::fromUnits(static_cast<std::int64_t>(tallest))));
    paintBarLabels(painter);
    const QRectF dates(area.left(), area.bottom() + line, area.width(), line);
    painter.drawText(dates, Qt::AlignLeft | Qt::AlignVCenter, edgeLabel(m_bars.front()));
    painter.drawText(dates, Qt::AlignRight | Qt::AlignVCenter, edgeLabel(m_bars.back()));
}

void HistoryChart::paintBarLabels(QPainter& painter)
{
    const QRectF area = plotArea();
    const double slot = area.width() / static_cast<double>(m_bars.size());
    const double line = fontMetrics().height();
    for (std::size_t i = 0; i < m_bars.size(); ++i) {
        const QRectF box(area.left() + slot * static_cast<double>(i), area.bottom(), slot, line);
        painter.drawText(box, Qt::AlignCenter, barLabel(m_bars[i]));
    }
}

int HistoryChart::barAt(const QPoint& point) const
{
    const double slot = (width() - 2.0 * Margin) / static_cast<double>(std::max<std::size_t>(m_bars.size(), 1));
    const int index = static_cast<int>((point.x() - Margin) / slot);
    return index >= 0 && index < static_cast<int>(m_bars.size()) ? index : -1;
}

bool HistoryChart::event(QEvent* event)
{
    if (event->type() != QEvent::ToolTip)
        return QWidget::event(event);
    const auto* help = static_cast<QHelpEvent*>(event);
    const int index = barAt(help->pos());
    if (index < 0)
        QToolTip::hideText();
    else
        QToolTip::showText(help->globalPos(), describe(m_bars[static_cast<std::size_t>(index)]), this);
    return true;
}
