#pragma once
// The values ampora-cli writes as numbers: one JSON object per battery, power status, System
// info and sample. Keys carry their units (`design_capacity_mwh`, `rate_mw`); a value that is
// unknown is null. The same names serve `info --json`, `info --prometheus` and `export`.
#include "battery/BatteryRecord.h"
#include "monitor/Sample.h"
#include "platform/PowerInformation.h"
#include "platform/PowerStatus.h"

#include <QJsonObject>
#include <QStringList>

#include <optional>
#include <vector>

namespace ampora {

// A battery as read now (`Live`), or as a battery-data file keeps it (`Stored`: the file holds
// no estimated time and no manufacture date, so both are null).
enum class RecordSource { Live, Stored };
QJsonObject BatteryJson(const BatteryRecord& record, RecordSource source);

// The system power status and the battery totals of one reading.
QJsonObject PowerStatusJson(const SystemPowerStatus& status, const BatteryTotals& totals);

// The three System info queries of `source` (null: all fail); a failed query's values are null.
QJsonObject SystemJson(PowerInformation* source);

// The power drawn from the batteries between two samples, in W: the fall of the remaining
// capacity over the seconds between them (negative while charging). Nothing when either
// capacity is unknown or no time passed between the two.
std::optional<double> PowerDrawnWatts(const Sample& before, const Sample& after);

// The columns of a sample, in order: every field of Sample in its unit (the tick as
// elapsed_seconds), then the power drawn since the sample before.
struct SampleColumn {
    QString name;
    int decimals; // in a CSV cell
};
std::vector<SampleColumn> SampleColumns();
// One sample as the values of SampleColumns(); `before` is the sample before it, if any.
QJsonObject SampleJson(const Sample& sample, const Sample* before);

} // namespace ampora
