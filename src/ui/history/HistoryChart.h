#pragma once

#include "engine/HistoryFigures.h"
#include "engine/Money.h"

#include <QWidget>

#include <vector>

class QPainter;

// Earnings as bars, oldest on the left, the bar holding today marked, each bar
// labelled (its weekday's initial, its ISO week or its month) and the dates of
// the first and the last bar named below. Drawn with the palette's own
// colours, so it reads in light and dark themes; each bar's figures show as its
// tooltip. The window beside it lists the same figures in a table for screen
// readers.
class HistoryChart final : public QWidget
{
    Q_OBJECT

public:
    explicit HistoryChart(QWidget* parent = nullptr);

    void setBars(std::vector<ChartBar> bars, ChartSpan span);
    const std::vector<ChartBar>& bars() const { return m_bars; }
    // The days a bar stands for, as the table names them: "Mon 3/2/26", a week's
    // first and last day, "March 2026".
    QString periodName(const ChartBar& bar) const;
    // The text a bar's tooltip shows: its days, the money and the time.
    QString describe(const ChartBar& bar) const;
    // The short label under a bar: "M", "10", "Mar".
    QString barLabel(const ChartBar& bar) const;
    // The dates named under the first and the last bar.
    QString edgeLabel(const ChartBar& bar) const;
    // Money as the working windows show it: "$1234.50", or in the chosen currency.
    QString money(Currency amount) const;
    void setMoney(const MoneyFormat& money);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;

private:
    QRectF plotArea() const;
    QRectF barRect(std::size_t index, double tallest) const;
    void paintScale(QPainter& painter, double tallest);
    void paintBarLabels(QPainter& painter);
    int barAt(const QPoint& point) const;

    std::vector<ChartBar> m_bars;
    ChartSpan m_span = ChartSpan::Days;
    const MoneyFormat* m_money = &dollarMoney();
};
