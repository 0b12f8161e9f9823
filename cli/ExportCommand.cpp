// The export command: a saved run as CSV (the samples, one row each) or JSON (the battery
// images and the samples), with the names of `info --json`.
#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "cli/Fields.h"

#include "monitor/BatteryDataFile.h"

#include <QCommandLineParser>
#include <QJsonArray>
#include <QJsonDocument>

namespace ampora {
namespace {

// One CSV field as RFC 4180 writes it: quoted when it holds a comma, a quote or a line break,
// its quotes doubled.
QString CsvField(const QString& field)
{
    if (!field.contains(QLatin1Char(',')) && !field.contains(QLatin1Char('"'))
        && !field.contains(QLatin1Char('\r')) && !field.contains(QLatin1Char('\n')))
        return field;
    QString quoted = field;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QString CsvRow(const QStringList& fields)
{
    QStringList cells;
    for (const QString& field : fields)
        cells << CsvField(field);
    return cells.join(QLatin1Char(',')) + QStringLiteral("\r\n");
}

// A JSON number as a CSV cell with `decimals` places; null (unknown) is an empty cell.
QString Cell(const QJsonValue& value, int decimals)
{
    return value.isDouble() ? QString::number(value.toDouble(), 'f', decimals) : QString();
}

QByteArray Csv(const BatteryData& data)
{
    const std::vector<SampleColumn> columns = SampleColumns();
    QStringList names;
    for (const SampleColumn& column : columns)
        names << column.name;
    QString text = CsvRow(names);
    for (size_t i = 0; i < data.samples.Size(); ++i) {
        const QJsonObject sample = SampleJson(data.samples[i], i > 0 ? &data.samples[i - 1] : nullptr);
        QStringList cells;
        for (const SampleColumn& column : columns)
            cells << Cell(sample[column.name], column.decimals);
        text += CsvRow(cells);
    }
    return text.toUtf8();
}

QByteArray Json(const BatteryData& data)
{
    QJsonArray batteries;
    for (size_t i = 0; i < data.records.size(); ++i) {
        QJsonObject battery = BatteryJson(data.records[i], RecordSource::Stored);
        battery.insert(QStringLiteral("battery"), int(i + 1));
        batteries.append(battery);
    }
    QJsonArray samples;
    for (size_t i = 0; i < data.samples.Size(); ++i)
        samples.append(SampleJson(data.samples[i], i > 0 ? &data.samples[i - 1] : nullptr));
    const QJsonObject root{
        {"run_length_seconds", data.runSeconds},
        {"elapsed_seconds", data.tickCount},
        {"batteries", batteries},
        {"samples", samples},
    };
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

} // namespace

int RunExport(const QStringList& arguments)
{
    QCommandLineParser parser;
    BeginCommandLine(parser, QStringLiteral("export"),
                     QStringLiteral("A saved run (a battery-data file) on standard output: CSV holds the "
                                    "samples, one row each, with the power drawn between two samples; JSON "
                                    "the batteries and the samples.\n"
                                    "Exit status: 0 done, 2 on a usage error or a file that cannot be read."));
    AddDataFileArgument(parser);
    const QCommandLineOption csv(QStringLiteral("csv"), QStringLiteral("CSV (RFC 4180); the default."));
    const QCommandLineOption json(QStringLiteral("json"), QStringLiteral("JSON."));
    parser.addOptions({csv, json});
    if (const std::optional<int> done = ParseCommandLine(parser, arguments))
        return *done;
    const QStringList files = CommandArguments(parser);
    if (files.size() != 1)
        return Fail(QStringLiteral("export takes one battery-data file"), kExitUsage);
    if (parser.isSet(csv) && parser.isSet(json))
        return Fail(QStringLiteral("--csv and --json exclude each other"), kExitUsage);

    BatteryData data;
    if (!ReadDataFile(files.first(), &data))
        return kExitUsage;
    WriteOut(parser.isSet(json) ? Json(data) : Csv(data));
    return kExitOk;
}

} // namespace ampora
