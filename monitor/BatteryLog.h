#pragma once
// The text log of a run, "BatteryLog.txt": a header describing every battery as it was at
// Start, a line of column titles, then one row per sample. Tab-separated, CR LF line breaks,
// narrow text (UTF-8 on Linux, the ANSI code page on Windows). Every line of the header ends in a blank before its CR LF; the titles have no
// line break at their end and each row starts with its own, so the file never ends in one.
#include "battery/BatteryRecord.h"
#include "monitor/SampleTexts.h"
#include "platform/PowerStatus.h"

#include <cstdio>
#include <ctime>
#include <string>
#include <vector>

namespace ampora {

class CBatteryCtrl;

inline constexpr const char* kLogFileName = "BatteryLog.txt";

// "Nr. battery detected: <count> \r\n \r\n".
std::string LogCountText(int batteryCount);

// The description of battery `number` (0-based; shown as number + 1): its title with the
// 33-hyphen rule, then ten lines from the record. Empty texts are written as "?".
// One piece per line, each written with its own fwrite.
std::vector<std::string> LogBatteryPieces(int number, const BatteryRecord& record);

// The 112 characters of column titles, no line break at the end.
extern const char* const kLogColumnTitles;

// Writes the header: the count, then for i from 0 while i < ctrl.GetBatteryCount() (asked
// before every pass) the description of a record freshly read by GetBatteryRecord, which is
// appended to *records (when records is not null); then the titles, and flushes. A null
// stream writes and reads nothing.
void WriteLogHeader(FILE* file, const CBatteryCtrl& ctrl, std::vector<BatteryRecord>* records);

// One row: line break, date as dd:mm:yyyy, time, then the cells Life left, Total capacity,
// Current capacity, Charge, Volt, Time remaining and Total time, each cell after two tabs
// (one before Life left) and short cells followed by one more tab so columns stay aligned.
std::string BuildLogRow(const std::tm& localTime, const SystemPowerStatus& status,
                        const BatteryTotals& totals);
// The same row from the sample's panel texts, made once for the panel and the row.
std::string BuildLogRow(const std::tm& localTime, const SystemPowerStatus& status,
                        const BatteryTotals& totals, const PanelTexts& texts);

// Writes one row with a single fwrite and flushes at once, so a crash loses at most the row
// being written. A null stream is ignored.
void WriteLogRow(FILE* file, const std::string& row);

} // namespace ampora
