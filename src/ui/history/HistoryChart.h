#pragma once

#include "engine/HistoryFigures.h"

#include <QWidget>

class QPainter;

#include <vector>

// Earnings as bars, oldest on the left, the bar holding today marked. Drawn
// with the palette's own colours, so it reads in light and dark themes; each
// bar's figures show as its tooltip. The window beside it lists the same
// figures in a table for screen readers.
class HistoryChart final : public QWidget
{
    Q_OBJECT

public:
    explicit HistoryChart(QWidget* parent = nullptr);

    void setBars(std::vector<ChartBar> bars, ChartSpan span);
    const std::vector<ChartBar>& bars() const { return m_bars; }
    // The text a bar's tooltip shows: its days, the time and the money.
    QString describe(const ChartBar& bar) const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;

private:
    QRectF plotArea() const;
    QRectF barRect(std::size_t index, double tallest) const;
    void paintScale(QPainter& painter, double tallest);
    int barAt(const QPoint& point) const;

    std::vector<ChartBar> m_bars;
    ChartSpan m_span = ChartSpan::Days;
};
