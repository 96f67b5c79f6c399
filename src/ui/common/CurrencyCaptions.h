#pragma once

#include <QString>

#include <functional>
#include <utility>
#include <vector>

class QWidget;

// Captions that name the currency, kept as written with "$" so that whichever
// symbol the user chooses can take its place, again and again.
class CurrencyCaptions
{
public:
    // A label's or a button's caption, as it reads now.
    void add(QWidget* caption);
    // Each caption as it reads with `symbol` for "$", handed to `show`, which
    // puts it in place (and may fit it to its box).
    void showWith(const QString& symbol, const std::function<void(QWidget*, const QString&)>& show) const;

private:
    std::vector<std::pair<QWidget*, QString>> m_written;
};
