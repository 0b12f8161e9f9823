#include "cli/CommandLine.h"

#include "monitor/BatteryDataFile.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

namespace ampora {

void NameApplication()
{
    QCoreApplication::setApplicationName(QStringLiteral("ampora-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(AMPORA_VERSION));
}

void BeginCommandLine(QCommandLineParser& parser, const QString& command, const QString& description)
{
    parser.setApplicationDescription(description);
    parser.addHelpOption();
    parser.addPositionalArgument(command, QString(), command);
}

std::optional<int> ParseCommandLine(QCommandLineParser& parser, const QStringList& arguments)
{
    if (!parser.parse(arguments))
        return Fail(parser.errorText(), kExitUsage);
    if (parser.isSet(QStringLiteral("help"))) {
        WriteOut(parser.helpText());
        return kExitOk;
    }
    return std::nullopt;
}

QStringList CommandArguments(const QCommandLineParser& parser)
{
    return parser.positionalArguments().mid(1);
}

void AddDataFileArgument(QCommandLineParser& parser)
{
    parser.addPositionalArgument(QStringLiteral("file"), QStringLiteral("The battery-data file (.apd)."),
                                 QStringLiteral("FILE.apd"));
}

bool ReadDataFile(const QString& path, BatteryData* data)
{
    const DataFileResult result = ReadBatteryDataFile(path, data);
    if (!result.Loaded()) {
        Fail(result.error, kExitUsage);
        return false;
    }
    if (result.status == DataFileStatus::Partial)
        WriteError(result.error + QLatin1Char('\n'));
    return true;
}

namespace {

void WriteBytes(std::FILE* stream, const QByteArray& bytes)
{
    if (!stream)
        return;
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
    std::fflush(stream);
}

} // namespace

void WriteTo(std::FILE* stream, const QString& text)
{
    WriteBytes(stream, text.toUtf8());
}

void WriteOut(const QByteArray& bytes)
{
    WriteBytes(stdout, bytes);
}

void WriteOut(const QString& text)
{
    WriteTo(stdout, text);
}

void WriteError(const QString& text)
{
    WriteTo(stderr, text);
}

int Fail(const QString& message, int status)
{
    WriteError(QStringLiteral("ampora-cli: ") + message + QLatin1Char('\n'));
    return status;
}

} // namespace ampora
