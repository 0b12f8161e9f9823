#include "monitor/BatteryLog.h"

#include "battery/CBatteryCtrl.h"
#include "monitor/SampleTexts.h"
#include "monitor/TextFormat.h"

namespace ampora {
namespace {

const char* OrQuestionMark(const std::string& text)
{
    return text.empty() ? "?" : text.c_str();
}

void WritePiece(FILE* file, const std::string& piece)
{
    std::fwrite(piece.data(), 1, piece.size(), file);
}

// Two tabs and the cell; one more tab when the cell is short, to keep the column.
void AppendCell(std::string* row, const std::string& cell, bool shortCell)
{
    *row += "\t\t";
    *row += cell;
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

void WriteLogHeader(FILE* file, const CBatteryCtrl& ctrl, std::vector<BatteryRecord>* records)
{
    if (!file)
        return;
    WritePiece(file, LogCountText(ctrl.GetBatteryCount()));
    for (int i = 0; i < ctrl.GetBatteryCount(); ++i) {
        BatteryRecord record;
        ctrl.GetBatteryRecord(&record, static_cast<unsigned>(i));
        for (const std::string& piece : LogBatteryPieces(i, record))
            WritePiece(file, piece);
        if (records)
            records->push_back(std::move(record));
    }
    WritePiece(file, kLogColumnTitles);
    std::fflush(file);
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
    row += texts.lifeLeft;
    row += '\t';
    AppendCell(&row, texts.totalCapacity, totals.fullChargedCapacity == kUnknownValue);
    AppendCell(&row, texts.currentCapacity, totals.remainingCapacity == kUnknownValue);
    AppendCell(&row, texts.charge, !RateIsShown(totals.rate, totals.fullChargedCapacity) || totals.rate == 0);
    AppendCell(&row, texts.volt, totals.voltage == kUnknownValue);
    AppendCell(&row, texts.timeRemaining, status.BatteryLifeTime == kUnknownLifeTime);
    AppendCell(&row, texts.totalTime, false);
    return row;
}

void WriteLogRow(FILE* file, const std::string& row)
{
    if (!file)
        return;
    WritePiece(file, row);
    std::fflush(file);
}

} // namespace ampora
