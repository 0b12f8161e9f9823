// Readings pasted from real laptops, Chromebooks and boards (tests/fixtures/machines), laid out
// as /sys and read through the Linux back end as the program reads them: the panel texts
// (which are the log row's cells) and the first battery's Battery info, against values
// worked out by hand from the raw numbers in each file's comment below.
#include "MachineTree.h"

#include "battery/CBatteryCtrl.h"
#include "dialogs/InfoTexts.h"
#include "monitor/BatteryLog.h"
#include "monitor/SampleTexts.h"
#include "platform/sysfs/SysfsBackend.h"
#include "resources/ResourceIds.h"

#include <QDir>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <ctime>

namespace ampora {
namespace {

struct Reading {
    int batteries = 0;
    SystemPowerStatus status;
    BatteryTotals totals;
    BatteryRecord first;
};

Reading ReadMachine(const std::string& file)
{
    Reading r;
    QTemporaryDir dir;
    std::string error;
    EXPECT_TRUE(dir.isValid());
    EXPECT_TRUE(test::BuildMachineTree(dir.path().toStdString(), {file}, &error)) << error;
    const std::shared_ptr<SysfsReadings> readings = MakeSysfsReadings(dir.path().toStdString());
    const auto driver = MakeSysfsBatteryDriver(readings);
    const auto power = MakeSysfsPowerStatus(readings);
    CBatteryCtrl ctrl(driver.get());
    ctrl.Enumerate();
    r.batteries = ctrl.GetBatteryCount();
    {
        const SampleReadings sample(driver.get());
        EXPECT_TRUE(power->GetSystemPowerStatus(&r.status));
        ctrl.GetBatteryTotals(&r.totals);
    }
    ctrl.GetBatteryRecord(&r.first, 0);
    return r;
}

// Design, full and current capacity, voltage, charge rate and time remaining of Battery info.
std::string InfoOf(const BatteryRecord& record)
{
    QStringList parts;
    for (const int id : {IDC_BI_DESIGN_CAPACITY, IDC_BI_FULL_CAPACITY, IDC_BI_CURRENT_CAPACITY, IDC_BI_VOLTAGE,
                         IDC_BI_CHARGE_RATE, IDC_BI_TIME_REMAINING}) {
        for (const FieldText& field : BatteryInfoFieldTexts(record)) {
            if (field.controlId == id)
                parts << field.text;
        }
    }
    return parts.join('|').toStdString();
}

struct MachineCase {
    const char* name;
    const char* file;
    PanelTexts panel;  // power source, status, life, total, current, charge, volt, remaining, total time
    std::string info;  // of the first battery; empty when none is listed
};

void PrintTo(const MachineCase& row, std::ostream* out)
{
    *out << row.name;
}

class RealMachinesTest : public ::testing::TestWithParam<MachineCase> {};

TEST_P(RealMachinesTest, PanelAndBatteryInfo)
{
    const Reading r = ReadMachine(GetParam().file);
    EXPECT_EQ(MakePanelTexts(r.status, r.totals), GetParam().panel);
    EXPECT_EQ(r.batteries > 0 ? InfoOf(r.first) : std::string(), GetParam().info);
}

// Charge batteries: mWh = µAh x µV / 10^9, rounded down; percent = 100 x now / full, rounded;
// life = now x 3600 / rate; total time = life x 100 / percent.
INSTANTIATE_TEST_SUITE_P(
    Machines, RealMachinesTest,
    ::testing::Values(
        // 8.3 of 25.5 Wh is 33 %; power_now 0 and "Unknown": no drain, no AC judgement.
        MachineCase{"ThinkPadWornUnknown", "thinkpad-worn-unknown.txt",
                    {"Unknow", "Unknow", "33 %", "25500 mW/H", "8300 mW/H", "0 mW/H", "14526 mV", "N/A", "N/A"},
                    "38920 mWh|25500 mWh|8300 mWh|14526 mV|0 mW|N/A"},
        // energy_now 93.79 Wh above energy_full 93.55 Wh: full is raised to it, 100 %.
        MachineCase{"ThinkPadNowAboveFull", "thinkpad-bat1-now-above-full.txt",
                    {"Unknow", "High", "100 %", "93790 mW/H", "93790 mW/H", "0 mW/H", "12868 mV", "N/A", "N/A"},
                    "93600 mWh|93790 mWh|93790 mWh|12868 mV|0 mW|N/A"},
        // Full above design (94.86 > 93.96 Wh) stands; no voltage attribute: N/A, not 0 mV.
        MachineCase{"ThinkPadFullAboveDesign", "thinkpad-full-above-design.txt",
                    {"Unknow", "High", "100 %", "94860 mW/H", "94860 mW/H", "0 mW/H", "N/A", "N/A", "N/A"},
                    "93960 mWh|94860 mWh|94860 mWh|-1 mV|0 mW|N/A"},
        // 23.6 of 46.59 Wh is 51 %; 23600 x 3600 / 5156 = 16477 s; x 100 / 51 = 32307 s.
        MachineCase{"ThinkPadDischarging", "thinkpad-discharging-full-above-design.txt",
                    {"Battery", "Unknow", "51 %", "46590 mW/H", "23600 mW/H", "-5156 mW/H", "N/A", "04:34:37",
                     "08:58:27"},
                    "45280 mWh|46590 mWh|23600 mWh|-1 mV|-5156 mW|04:34:37"},
        // 65.44 of 69.24 Wh is 95 %.
        MachineCase{"ThinkPadX1ExtremeNotCharging", "thinkpad-x1-extreme-not-charging.txt",
                    {"Unknow", "High", "95 %", "69240 mW/H", "65440 mW/H", "0 mW/H", "N/A", "N/A", "N/A"},
                    "80400 mWh|69240 mWh|65440 mWh|-1 mV|0 mW|N/A"},
        // Two batteries: 14.27 + 4.57 of 17.94 + 66.22 Wh is 22 %, low; 16.575 + 9.753 V.
        MachineCase{"ThinkPadT480TwoBatteries", "thinkpad-t480-two-batteries.txt",
                    {"Unknow", "Low", "22 %", "84160 mW/H", "18840 mW/H", "0 mW/H", "26328 mV", "N/A", "N/A"},
                    "31920 mWh|17940 mWh|14270 mWh|16575 mV|0 mW|N/A"},
        // At 11.4 V: 55996/55871/51767 mWh, 1.472 A is 16780 mW; 93 %; 11106 s; 11941 s.
        MachineCase{"DellXps9560Discharging", "dell-xps15-9560-discharging.txt",
                    {"Battery", "High", "93 %", "55871 mW/H", "51767 mW/H", "-16780 mW/H", "12366 mV", "03:05:06",
                     "03:19:01"},
                    "55996 mWh|55871 mWh|51767 mWh|12366 mV|-16780 mW|03:05:06"},
        // At 11.4 V: 51003/42750/42088 mWh, 0.413 A is 4708 mW; charging means on mains.
        MachineCase{"DellCharging", "dell-pn1vn08-charging.txt",
                    {"A/C", "High Charge", "98 %", "42750 mW/H", "42088 mW/H", "4708 mW/H", "12729 mV", "N/A", "N/A"},
                    "51003 mWh|42750 mWh|42088 mWh|12729 mV|4708 mW|N/A"},
        // At 7.6 V: 59994 mWh; the 1 mA a full battery still reports is 7 mW.
        MachineCase{"DellFull", "dell-tp1gt61-full.txt",
                    {"Unknow", "High", "100 %", "59994 mW/H", "59994 mW/H", "7 mW/H", "8729 mV", "N/A", "N/A"},
                    "59994 mWh|59994 mWh|59994 mWh|8729 mV|7 mW|N/A"},
        // No current and no power: the rate and both times are unknown, the rest is known.
        MachineCase{"DellXps9550NoCurrent", "dell-xps15-9550-udev-no-current.txt",
                    {"Battery", "High", "74 %", "81076 mW/H", "59964 mW/H", "N/A", "12836 mV", "N/A", "N/A"},
                    "83995 mWh|81076 mWh|59964 mWh|12836 mV|N/A|N/A"},
        // At 11.4 V: 48336/40561 mWh; 0.413 A while Full is 4708 mW.
        MachineCase{"AsusC300ChromebookFull", "asus-c300-chromebook-full.txt",
                    {"Unknow", "High", "100 %", "40561 mW/H", "40561 mW/H", "4708 mW/H", "12867 mV", "N/A", "N/A"},
                    "48336 mWh|40561 mWh|40561 mWh|12867 mV|4708 mW|N/A"},
        // sbs-battery without power_now: 0.202 A x 11.81 V = 2385 mW; 28930 x 3600 / 2385 =
        // 43667 s at 69 %, 63285 s full; the record keeps the kernel's own 48300 s.
        MachineCase{"GoogleHanaSbsBattery", "google-hana-sbs-discharging.txt",
                    {"Battery", "High", "69 %", "41760 mW/H", "28930 mW/H", "-2385 mW/H", "11810 mV", "12:07:47",
                     "17:34:45"},
                    "42000 mWh|41760 mWh|28930 mWh|11810 mV|-2385 mW|13:25:00"},
        // At 3.8 V: 30400/22496 mWh, 1.56 A is 5928 mW; 74 %; 13661 s; 18460 s.
        MachineCase{"ChromeOsBatcDischarging", "chromeos-batc-discharging.txt",
                    {"Battery", "High", "74 %", "30400 mW/H", "22496 mW/H", "-5928 mW/H", "3942 mV", "03:47:41",
                     "05:07:40"},
                    "30400 mWh|30400 mWh|22496 mWh|3942 mV|-5928 mW|03:47:41"},
        // No design voltage: 9.8 Ah at the 4.151 V first seen is 40679 mWh; now 96 % of it.
        MachineCase{"PinebookProCw2015", "pinebook-pro-cw2015-charging.txt",
                    {"A/C", "High Charge", "96 %", "40679 mW/H", "39051 mW/H", "0 mW/H", "4151 mV", "N/A", "N/A"},
                    "40679 mWh|40679 mWh|39051 mWh|4151 mV|0 mW|N/A"},
        // At 4.2 V (max design): 26900/20229 mWh, 0.928 A is 3897 mW; no design capacity.
        MachineCase{"AtomTabletAxp288", "atom-tablet-axp288-discharging.txt",
                    {"Battery", "High", "75 %", "26900 mW/H", "20229 mW/H", "-3897 mW/H", "3872 mV", "05:11:27",
                     "06:55:16"},
                    "-1 mWh|26900 mWh|20229 mWh|3872 mV|-3897 mW|05:11:27"},
        // Capacity only: no capacity is known (N/A, not 0), 1 mA x 4.186 V = 4 mW.
        MachineCase{"GameShellAxp20xCapacityOnly", "clockworkpi-gameshell-axp20x.txt",
                    {"A/C", "High Charge", "100 %", "N/A", "N/A", "4 mW/H", "4186 mV", "N/A", "N/A"},
                    "-1 mWh|-1 mWh|-1 mWh|4186 mV|4 mW|N/A"},
        // present 0: no battery at all.
        MachineCase{"Lime2EmptyConnector", "olimex-lime2-axp20x-absent.txt",
                    {"A/C", "No battery", "255 %", "0 mW/H", "0 mW/H", "N/A", "0 mV", "N/A", "N/A"}, ""},
        // bq27xxx, no design voltage: at the 4.099 V first seen 13116/13137/4139 mWh,
        // 1.721 A is 7054 mW; 4139 / 13137 is 32 %.
        MachineCase{"DilithiumHatBq27510", "dilithium-ups-hat-bq27510.txt",
                    {"A/C", "Low Charge", "32 %", "13137 mW/H", "4139 mW/H", "7054 mW/H", "4099 mV", "N/A", "N/A"},
                    "13116 mWh|13137 mWh|4139 mWh|4099 mV|7054 mW|N/A"},
        // Percentage and voltage only; the USB charger is offline, so the line is off.
        MachineCase{"Nexus5CapacityOnly", "nexus5-capacity-only.txt",
                    {"Battery", "Unknow", "36 %", "N/A", "N/A", "N/A", "3688 mV", "N/A", "N/A"},
                    "-1 mWh|-1 mWh|-1 mWh|3688 mV|N/A|N/A"},
        // The mouse's battery is not the computer's.
        MachineCase{"DesktopWithMouse", "desktop-logitech-m510-mouse.txt",
                    {"A/C", "No battery", "255 %", "0 mW/H", "0 mW/H", "N/A", "0 mV", "N/A", "N/A"}, ""},
        // At 11.1 V: 44400/36940 mWh; 1 mA is 11 mW.
        MachineCase{"ToshibaUnknownOnMains", "toshiba-unknown-on-mains.txt",
                    {"Unknow", "High", "100 %", "36940 mW/H", "36940 mW/H", "11 mW/H", "12439 mV", "N/A", "N/A"},
                    "44400 mWh|36940 mWh|36940 mWh|12439 mV|11 mW|N/A"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RealMachinesLogTest, TheLogRowOfADischargingDell)
{
    const Reading r = ReadMachine("dell-xps15-9560-discharging.txt");
    std::tm t{};
    t.tm_mday = 9;
    t.tm_mon = 11;
    t.tm_year = 2026 - 1900;
    t.tm_hour = 14;
    t.tm_min = 5;
    t.tm_sec = 30;
    EXPECT_EQ(BuildLogRow(t, r.status, r.totals),
              "\r\n 09:12:2026\t14:05:30\t93 %\t\t\t55871 mW/H\t\t51767 mW/H\t\t-16780 mW/H\t\t12366 mV"
              "\t\t03:05:06\t\t03:19:01");
}

TEST(RealMachinesLogTest, EveryMachineFileNamesItsSourceAndParses)
{
    const QStringList files = QDir(QStringLiteral(AMPORA_FIXTURES "/machines")).entryList({"*.txt"}, QDir::Files);
    EXPECT_GE(files.size(), 15);
    for (const QString& file : files) {
        std::string error;
        const test::Machine machine = test::ParseMachine(file.toStdString(), &error);
        EXPECT_TRUE(error.empty()) << error;
        EXPECT_FALSE(machine.source.empty()) << file.toStdString();
    }
}

} // namespace
} // namespace ampora
