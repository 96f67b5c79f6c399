#include "ui/common/CurrencyCaptions.h"

#include <QVariant>
#include <QWidget>

void CurrencyCaptions::add(QWidget* caption)
{
    m_written.emplace_back(caption, caption->property("text").toString());
}

void CurrencyCaptions::showWith(const QString& symbol, const std::function<void(QWidget*, const QString&)>& show) const
{
    for (const auto& [caption, written] : m_written)
        show(caption, QString(written).replace(QLatin1Char('$'), symbol));
}
