#pragma once
// The text log of a run, "BatteryLog.txt": a header describing every battery as it was at
// Start, a line of column titles, then one row per sample. Tab-separated, CR LF line breaks,
// narrow text (UTF-8 on Linux, the ANSI code page on Windows). Every line of the header ends in a blank before its CR LF; the titles have no
// line break at their end and each row starts with its own, so the file never ends in one.
#include "battery/BatteryRecord.h"
#include "monitor/SampleTexts.h"
#include "platform/PowerStatus.h"

#include <QFile>
#include <QString>

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
std::vector<std::string> LogBatteryPieces(int number, const BatteryRecord& record);

// The 112 characters of column titles, no line break at the end.
extern const char* const kLogColumnTitles;

// The records of a run: every battery of ctrl's list (GetBatteryCount asked before every pass)
// freshly read by GetBatteryRecord. Read once at Start, whether or not the log can be written:
// the log's header describes them and Save data stores them.
std::vector<BatteryRecord> ReadBatteryRecords(const CBatteryCtrl& ctrl);

// The header: the count, the description of every record, then the column titles.
std::string LogHeaderText(const std::vector<BatteryRecord>& records);

// One row, as the file's narrow bytes: line break, date as dd:mm:yyyy, time, then the cells Life left, Total capacity,
// Current capacity, Charge, Volt, Time remaining and Total time, each cell after two tabs
// (one before Life left) and short cells followed by one more tab so columns stay aligned.
std::string BuildLogRow(const std::tm& localTime, const SystemPowerStatus& status,
                        const BatteryTotals& totals);
// The same row from the sample's panel texts, made once for the panel and the row.
std::string BuildLogRow(const std::tm& localTime, const SystemPowerStatus& status,
                        const BatteryTotals& totals, const PanelTexts& texts);

// The log file of one run: created at Start, one row per sample, closed at Stop. The header
// and every row are written whole or not at all: when a write fails (a full disk) the file is
// cut back to its last whole row. A failure, and a file that has been deleted or has lost its
// folder since it was created, closes the log for the rest of the run (nothing is ever written
// into a deleted file) and is reported by a Failed result, once; the run goes on without it.
class BatteryLog {
public:
    enum class Result {
        Written,
        NoLog,  // no log is open: never created, closed, or failed earlier
        Failed, // the log failed here and is closed now; FailureMessage() says why
    };

    BatteryLog() = default;
    BatteryLog(const BatteryLog&) = delete;
    BatteryLog& operator=(const BatteryLog&) = delete;
    ~BatteryLog();

    // Creates or empties `path` and writes the header describing `records`. NoLog when the file
    // cannot be created (a folder that cannot be written: a run without a log, told to nobody).
    Result Open(const QString& path, const std::vector<BatteryRecord>& records);
    // Appends one row.
    Result WriteRow(const std::string& row);
    void Close();
    bool IsOpen() const { return m_file.isOpen(); }

    // For the user after a Failed result: the file, the system's reason, and that the run goes on.
    QString FailureMessage() const;
    // The system's reason for the last NoLog of Open or the last Failed result.
    const QString& Reason() const { return m_reason; }

private:
    Result Write(const std::string& bytes);

    QFile m_file;
    QString m_shownPath;
    QString m_reason;
    qint64 m_whole = 0;   // bytes of whole pieces in the file
    bool m_named = false; // had a name when opened (a file system may not count names at all)
};

} // namespace ampora
