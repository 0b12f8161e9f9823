#pragma once
// The texts of the Battery info and System info value fields, as pure functions of the
// values read. Words come from the string table; numbers use fixed formats.
#include "battery/BatteryRecord.h"
#include "platform/PowerInformation.h"
#include "ui/FieldText.h"

#include <QString>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace ampora {

// A value field with its label: the label control and the string it shows.
struct FieldLabel {
    int field;
    int labelControl;
    int labelString;
};

// Battery info --------------------------------------------------------------------------

// The name of battery `index` (0 is the first) in the battery selector: "Bat. 1".
QString BatterySelectorText(int index);
// An item of the main dialog's run-length combo box: "15 min" (a fixed literal, like the
// selector's items).
QString RunLengthItemText(int minutes);

// The nineteen value fields of Battery info with their labels, as the dialog shows them: the
// left column top to bottom, then the right one.
const std::vector<FieldLabel>& BatteryInfoLabels();

// The battery's health: full-charge over design capacity in percent, or nothing when either
// is unknown (the driver's -1, or 0 or below: no capacity to compare).
std::optional<double> HealthPercent(int32_t designedCapacity, int32_t fullChargedCapacity);
// HealthPercent with one decimal ("87.5 %"), or "N/A".
QString HealthText(int32_t designedCapacity, int32_t fullChargedCapacity);

// One space-terminated word per power-state bit (on line, discharging, charging, critical),
// empty when no bit is set; "Not present" when the full-charged capacity is 0.
QString PowerStateText(int32_t powerState, int32_t fullChargedCapacity);

// The estimated time as "hh:mm:ss" without whole days; "N/A" for -1, the driver's
// "cannot tell". Other negative values are read as unsigned seconds, as the driver sent them.
QString EstimatedTimeText(int32_t estimatedTime);

// "day:month:year", or "N/A" when any of the three is 0.
QString ManufactureDateText(int32_t day, int32_t month, int32_t year);

// "%d mW" when the rate is shown at all (RateIsShown of the panel texts), else "N/A".
QString ChargeRateText(int32_t rate, int32_t fullChargedCapacity);

// All nineteen value fields of the Battery info dialog for one record, in writing order.
std::vector<FieldText> BatteryInfoFieldTexts(const BatteryRecord& record);

// System info ---------------------------------------------------------------------------

// The eleven value fields of System info with their labels: the left column, then the right.
const std::vector<FieldLabel>& SysInfoLabels();

// Each function gives its own query's fields; an empty optional (the query failed) gives
// "N/A" in exactly those fields.
std::vector<FieldText> ProcessorFieldTexts(const std::optional<ProcessorPowerInformation>& info);
std::vector<FieldText> CapabilityFieldTexts(const std::optional<PowerCapabilities>& caps);
std::vector<FieldText> PolicyFieldTexts(const std::optional<uint8_t>& fanThrottleTolerance);

// Runs the three queries of `source` (null: all fail) and gives the eleven fields.
std::vector<FieldText> SysInfoFieldTexts(PowerInformation* source);

} // namespace ampora
