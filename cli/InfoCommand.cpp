// The info command: every battery as Battery info shows it, with its health; the power status
// as the main panel shows it; the System info facts. As text, as JSON, or in Prometheus' text
// exposition format.
#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "cli/Fields.h"

#include "battery/CBatteryCtrl.h"
#include "dialogs/InfoTexts.h"
#include "monitor/SampleTexts.h"
#include "platform/Backends.h"
#include "resources/ResourceIds.h"
#include "resources/StringTable.h"

#include <QCommandLineParser>
#include <QJsonArray>
#include <QJsonDocument>

#include <algorithm>
#include <map>

namespace ampora {
namespace {

constexpr int kExitNoBattery = 1;

struct Reading {
    std::vector<BatteryRecord> batteries;
    bool statusRead = false;
    SystemPowerStatus status;
    BatteryTotals totals;
};

Reading ReadMachine(Backends& backends)
{
    Reading reading;
    CBatteryCtrl ctrl(backends.driver.get());
    ctrl.Enumerate();
    {
        // The power status and the totals share one reading of the batteries, as a sample's do.
        const SampleReadings readings(backends.driver.get());
        reading.statusRead = backends.powerStatus && backends.powerStatus->GetSystemPowerStatus(&reading.status);
        ctrl.GetBatteryTotals(&reading.totals);
    }
    for (int i = 0; i < ctrl.GetBatteryCount(); ++i) {
        BatteryRecord record;
        ctrl.GetBatteryRecord(&record, unsigned(i));
        reading.batteries.push_back(record);
    }
    return reading;
}

// "Label:  value" lines, the values in one column.
QString Lines(const std::vector<std::pair<QString, QString>>& rows, const QString& indent)
{
    qsizetype width = 0;
    for (const auto& row : rows)
        width = std::max(width, row.first.size());
    QString text;
    for (const auto& [label, value] : rows)
        text += indent + label.leftJustified(width + 1) + value + QLatin1Char('\n');
    return text;
}

// The fields of `texts` in the order of `labels`, each with its label.
std::vector<std::pair<QString, QString>> Labelled(const std::vector<FieldLabel>& labels,
                                                  const std::vector<FieldText>& texts)
{
    std::map<int, QString> byField;
    for (const FieldText& field : texts)
        byField[field.controlId] = field.text;
    std::vector<std::pair<QString, QString>> rows;
    for (const FieldLabel& label : labels)
        rows.emplace_back(LoadQString(label.labelString), byField[label.field]);
    return rows;
}

QString Text(const Reading& reading, PowerInformation* information)
{
    QString text;
    for (size_t i = 0; i < reading.batteries.size(); ++i) {
        const BatteryRecord& record = reading.batteries[i];
        std::vector<std::pair<QString, QString>> rows = Labelled(BatteryInfoLabels(), BatteryInfoFieldTexts(record));
        rows.emplace_back(QStringLiteral("Health:"), HealthText(record.designedCapacity, record.fullChargedCapacity));
        text += BatterySelectorText(int(i)) + QLatin1Char('\n') + Lines(rows, QStringLiteral("  ")) + QLatin1Char('\n');
    }
    if (reading.batteries.empty())
        text += LoadQString(IDS_NO_BATTERY) + QStringLiteral("\n\n");

    text += LoadQString(IDS_STATUS) + QLatin1Char('\n');
    if (reading.statusRead) {
        const PanelTexts panel = MakePanelTexts(reading.status, reading.totals);
        std::vector<std::pair<QString, QString>> rows;
        for (const PanelField& field : PanelFields())
            rows.emplace_back(LoadQString(field.labelString), panel.*field.text);
        text += Lines(rows, QStringLiteral("  "));
    } else {
        text += QStringLiteral("  ") + LoadQString(IDS_NOT_AVAILABLE) + QLatin1Char('\n');
    }

    text += QLatin1Char('\n') + LoadQString(IDS_SYSTEM_INFO) + QLatin1Char('\n');
    text += Lines(Labelled(SysInfoLabels(), SysInfoFieldTexts(information)), QStringLiteral("  "));
    return text;
}

QByteArray Json(const Reading& reading, PowerInformation* information)
{
    QJsonArray batteries;
    for (size_t i = 0; i < reading.batteries.size(); ++i) {
        QJsonObject battery = BatteryJson(reading.batteries[i], RecordSource::Live);
        battery.insert(QStringLiteral("battery"), int(i + 1));
        batteries.append(battery);
    }
    const QJsonObject root{
        {"batteries", batteries},
        {"power_status", reading.statusRead ? QJsonValue(PowerStatusJson(reading.status, reading.totals))
                                            : QJsonValue()},
        {"system", SystemJson(information)},
    };
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

// Prometheus' text exposition format: one gauge per numeric battery value, its samples
// labelled with the battery's number; unknown values are left out, texts and truth values
// too (a gauge holds numbers).
QByteArray Prometheus(const Reading& reading)
{
    std::vector<QJsonObject> batteries;
    for (const BatteryRecord& record : reading.batteries)
        batteries.push_back(BatteryJson(record, RecordSource::Live));
    if (batteries.empty())
        return {};
    QByteArray text;
    for (const QString& key : batteries.front().keys()) {
        if (!std::any_of(batteries.begin(), batteries.end(), [&](const QJsonObject& b) { return b[key].isDouble(); }))
            continue;
        const QByteArray name = "ampora_battery_" + key.toLatin1();
        text += "# HELP " + name + " Ampora's battery " + key.toLatin1().replace('_', ' ') + "\n";
        text += "# TYPE " + name + " gauge\n";
        for (size_t i = 0; i < batteries.size(); ++i) {
            const QJsonValue value = batteries[i][key];
            if (value.isDouble())
                text += name + "{battery=\"" + QByteArray::number(qulonglong(i + 1)) + "\"} "
                        + QByteArray::number(value.toDouble(), 'g', 12) + "\n";
        }
    }
    return text;
}

} // namespace

int RunInfo(const QStringList& arguments)
{
    QCommandLineParser parser;
    BeginCommandLine(parser, QStringLiteral("info"),
                     QStringLiteral("Every battery as Battery info shows it, with its health; the power "
                                    "status as the main window shows it; the System info facts.\n"
                                    "Exit status: 0 with a battery, 1 with none, 2 on a usage error."));
    const QCommandLineOption json(QStringLiteral("json"), QStringLiteral("The same as numbers, in JSON."));
    const QCommandLineOption prometheus(QStringLiteral("prometheus"),
                                        QStringLiteral("The batteries' numbers in Prometheus' text format."));
    parser.addOptions({json, prometheus});
    if (const std::optional<int> done = ParseCommandLine(parser, arguments))
        return *done;
    if (!CommandArguments(parser).isEmpty())
        return Fail(QStringLiteral("info takes no file"), kExitUsage);
    if (parser.isSet(json) && parser.isSet(prometheus))
        return Fail(QStringLiteral("--json and --prometheus exclude each other"), kExitUsage);

    Backends backends = MakeBackends();
    const Reading reading = ReadMachine(backends);
    if (parser.isSet(json))
        WriteOut(Json(reading, backends.powerInformation.get()));
    else if (parser.isSet(prometheus))
        WriteOut(Prometheus(reading));
    else
        WriteOut(Text(reading, backends.powerInformation.get()));
    if (reading.batteries.empty()) {
        if (!parser.isSet(json) && !parser.isSet(prometheus))
            return kExitNoBattery; // the text said so
        return Fail(LoadQString(IDS_NO_BATTERY), kExitNoBattery);
    }
    return kExitOk;
}

} // namespace ampora
