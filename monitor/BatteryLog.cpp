#include "monitor/BatteryLog.h"

#include "battery/CBatteryCtrl.h"
#include "monitor/SampleTexts.h"
#include "monitor/WholeWrite.h"
#include "platform/NarrowText.h"
#include "platform/OpenFiles.h"
#include "resources/ResourceIds.h"
#include "resources/StringTable.h"

#include <QDir>
#include <QFileInfo>

#include <QtGlobal>

#include <cerrno>
#include <cstdarg>
#include <cstdio>

namespace ampora {
namespace {

// printf into the file's narrow bytes, for the fixed formats of the header and the row.
std::string FormatText(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    va_list again;
    va_copy(again, args);
    const int length = std::vsnprintf(nullptr, 0, format, args);
    va_end(args);
    std::string text;
    if (length > 0) {
        text.resize(static_cast<std::size_t>(length));
        std::vsnprintf(text.data(), text.size() + 1, format, again);
    }
    va_end(again);
    return text;
}

const char* OrQuestionMark(const std::string& text)
{
    return text.empty() ? "?" : text.c_str();
}

// Two tabs and the cell; one more tab when the cell is short, to keep the column.
void AppendCell(std::string* row, const QString& cell, bool shortCell)
{
    *row += "\t\t";
    *row += ToNarrow(cell);
    if (shortCell)
        *row += '\t';
}

} // namespace

const char* const kLogColumnTitles =
    "\r\n \r\n Date\t\tTime\t\tCharge (%)\t\tTotal capacity\t\tCurrent capacity\tCharge capacity"
    "\t\tVolt\t\t\tRemainig time\t\tTotal time";

std::string LogCountText(int batteryCount)
{
    return FormatText("Nr. battery detected: %d \r\n \r\n", batteryCount);
}

std::vector<std::string> LogBatteryPieces(int number, const BatteryRecord& r)
{
    return {
        FormatText("Battery nr. %d description \r\n---------------------------------\r\n", number + 1),
        FormatText("Device name:\t\t%s \r\n", OrQuestionMark(r.deviceName)),
        FormatText("Uniq ID:\t\t%s \r\n", OrQuestionMark(r.uniqueId)),
        FormatText("Manufacture:\t\t%s \r\n", OrQuestionMark(r.manufacturer)),
        FormatText("Serial number:\t\t%s \r\n", OrQuestionMark(r.serialNumber)),
        FormatText("Chemistry:\t\t%s \r\n", OrQuestionMark(r.chemistry)),
        FormatText("Design capacity:\t%d \r\n", r.designedCapacity),
        FormatText("Total capacity:\t\t%d \r\n", r.fullChargedCapacity),
        FormatText("Voltage:\t\t%d \r\n", r.voltage),
        FormatText("Allert W/L:\t\t%d / %d \r\n", r.defaultAlert1, r.defaultAlert2),
        FormatText("Rechargeable :\t\t%s \r\n\r\n", r.technology != 0 ? "Yes" : "No"),
    };
}

std::vector<BatteryRecord> ReadBatteryRecords(const CBatteryCtrl& ctrl)
{
    std::vector<BatteryRecord> records;
    for (int i = 0; i < ctrl.GetBatteryCount(); ++i) {
        BatteryRecord record;
        ctrl.GetBatteryRecord(&record, static_cast<unsigned>(i));
        records.push_back(std::move(record));
    }
    return records;
}

std::string LogHeaderText(const std::vector<BatteryRecord>& records)
{
    std::string header = LogCountText(static_cast<int>(records.size()));
    for (std::size_t i = 0; i < records.size(); ++i) {
        for (const std::string& piece : LogBatteryPieces(static_cast<int>(i), records[i]))
            header += piece;
    }
    header += kLogColumnTitles;
    return header;
}

std::string BuildLogRow(const std::tm& t, const SystemPowerStatus& status, const BatteryTotals& totals)
{
    return BuildLogRow(t, status, totals, MakePanelTexts(status, totals));
}

std::string BuildLogRow(const std::tm& t, const SystemPowerStatus& status, const BatteryTotals& totals,
                        const PanelTexts& texts)
{
    std::string row = FormatText("\r\n %.2d:%.2d:%.2d", t.tm_mday, t.tm_mon + 1, t.tm_year + 1900);
    row += FormatText("\t%.2d:%.2d:%.2d", t.tm_hour, t.tm_min, t.tm_sec);
    row += '\t';
    row += ToNarrow(texts.lifeLeft);
    row += '\t';
    AppendCell(&row, texts.totalCapacity, totals.fullChargedCapacity == kUnknownValue);
    AppendCell(&row, texts.currentCapacity, totals.remainingCapacity == kUnknownValue);
    AppendCell(&row, texts.charge, !RateIsShown(totals.rate, totals.fullChargedCapacity) || totals.rate == 0);
    AppendCell(&row, texts.volt, totals.voltage == kUnknownValue);
    AppendCell(&row, texts.timeRemaining, status.BatteryLifeTime == kUnknownLifeTime);
    AppendCell(&row, texts.totalTime, false);
    return row;
}

BatteryLog::~BatteryLog()
{
    Close();
}

BatteryLog::Result BatteryLog::Open(const QString& path, const std::vector<BatteryRecord>& records)
{
    Close();
    m_file.setFileName(path);
    m_shownPath = QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
    m_reason.clear();
    m_whole = 0;
    // Unbuffered: each piece is handed to the system at once, and a failure shows at its write.
    // Read and write, as the C library's "w+": a FIFO in the log's place does not block the open.
    if (!m_file.open(QIODevice::ReadWrite | QIODevice::Truncate | QIODevice::Unbuffered)) {
        m_reason = m_file.errorString();
        return Result::NoLog;
    }
    m_named = FileStillNamed(m_file);
    return Write(LogHeaderText(records));
}

BatteryLog::Result BatteryLog::WriteRow(const std::string& row)
{
    if (!IsOpen())
        return Result::NoLog;
    return Write(row);
}

BatteryLog::Result BatteryLog::Write(const std::string& bytes)
{
    if (m_named && !FileStillNamed(m_file)) {
        // Rows written now would be lost at Stop with the deleted file.
        m_reason = qt_error_string(ENOENT); // Qt's own wording, as its other file errors
        m_file.close();
        return Result::Failed;
    }
    const auto size = static_cast<qint64>(bytes.size());
    if (!WriteWhole(m_file, bytes.data(), size)) {
        m_reason = m_file.errorString();
        m_file.resize(m_whole); // no row cut in the middle
        m_file.close();
        return Result::Failed;
    }
    m_whole += size;
    return Result::Written;
}

void BatteryLog::Close()
{
    if (m_file.isOpen())
        m_file.close();
}

QString BatteryLog::FailureMessage() const
{
    return LoadQString(IDS_LOG_FAILED).arg(m_shownPath, m_reason);
}

} // namespace ampora
