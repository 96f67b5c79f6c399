#include "storage/HistoryReport.h"

#include "storage/HistoryCsv.h"
#include "storage/HistoryStore.h"

namespace {

std::variant<std::optional<Date>, std::string> dateOf(const char* option, const std::optional<std::string>& text)
{
    if (!text)
        return std::optional<Date>();
    if (const std::optional<Date> date = Date::parse(*text))
        return date;
    return std::string(option) + " wants a date as YYYY-MM-DD, not \"" + *text + "\"";
}

} // namespace

std::variant<HistoryRange, std::string> historyRange(const std::optional<std::string>& from,
                                                     const std::optional<std::string>& to)
{
    const auto first = dateOf("--from", from);
    const auto last = dateOf("--to", to);
    for (const auto* date : {&first, &last})
        if (const auto* wrong = std::get_if<std::string>(date))
            return *wrong;
    HistoryRange range{std::get<std::optional<Date>>(first), std::get<std::optional<Date>>(last)};
    if (range.from && range.to && *range.from > *range.to)
        return "--from " + range.from->text() + " comes after --to " + range.to->text();
    return range;
}

int printHistory(const std::string& historyPath, const HistoryRange& range, const Clock& clock, std::ostream& out,
                 std::ostream& err)
{
    const HistoryOpenResult opened = HistoryStore::open(historyPath, HistoryStore::Mode::ReadOnly, clock);
    if (opened.outcome.status == HistoryOutcome::Status::Missing) {
        out << historyCsv({});
        return 0;
    }
    if (!opened.store) {
        err << "earnmeter: " << opened.outcome.reason << "\n";
        return 1;
    }
    HistoryStore& store = *opened.store;
    const HistoryRead<std::string> csv =
        historyExport([&store](Date from, Date to) { return store.dayTotals(from, to); }, range);
    if (!csv.outcome.ok()) {
        err << "earnmeter: " << csv.outcome.reason << "\n";
        return 1;
    }
    out << csv.value;
    return 0;
}
