#pragma once
// The texts of the Battery info and System info value fields, as pure functions of the
// values read. Words come from the string table; numbers use fixed formats.
#include "battery/BatteryRecord.h"
#include "platform/PowerInformation.h"

#include <QString>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace ampora {

// One value field: the control it goes to and its text.
struct FieldText {
    int controlId;
    QString text;
    bool operator==(const FieldText&) const = default;
};

// Battery info --------------------------------------------------------------------------

// Value fields of the Battery info dialog (template 182).
enum BatteryInfoField : int {
    IDC_BI_STATUS = 1057,
    IDC_BI_MANUFACTURER = 1058,
    IDC_BI_DEVICE_NAME = 1059,
    IDC_BI_SERIAL_NUMBER = 1060,
    IDC_BI_UNIQUE_ID = 1076,
    IDC_BI_TIME_REMAINING = 1077,
    IDC_BI_TEMPERATURE = 1078,
    IDC_BI_MANUFACTURE_DATE = 1079,
    IDC_BI_TYPE_OF_USE = 1080,
    IDC_BI_RECHARGEABLE = 1081,
    IDC_BI_CHEMISTRY = 1082,
    IDC_BI_DESIGN_CAPACITY = 1083,
    IDC_BI_FULL_CAPACITY = 1084,
    IDC_BI_CURRENT_CAPACITY = 1085,
    IDC_BI_ALERT_LEVELS = 1086,
    IDC_BI_CRITICAL_BIAS = 1087,
    IDC_BI_CHARGE_CYCLES = 1088,
    IDC_BI_VOLTAGE = 1089,
    IDC_BI_CHARGE_RATE = 1090,
};

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

// Value fields of the System info dialog (template 129).
enum SysInfoField : int {
    IDC_SI_FAN_TOLERANCE = 1052,
    IDC_SI_DISK_SPIN_DOWN = 1051,
    IDC_SI_VIDEO_DIM = 1049,
    IDC_SI_APM = 1050,
    IDC_SI_THERMAL = 1048,
    IDC_SI_MAX_THROTTLE = 1047,
    IDC_SI_MIN_THROTTLE = 1046,
    IDC_SI_THROTTLE = 1045,
    IDC_SI_UPS = 1044,
    IDC_SI_CURRENT_MHZ = 1043,
    IDC_SI_MAX_MHZ = 1042,
};

// Each function gives its own query's fields; an empty optional (the query failed) gives
// "N/A" in exactly those fields.
std::vector<FieldText> ProcessorFieldTexts(const std::optional<ProcessorPowerInformation>& info);
std::vector<FieldText> CapabilityFieldTexts(const std::optional<PowerCapabilities>& caps);
std::vector<FieldText> PolicyFieldTexts(const std::optional<uint8_t>& fanThrottleTolerance);

// Runs the three queries of `source` (null: all fail) and gives the eleven fields.
std::vector<FieldText> SysInfoFieldTexts(PowerInformation* source);

} // namespace ampora
