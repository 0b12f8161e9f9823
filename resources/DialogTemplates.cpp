// The built-in dialog templates, in dialog units.
#include "resources/DialogTemplate.h"

namespace ampora {
namespace {

using K = ControlKind;

// About Ampora.
const DialogTemplate kAbout{100, 241, 58, "About Ampora", {
    {-1, K::Icon, 11, 17, 21, 20, ""},
    {1095, K::Label, 49, 14, 119, 8, "Ampora Version 1.0"},
    {1096, K::Label, 49, 28, 130, 20, "Copyright (C) 2026"},
    {1, K::DefaultButton, 184, 7, 50, 14, "OK"},
}};

// Main dialog: a left column of controls and the graph band between the markers 1100/1101.
// The nine status rows stand 15 units apart from y 66.
constexpr int kRow0 = 66, kRowStep = 15;
constexpr int Row(int i) { return kRow0 + i * kRowStep; }

const DialogTemplate kMain{102, 490, 295, "Voltic", {
    {1, K::DefaultButton, 16, 40, 50, 14, "Start"},
    {2, K::PushButton, 76, 40, 50, 14, "Stop"},
    {1002, K::GroupBox, 10, 55, 120, 169, "Battery details"},
    {1003, K::Label, 16, Row(8) + 2, 58, 8, "Power source:"},
    {1004, K::ReadOnlyEdit, 76, Row(8), 49, 12, ""},
    {1005, K::Label, 16, Row(4) + 2, 58, 8, "Battery status:"},
    {1006, K::ReadOnlyEdit, 76, Row(4), 49, 12, ""},
    {1007, K::Label, 16, Row(7) + 2, 58, 8, "Life left:"},
    {1008, K::ReadOnlyEdit, 76, Row(7), 49, 12, ""},
    {1009, K::Label, 16, Row(5) + 2, 58, 8, "Time remaining:"},
    {1010, K::ReadOnlyEdit, 76, Row(5), 49, 12, ""},
    {1011, K::Label, 16, Row(6) + 2, 58, 8, "Total time:"},
    {1012, K::ReadOnlyEdit, 76, Row(6), 49, 12, ""},
    {1013, K::GroupBox, 7, 3, 126, 221, "Monitor info"},
    {1020, K::Label, 12, 16, 63, 8, "Rate:"},
    {1021, K::ComboList, 76, 14, 49, 12, ""},
    {1022, K::PushButton, 16, 204, 50, 14, "View data"},
    {1024, K::PushButton, 76, 204, 50, 14, "Save data"},
    {1025, K::PushButton, 76, 234, 50, 14, "Battery info"},
    {1026, K::PushButton, 76, 255, 50, 14, "About"},
    {1027, K::PushButton, 16, 255, 50, 14, "System info"},
    {1029, K::PushButton, 16, 273, 50, 14, "Help"},
    {1030, K::PushButton, 76, 273, 50, 14, "Exit"},
    {1100, K::HiddenFrame, 133, 3, 1, 289, ""},
    {1101, K::HiddenFrame, 485, 3, 1, 289, ""},
    {1120, K::Label, 16, Row(3) + 2, 58, 8, "Charge:"},
    {1114, K::ReadOnlyEdit, 76, Row(0), 49, 12, ""},
    {1117, K::ReadOnlyEdit, 76, Row(1), 49, 12, ""},
    {1118, K::ReadOnlyEdit, 76, Row(2), 49, 12, ""},
    {1119, K::ReadOnlyEdit, 76, Row(3), 49, 12, ""},
    {1121, K::GroupBox, 7, 224, 126, 28, "Battery"},
    {1113, K::Label, 16, Row(0) + 2, 58, 8, "Total capacity:"},
    {1115, K::Label, 16, Row(1) + 2, 58, 8, "Current capacity:"},
    {1116, K::Label, 16, Row(2) + 2, 58, 8, "Volt:"},
    {1122, K::ComboListImages, 16, 235, 48, 12, ""},
    {1127, K::CheckBox, 16, 28, 110, 10, "Compare"},
}};

// System info: two columns of right-aligned labels, each followed by its value field.
constexpr int SysRow(int i) { return 7 + i * 14; }

const DialogTemplate kSysInfo{129, 320, 109, "System information", {
    {1031, K::LabelRight, 4, SysRow(0) + 2, 94, 8, "Processor max MHz:"},
    {1042, K::Edit, 100, SysRow(0), 50, 12, ""},
    {1032, K::LabelRight, 4, SysRow(1) + 2, 94, 8, "Processor current MHz:"},
    {1043, K::Edit, 100, SysRow(1), 50, 12, ""},
    {1033, K::LabelRight, 4, SysRow(2) + 2, 94, 8, "UPS present:"},
    {1044, K::Edit, 100, SysRow(2), 50, 12, ""},
    {1034, K::LabelRight, 4, SysRow(3) + 2, 94, 8, "Throttling:"},
    {1045, K::Edit, 100, SysRow(3), 50, 12, ""},
    {1035, K::LabelRight, 4, SysRow(4) + 2, 94, 8, "Min throttle:"},
    {1046, K::Edit, 100, SysRow(4), 50, 12, ""},
    {1036, K::LabelRight, 4, SysRow(5) + 2, 94, 8, "Max throttle:"},
    {1047, K::Edit, 100, SysRow(5), 50, 12, ""},
    {1037, K::LabelRight, 156, SysRow(0) + 2, 104, 8, "Thermal zone:"},
    {1048, K::Edit, 263, SysRow(0), 50, 12, ""},
    {1038, K::LabelRight, 156, SysRow(1) + 2, 104, 8, "Video dim:"},
    {1049, K::Edit, 263, SysRow(1), 50, 12, ""},
    {1039, K::LabelRight, 156, SysRow(2) + 2, 104, 8, "APM:"},
    {1050, K::Edit, 263, SysRow(2), 50, 12, ""},
    {1040, K::LabelRight, 156, SysRow(3) + 2, 104, 8, "Disk spin-down:"},
    {1051, K::Edit, 263, SysRow(3), 50, 12, ""},
    {1041, K::LabelRight, 156, SysRow(4) + 2, 104, 8, "Fan tolerance:"},
    {1052, K::Edit, 263, SysRow(4), 50, 12, ""},
    {1, K::DefaultButton, 208, 90, 50, 14, "OK"},
    {1103, K::PushButton, 263, 90, 50, 14, "Help"},
}};

// Battery info: identity and design fields on the left ("Property" nested in "Name"),
// the current status on the right, 13 units a row.
constexpr int LRow(int i) { return i < 2 ? 14 + i * 13 : 51 + (i - 2) * 13; }
constexpr int RRow(int i) { return 14 + i * 13; }

const DialogTemplate kBatteryInfo{182, 359, 180, "Battery info", {
    {1123, K::GroupBox, 7, 3, 172, 166, "Name"},
    {1124, K::GroupBox, 10, 40, 166, 124, "Properties"},
    {1125, K::GroupBox, 184, 3, 168, 137, "Current state"},
    {1054, K::Label, 14, LRow(0) + 2, 70, 8, "Manufacturer:"},
    {1058, K::ReadOnlyEdit, 86, LRow(0), 88, 12, ""},
    {1055, K::Label, 14, LRow(1) + 2, 70, 8, "Device name:"},
    {1059, K::ReadOnlyEdit, 86, LRow(1), 88, 12, ""},
    {1056, K::Label, 14, LRow(2) + 2, 70, 8, "Serial number:"},
    {1060, K::ReadOnlyEdit, 86, LRow(2), 88, 12, ""},
    {1061, K::Label, 14, LRow(3) + 2, 70, 8, "Unique id:"},
    {1076, K::ReadOnlyEdit, 86, LRow(3), 88, 12, ""},
    {1064, K::Label, 14, LRow(4) + 2, 70, 8, "Manufactured:"},
    {1079, K::ReadOnlyEdit, 86, LRow(4), 88, 12, ""},
    {1065, K::Label, 14, LRow(5) + 2, 70, 8, "Use:"},
    {1080, K::ReadOnlyEdit, 86, LRow(5), 88, 12, ""},
    {1066, K::Label, 14, LRow(6) + 2, 70, 8, "Rechargeable:"},
    {1081, K::ReadOnlyEdit, 86, LRow(6), 88, 12, ""},
    {1067, K::Label, 14, LRow(7) + 2, 70, 8, "Chemistry:"},
    {1082, K::ReadOnlyEdit, 86, LRow(7), 88, 12, ""},
    {1068, K::Label, 14, LRow(8) + 2, 70, 8, "Design capacity:"},
    {1083, K::ReadOnlyEdit, 86, LRow(8), 88, 12, ""},
    {1069, K::Label, 14, LRow(9) + 2, 70, 8, "Full capacity:"},
    {1084, K::ReadOnlyEdit, 86, LRow(9), 88, 12, ""},
    {1053, K::Label, 191, RRow(0) + 2, 66, 8, "State:"},
    {1057, K::ReadOnlyEdit, 260, RRow(0), 86, 12, ""},
    {1063, K::Label, 191, RRow(1) + 2, 66, 8, "Temperature:"},
    {1078, K::ReadOnlyEdit, 260, RRow(1), 86, 12, ""},
    {1062, K::Label, 191, RRow(2) + 2, 66, 8, "Time left:"},
    {1077, K::ReadOnlyEdit, 260, RRow(2), 86, 12, ""},
    {1070, K::Label, 191, RRow(3) + 2, 66, 8, "Capacity:"},
    {1085, K::ReadOnlyEdit, 260, RRow(3), 86, 12, ""},
    {1075, K::Label, 191, RRow(4) + 2, 66, 8, "Rate:"},
    {1090, K::ReadOnlyEdit, 260, RRow(4), 86, 12, ""},
    {1074, K::Label, 191, RRow(5) + 2, 66, 8, "Voltage:"},
    {1089, K::ReadOnlyEdit, 260, RRow(5), 86, 12, ""},
    {1071, K::Label, 191, RRow(6) + 2, 66, 8, "Alerts:"},
    {1086, K::ReadOnlyEdit, 260, RRow(6), 86, 12, ""},
    {1072, K::Label, 191, RRow(7) + 2, 66, 8, "Critical bias:"},
    {1087, K::ReadOnlyEdit, 260, RRow(7), 86, 12, ""},
    {1073, K::Label, 191, RRow(8) + 2, 66, 8, "Cycles:"},
    {1088, K::ReadOnlyEdit, 260, RRow(8), 86, 12, ""},
    {1, K::DefaultButton, 246, 155, 50, 14, "OK"},
    {1104, K::PushButton, 302, 155, 50, 14, "Help"},
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
