// The built-in dialog templates, in dialog units.
#include "resources/DialogTemplate.h"

#include "resources/ResourceIds.h"

namespace ampora {
namespace {

using K = ControlKind;

// About Ampora.
const DialogTemplate kAbout{IDD_ABOUT, 241, 58, "About Ampora", {
    {-1, K::Icon, 11, 17, 21, 20, ""},
    {IDC_ABOUT_VERSION, K::Label, 49, 14, 119, 8, "Ampora Version 1.0"},
    {IDC_ABOUT_COPYRIGHT, K::Label, 49, 28, 130, 20, "Copyright (C) 2026"},
    {IDC_OK, K::DefaultButton, 184, 7, 50, 14, "OK"},
}};

// Main dialog: a left column of controls and the graph band between the two hidden markers.
// The nine status rows stand 15 units apart from y 66.
constexpr int kRow0 = 66, kRowStep = 15;
constexpr int Row(int i) { return kRow0 + i * kRowStep; }

const DialogTemplate kMain{IDD_MAIN, 490, 295, "Voltic", {
    {IDC_START, K::DefaultButton, 16, 40, 50, 14, "Start"},
    {IDC_STOP, K::PushButton, 76, 40, 50, 14, "Stop"},
    {IDC_STATUS_GROUP, K::GroupBox, 10, 55, 120, 169, "Battery details"},
    {IDC_POWER_SOURCE_LABEL, K::Label, 16, Row(8) + 2, 58, 8, "Power source:"},
    {IDC_POWER_SOURCE, K::ReadOnlyEdit, 76, Row(8), 49, 12, ""},
    {IDC_BATTERY_STATUS_LABEL, K::Label, 16, Row(4) + 2, 58, 8, "Battery status:"},
    {IDC_BATTERY_STATUS, K::ReadOnlyEdit, 76, Row(4), 49, 12, ""},
    {IDC_LIFE_LEFT_LABEL, K::Label, 16, Row(7) + 2, 58, 8, "Life left:"},
    {IDC_LIFE_LEFT, K::ReadOnlyEdit, 76, Row(7), 49, 12, ""},
    {IDC_TIME_REMAINING_LABEL, K::Label, 16, Row(5) + 2, 58, 8, "Time remaining:"},
    {IDC_TIME_REMAINING, K::ReadOnlyEdit, 76, Row(5), 49, 12, ""},
    {IDC_TOTAL_TIME_LABEL, K::Label, 16, Row(6) + 2, 58, 8, "Total time:"},
    {IDC_TOTAL_TIME, K::ReadOnlyEdit, 76, Row(6), 49, 12, ""},
    {IDC_MONITOR_GROUP, K::GroupBox, 7, 3, 126, 221, "Monitor info"},
    {IDC_RATE_LABEL, K::Label, 12, 16, 63, 8, "Rate:"},
    {IDC_RATE, K::ComboList, 76, 14, 49, 12, ""},
    {IDC_VIEW_DATA, K::PushButton, 16, 204, 50, 14, "View data"},
    {IDC_SAVE_DATA, K::PushButton, 76, 204, 50, 14, "Save data"},
    {IDC_BATTERY_INFO, K::PushButton, 76, 234, 50, 14, "Battery info"},
    {IDC_ABOUT, K::PushButton, 76, 255, 50, 14, "About"},
    {IDC_SYSTEM_INFO, K::PushButton, 16, 255, 50, 14, "System info"},
    {IDC_HELP, K::PushButton, 16, 273, 50, 14, "Help"},
    {IDC_EXIT, K::PushButton, 76, 273, 50, 14, "Exit"},
    {IDC_GRAPH_LEFT, K::HiddenFrame, 133, 3, 1, 289, ""},
    {IDC_GRAPH_RIGHT, K::HiddenFrame, 485, 3, 1, 289, ""},
    {IDC_CHARGE_LABEL, K::Label, 16, Row(3) + 2, 58, 8, "Charge:"},
    {IDC_TOTAL_CAPACITY, K::ReadOnlyEdit, 76, Row(0), 49, 12, ""},
    {IDC_CURRENT_CAPACITY, K::ReadOnlyEdit, 76, Row(1), 49, 12, ""},
    {IDC_VOLT, K::ReadOnlyEdit, 76, Row(2), 49, 12, ""},
    {IDC_CHARGE, K::ReadOnlyEdit, 76, Row(3), 49, 12, ""},
    {IDC_BATTERY_GROUP, K::GroupBox, 7, 224, 126, 28, "Battery"},
    {IDC_TOTAL_CAPACITY_LABEL, K::Label, 16, Row(0) + 2, 58, 8, "Total capacity:"},
    {IDC_CURRENT_CAPACITY_LABEL, K::Label, 16, Row(1) + 2, 58, 8, "Current capacity:"},
    {IDC_VOLT_LABEL, K::Label, 16, Row(2) + 2, 58, 8, "Volt:"},
    {IDC_BATTERY_SELECTOR, K::ComboListImages, 16, 235, 56, 12, ""},
    {IDC_COMPARE, K::CheckBox, 16, 28, 110, 10, "Compare"},
}};

// System info: two columns of right-aligned labels, each followed by its value field.
constexpr int SysRow(int i) { return 7 + i * 14; }

const DialogTemplate kSysInfo{IDD_SYS_INFO, 320, 109, "System information", {
    {IDC_SI_MAX_MHZ_LABEL, K::LabelRight, 4, SysRow(0) + 2, 94, 8, "Processor max MHz:"},
    {IDC_SI_MAX_MHZ, K::Edit, 100, SysRow(0), 50, 12, ""},
    {IDC_SI_CURRENT_MHZ_LABEL, K::LabelRight, 4, SysRow(1) + 2, 94, 8, "Processor current MHz:"},
    {IDC_SI_CURRENT_MHZ, K::Edit, 100, SysRow(1), 50, 12, ""},
    {IDC_SI_UPS_LABEL, K::LabelRight, 4, SysRow(2) + 2, 94, 8, "UPS present:"},
    {IDC_SI_UPS, K::Edit, 100, SysRow(2), 50, 12, ""},
    {IDC_SI_THROTTLE_LABEL, K::LabelRight, 4, SysRow(3) + 2, 94, 8, "Throttling:"},
    {IDC_SI_THROTTLE, K::Edit, 100, SysRow(3), 50, 12, ""},
    {IDC_SI_MIN_THROTTLE_LABEL, K::LabelRight, 4, SysRow(4) + 2, 94, 8, "Min throttle:"},
    {IDC_SI_MIN_THROTTLE, K::Edit, 100, SysRow(4), 50, 12, ""},
    {IDC_SI_MAX_THROTTLE_LABEL, K::LabelRight, 4, SysRow(5) + 2, 94, 8, "Max throttle:"},
    {IDC_SI_MAX_THROTTLE, K::Edit, 100, SysRow(5), 50, 12, ""},
    {IDC_SI_THERMAL_LABEL, K::LabelRight, 156, SysRow(0) + 2, 104, 8, "Thermal zone:"},
    {IDC_SI_THERMAL, K::Edit, 263, SysRow(0), 50, 12, ""},
    {IDC_SI_VIDEO_DIM_LABEL, K::LabelRight, 156, SysRow(1) + 2, 104, 8, "Video dim:"},
    {IDC_SI_VIDEO_DIM, K::Edit, 263, SysRow(1), 50, 12, ""},
    {IDC_SI_APM_LABEL, K::LabelRight, 156, SysRow(2) + 2, 104, 8, "APM:"},
    {IDC_SI_APM, K::Edit, 263, SysRow(2), 50, 12, ""},
    {IDC_SI_DISK_SPIN_DOWN_LABEL, K::LabelRight, 156, SysRow(3) + 2, 104, 8, "Disk spin-down:"},
    {IDC_SI_DISK_SPIN_DOWN, K::Edit, 263, SysRow(3), 50, 12, ""},
    {IDC_SI_FAN_TOLERANCE_LABEL, K::LabelRight, 156, SysRow(4) + 2, 104, 8, "Fan tolerance:"},
    {IDC_SI_FAN_TOLERANCE, K::Edit, 263, SysRow(4), 50, 12, ""},
    {IDC_OK, K::DefaultButton, 208, 90, 50, 14, "OK"},
    {IDC_SI_HELP, K::PushButton, 263, 90, 50, 14, "Help"},
}};

// Battery info: identity and design fields on the left ("Property" nested in "Name"),
// the current status on the right, 13 units a row.
constexpr int LRow(int i) { return i < 2 ? 14 + i * 13 : 51 + (i - 2) * 13; }
constexpr int RRow(int i) { return 14 + i * 13; }

const DialogTemplate kBatteryInfo{IDD_BATTERY_INFO, 359, 180, "Battery info", {
    {IDC_BI_NAME_GROUP, K::GroupBox, 7, 3, 172, 166, "Name"},
    {IDC_BI_PROPERTY_GROUP, K::GroupBox, 10, 40, 166, 124, "Properties"},
    {IDC_BI_STATE_GROUP, K::GroupBox, 184, 3, 168, 137, "Current state"},
    {IDC_BI_MANUFACTURER_LABEL, K::Label, 14, LRow(0) + 2, 70, 8, "Manufacturer:"},
    {IDC_BI_MANUFACTURER, K::ReadOnlyEdit, 86, LRow(0), 88, 12, ""},
    {IDC_BI_DEVICE_NAME_LABEL, K::Label, 14, LRow(1) + 2, 70, 8, "Device name:"},
    {IDC_BI_DEVICE_NAME, K::ReadOnlyEdit, 86, LRow(1), 88, 12, ""},
    {IDC_BI_SERIAL_NUMBER_LABEL, K::Label, 14, LRow(2) + 2, 70, 8, "Serial number:"},
    {IDC_BI_SERIAL_NUMBER, K::ReadOnlyEdit, 86, LRow(2), 88, 12, ""},
    {IDC_BI_UNIQUE_ID_LABEL, K::Label, 14, LRow(3) + 2, 70, 8, "Unique id:"},
    {IDC_BI_UNIQUE_ID, K::ReadOnlyEdit, 86, LRow(3), 88, 12, ""},
    {IDC_BI_MANUFACTURE_DATE_LABEL, K::Label, 14, LRow(4) + 2, 70, 8, "Manufactured:"},
    {IDC_BI_MANUFACTURE_DATE, K::ReadOnlyEdit, 86, LRow(4), 88, 12, ""},
    {IDC_BI_TYPE_OF_USE_LABEL, K::Label, 14, LRow(5) + 2, 70, 8, "Use:"},
    {IDC_BI_TYPE_OF_USE, K::ReadOnlyEdit, 86, LRow(5), 88, 12, ""},
    {IDC_BI_RECHARGEABLE_LABEL, K::Label, 14, LRow(6) + 2, 70, 8, "Rechargeable:"},
    {IDC_BI_RECHARGEABLE, K::ReadOnlyEdit, 86, LRow(6), 88, 12, ""},
    {IDC_BI_CHEMISTRY_LABEL, K::Label, 14, LRow(7) + 2, 70, 8, "Chemistry:"},
    {IDC_BI_CHEMISTRY, K::ReadOnlyEdit, 86, LRow(7), 88, 12, ""},
    {IDC_BI_DESIGN_CAPACITY_LABEL, K::Label, 14, LRow(8) + 2, 70, 8, "Design capacity:"},
    {IDC_BI_DESIGN_CAPACITY, K::ReadOnlyEdit, 86, LRow(8), 88, 12, ""},
    {IDC_BI_FULL_CAPACITY_LABEL, K::Label, 14, LRow(9) + 2, 70, 8, "Full capacity:"},
    {IDC_BI_FULL_CAPACITY, K::ReadOnlyEdit, 86, LRow(9), 88, 12, ""},
    {IDC_BI_STATUS_LABEL, K::Label, 191, RRow(0) + 2, 66, 8, "State:"},
    {IDC_BI_STATUS, K::ReadOnlyEdit, 260, RRow(0), 86, 12, ""},
    {IDC_BI_TEMPERATURE_LABEL, K::Label, 191, RRow(1) + 2, 66, 8, "Temperature:"},
    {IDC_BI_TEMPERATURE, K::ReadOnlyEdit, 260, RRow(1), 86, 12, ""},
    {IDC_BI_TIME_REMAINING_LABEL, K::Label, 191, RRow(2) + 2, 66, 8, "Time left:"},
    {IDC_BI_TIME_REMAINING, K::ReadOnlyEdit, 260, RRow(2), 86, 12, ""},
    {IDC_BI_CURRENT_CAPACITY_LABEL, K::Label, 191, RRow(3) + 2, 66, 8, "Capacity:"},
    {IDC_BI_CURRENT_CAPACITY, K::ReadOnlyEdit, 260, RRow(3), 86, 12, ""},
    {IDC_BI_CHARGE_RATE_LABEL, K::Label, 191, RRow(4) + 2, 66, 8, "Rate:"},
    {IDC_BI_CHARGE_RATE, K::ReadOnlyEdit, 260, RRow(4), 86, 12, ""},
    {IDC_BI_VOLTAGE_LABEL, K::Label, 191, RRow(5) + 2, 66, 8, "Voltage:"},
    {IDC_BI_VOLTAGE, K::ReadOnlyEdit, 260, RRow(5), 86, 12, ""},
    {IDC_BI_ALERT_LEVELS_LABEL, K::Label, 191, RRow(6) + 2, 66, 8, "Alerts:"},
    {IDC_BI_ALERT_LEVELS, K::ReadOnlyEdit, 260, RRow(6), 86, 12, ""},
    {IDC_BI_CRITICAL_BIAS_LABEL, K::Label, 191, RRow(7) + 2, 66, 8, "Critical bias:"},
    {IDC_BI_CRITICAL_BIAS, K::ReadOnlyEdit, 260, RRow(7), 86, 12, ""},
    {IDC_BI_CHARGE_CYCLES_LABEL, K::Label, 191, RRow(8) + 2, 66, 8, "Cycles:"},
    {IDC_BI_CHARGE_CYCLES, K::ReadOnlyEdit, 260, RRow(8), 86, 12, ""},
    {IDC_OK, K::DefaultButton, 246, 155, 50, 14, "OK"},
    {IDC_BI_HELP, K::PushButton, 302, 155, 50, 14, "Help"},
}};

} // namespace

const DialogTemplate* FindDialogTemplate(int id)
{
    for (const DialogTemplate* t : {&kAbout, &kMain, &kSysInfo, &kBatteryInfo})
        if (t->id == id)
            return t;
    return nullptr;
}

} // namespace ampora
