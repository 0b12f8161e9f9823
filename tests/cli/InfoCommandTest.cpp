// `ampora-cli info` on real machines' readings (tests/fixtures/machines) laid out as /sys,
// against values worked out by hand from the raw numbers in each file.
#include "CliProcess.h"
#include "MachineTree.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <map>

namespace ampora {
namespace {

using test::CliResult;
using test::RunCli;

struct MachineCase {
    const char* name;
    const char* file;
    // "battery N/key" or "power_status/key" -> the value; null where unknown.
    std::map<std::string, QJsonValue> values;
};

void PrintTo(const MachineCase& row, std::ostream* out)
{
    *out << row.name;
}

QJsonValue At(const QJsonObject& root, const std::string& path)
{
    const QString p = QString::fromStdString(path);
    const QString key = p.section(QLatin1Char('/'), 1);
    if (p.startsWith(QLatin1String("battery "))) {
        const int n = p.section(QLatin1Char('/'), 0, 0).mid(8).toInt();
        return root[QLatin1String("batteries")].toArray()[n - 1].toObject()[key];
    }
    return root[p.section(QLatin1Char('/'), 0, 0)].toObject()[key];
}

class InfoJsonTest : public ::testing::TestWithParam<MachineCase> {};

TEST_P(InfoJsonTest, GivesTheHandWorkedValues)
{
    QTemporaryDir dir;
    std::string error;
    ASSERT_TRUE(test::BuildMachineTree(dir.path().toStdString(), {GetParam().file}, &error)) << error;
    const CliResult r = RunCli({"info", "--json"}, dir.path());
    ASSERT_EQ(r.status, 0) << r.err.constData();
    const QJsonObject root = QJsonDocument::fromJson(r.out).object();
    for (const auto& [path, expected] : GetParam().values)
        EXPECT_EQ(At(root, path), expected) << path;
}

const QJsonValue kNull;

INSTANTIATE_TEST_SUITE_P(
    Machines, InfoJsonTest,
    ::testing::Values(
        // BAT0 17.94 of 31.92 Wh is 56.20 % health, BAT1 66.22 of 71.04 Wh 93.21 %; together
        // 18.84 of 84.16 Wh is 22 %, low; 16.575 + 9.753 V; power_now 0 is a rate of 0.
        MachineCase{"ThinkPadT480TwoBatteries", "thinkpad-t480-two-batteries.txt",
                    {{"battery 1/device_name", "01AV493"}, {"battery 1/manufacturer", "LGC"},
                     {"battery 1/design_capacity_mwh", 31920}, {"battery 1/full_charge_capacity_mwh", 17940},
                     {"battery 1/remaining_capacity_mwh", 14270}, {"battery 1/voltage_mv", 16575},
                     {"battery 1/health_percent", 56.2}, {"battery 1/cycle_count", 236},
                     {"battery 1/rate_mw", 0}, {"battery 1/time_remaining_seconds", kNull},
                     {"battery 2/device_name", "01AV425"}, {"battery 2/design_capacity_mwh", 71040},
                     {"battery 2/full_charge_capacity_mwh", 66220}, {"battery 2/health_percent", 93.2},
                     {"battery 2/cycle_count", 78}, {"battery 2/voltage_mv", 9753},
                     {"power_status/life_percent", 22}, {"power_status/total_capacity_mwh", 84160},
                     {"power_status/current_capacity_mwh", 18840}, {"power_status/voltage_mv", 26328},
                     {"power_status/battery_flag", 2}, {"power_status/ac_line_status", kNull}}},
        // Energies given: 41.76 of 42 Wh is 99.43 %; 0.202 A x 11.81 V is 2385 mW, drawn; the
        // kernel's time to empty 48300 s; 28.93 of 41.76 Wh is 69 %; made 29 July 2019.
        MachineCase{"GoogleHanaSbsBattery", "google-hana-sbs-discharging.txt",
                    {{"battery 1/device_name", "L17M3PB0"}, {"battery 1/manufacturer", "SMP"},
                     {"battery 1/serial_number", "049a"}, {"battery 1/design_capacity_mwh", 42000},
                     {"battery 1/full_charge_capacity_mwh", 41760}, {"battery 1/health_percent", 99.4},
                     {"battery 1/remaining_capacity_mwh", 28930}, {"battery 1/rate_mw", -2385},
                     {"battery 1/voltage_mv", 11810}, {"battery 1/cycle_count", 7},
                     {"battery 1/time_remaining_seconds", 48300}, {"battery 1/discharging", true},
                     {"battery 1/manufacture_date", "2019-07-29"}, {"power_status/ac_line_status", 0},
                     {"power_status/life_percent", 69}, {"power_status/rate_mw", -2385}}},
        // Percentage, voltage and current only: no capacity, so no health; 1 mA x 4.186 V is
        // 4 mW, charging, on mains, 100 %.
        MachineCase{"GameShellAxp20xCapacityOnly", "clockworkpi-gameshell-axp20x.txt",
                    {{"battery 1/manufacturer", kNull}, {"battery 1/design_capacity_mwh", kNull},
                     {"battery 1/full_charge_capacity_mwh", kNull}, {"battery 1/health_percent", kNull},
                     {"battery 1/voltage_mv", 4186}, {"battery 1/rate_mw", 4}, {"battery 1/charging", true},
                     {"battery 1/cycle_count", kNull}, {"power_status/ac_line_status", 1},
                     {"power_status/life_percent", 100}, {"power_status/total_capacity_mwh", kNull}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(InfoCommand, WithoutABatterySaysSoAndEndsWithOne)
{
    for (const QStringList& arguments : {QStringList{"info"}, QStringList{"info", "--json"}}) {
        const CliResult r = RunCli(arguments);
        EXPECT_EQ(r.status, 1) << arguments.join(' ').toStdString();
        EXPECT_TRUE((r.out + r.err).contains("No battery")) << arguments.join(' ').toStdString();
    }
}

CliResult PrometheusOfGameShell()
{
    QTemporaryDir dir;
    std::string error;
    EXPECT_TRUE(test::BuildMachineTree(dir.path().toStdString(), {"clockworkpi-gameshell-axp20x.txt"}, &error));
    return RunCli({"info", "--prometheus"}, dir.path());
}

// Every line a comment or `name{battery="N"} number`; each gauge named once with its type.
TEST(InfoCommand, PrometheusTextIsWellFormedAndLeavesUnknownsOut)
{
    const CliResult r = PrometheusOfGameShell();
    ASSERT_EQ(r.status, 0) << r.err.constData();
    const QRegularExpression sample(QStringLiteral(R"(^ampora_battery_[a-z_]+\{battery="[0-9]+"\} -?[0-9.e+]+$)"));
    const QRegularExpression comment(QStringLiteral(R"(^# (HELP ampora_battery_[a-z_]+ .+|TYPE ampora_battery_[a-z_]+ gauge)$)"));
    const QStringList lines = QString::fromUtf8(r.out).split('\n', Qt::SkipEmptyParts);
    for (const QString& line : lines)
        EXPECT_TRUE(sample.match(line).hasMatch() || comment.match(line).hasMatch()) << line.toStdString();
    EXPECT_TRUE(lines.contains(QStringLiteral("ampora_battery_voltage_mv{battery=\"1\"} 4186")));
    EXPECT_FALSE(r.out.contains("design_capacity")) << "an unknown value is left out";
}

TEST(InfoCommand, PrometheusTextPassesPromtool)
{
    const QString promtool = QStandardPaths::findExecutable(QStringLiteral("promtool"));
    if (promtool.isEmpty())
        GTEST_SKIP() << "promtool (Debian's prometheus) is not installed";
    const CliResult r = PrometheusOfGameShell();
    QProcess check;
    check.start(promtool, {QStringLiteral("check"), QStringLiteral("metrics")});
    check.write(r.out);
    check.closeWriteChannel();
    ASSERT_TRUE(check.waitForFinished(60000));
    EXPECT_EQ(check.exitCode(), 0) << check.readAll().constData();
}

} // namespace
} // namespace ampora
