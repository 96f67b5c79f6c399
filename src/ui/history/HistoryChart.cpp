#include "ui/history/HistoryChart.h"

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
} // namespace

HistoryChart::HistoryChart(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("chtEarnings"));
    setAccessibleName(QStringLiteral("Earnings chart"));
    setAccessibleDescription(QStringLiteral("The same figures are listed in the table below."));
    setMinimumHeight(120);
}

QSize HistoryChart::sizeHint() const
{
    return {420, 160};
}

void HistoryChart::setBars(std::vector<ChartBar> bars, ChartSpan span)
{
    m_bars = std::move(bars);
    m_span = span;
    update();
}

QString HistoryChart::describe(const ChartBar& bar) const
{
    const QLocale locale;
    QString days = locale.toString(toQDate(bar.first), QLocale::ShortFormat);
    if (m_span == ChartSpan::Months)
        days = locale.toString(toQDate(bar.first), QStringLiteral("MMMM yyyy"));
    else if (bar.first != bar.last)
        days += QStringLiteral(" – ") + locale.toString(toQDate(bar.last), QLocale::ShortFormat);
    return days + QStringLiteral(": ") + locale.toCurrencyString(CurrencyAsDouble(bar.total.earned)) +
           QStringLiteral(", ") + QString::fromStdString(hoursText(bar.total.seconds));
}

// Where the bars stand: below a line for the tallest amount, above one for the dates.
QRectF HistoryChart::plotArea() const
{
    const int line = fontMetrics().height();
    return QRectF(rect()).adjusted(Margin, Margin + line, -Margin, -Margin - line);
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
    double tallest = 0;
    for (const ChartBar& bar : m_bars)
        tallest = std::max(tallest, units(bar));
    for (std::size_t i = 0; i < m_bars.size(); ++i) {
        const bool today = i + 1 == m_bars.size();
        painter.fillRect(barRect(i, tallest), today ? palette().link() : palette().highlight());
    }
    paintScale(painter, tallest);
}

// The tallest bar's amount above the bars; the first and the last period below them.
void HistoryChart::paintScale(QPainter& painter, double tallest)
{
    if (m_bars.empty())
        return;
    const QRectF area = plotArea();
    const QLocale locale;
    painter.setPen(palette().color(QPalette::Text));
    painter.drawLine(area.bottomLeft(), area.bottomRight());
    painter.drawText(QRectF(area.left(), Margin, area.width(), area.top() - Margin), Qt::AlignLeft | Qt::AlignVCenter,
                     locale.toCurrencyString(tallest / static_cast<double>(Currency::UnitsPerDollar)));
    const QRectF below(area.left(), area.bottom(), area.width(), height() - area.bottom());
    painter.drawText(below, Qt::AlignLeft | Qt::AlignVCenter,
                     locale.toString(toQDate(m_bars.front().first), QLocale::ShortFormat));
    painter.drawText(below, Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("Today"));
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
