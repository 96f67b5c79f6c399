#include "storage/HistoryExport.h"

#include "storage/HistoryCsv.h"

HistoryRead<std::string> historyExport(const DayTotalsReader& read, const HistoryRange& range)
{
    const HistoryRead<std::vector<DayTotal>> days =
        read(range.from.value_or(Date::first()), range.to.value_or(Date::last()));
    if (!days.outcome.ok())
        return {{}, days.outcome};
    return {historyCsv(days.value), HistoryOutcome::fine()};
}

WriteResult exportHistoryTo(FileSystem& files, const std::string& path, const DayTotalsReader& read)
{
    const HistoryRead<std::string> csv = historyExport(read, {});
    if (!csv.outcome.ok())
        return WriteResult::failed(csv.outcome.reason);
    WriteResult written = files.writeFile(path, csv.value);
    if (!written.ok)
        written.reason += " for " + path;
    return written;
}
