// The record command: a monitoring run without a window (cli/RecordSession.h).
#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "cli/RecordSession.h"

#include "monitor/BatteryDataFile.h"
#include "platform/Backends.h"
#include "platform/PowerEventFactory.h"
#include "platform/PowerEvents.h"

#include <QCommandLineParser>

namespace ampora {

int RunRecord(const QStringList& arguments)
{
    QCommandLineParser parser;
    BeginCommandLine(parser, QStringLiteral("record"),
                     QStringLiteral("A monitoring run without a window: a tick every second, a sample every ten "
                                    "seconds written to the log (as the window writes it), and at the end, "
                                    "however the run ends (its length, Ctrl+C, SIGTERM, stand-by, a battery "
                                    "added or removed), a battery-data file with every sample taken. A "
                                    "progress line is shown on a terminal only."));
    const QCommandLineOption minutes(QStringLiteral("minutes"),
                                     QStringLiteral("The run's length, %1 to %2 minutes.")
                                         .arg(kRecordMinMinutes)
                                         .arg(kRecordMaxMinutes),
                                     QStringLiteral("N"));
    const QCommandLineOption log(QStringLiteral("log"),
                                 QStringLiteral("The log file (default: %1 in the current folder).")
                                     .arg(QLatin1String(kLogFileName)),
                                 QStringLiteral("FILE"));
    const QCommandLineOption save(QStringLiteral("save"),
                                  QStringLiteral("The battery-data file of the run (\".apd\" is added unless "
                                                 "the name holds it; default: %1 in the current folder).")
                                      .arg(QLatin1String(kRecordDataFileName)),
                                  QStringLiteral("FILE.apd"));
    const QCommandLineOption compare(QStringLiteral("compare"),
                                     QStringLiteral("A saved run to compare with: the run then lasts as long "
                                                    "as the saved one did."),
                                     QStringLiteral("FILE.apd"));
    parser.addOptions({minutes, log, save, compare});
    if (const std::optional<int> done = ParseCommandLine(parser, arguments))
        return *done;
    if (!CommandArguments(parser).isEmpty())
        return Fail(QStringLiteral("record takes no file name: %1").arg(CommandArguments(parser).first()), kExitUsage);
    if (!parser.isSet(minutes))
        return Fail(QStringLiteral("record needs --minutes N (%1 to %2)").arg(kRecordMinMinutes).arg(kRecordMaxMinutes),
                    kExitUsage);
    bool number = false;
    const int length = parser.value(minutes).toInt(&number);
    if (!number || length < kRecordMinMinutes || length > kRecordMaxMinutes)
        return Fail(QStringLiteral("--minutes takes a whole number from %1 to %2, not \"%3\"")
                        .arg(kRecordMinMinutes)
                        .arg(kRecordMaxMinutes)
                        .arg(parser.value(minutes)),
                    kExitUsage);

    RecordOptions options;
    options.minutes = length;
    if (parser.isSet(log))
        options.logPath = parser.value(log);
    if (parser.isSet(save))
        options.savePath = CompleteDataFileName(parser.value(save));
    if (parser.isSet(compare))
        options.comparePath = CompleteDataFileName(parser.value(compare));
    for (const QString& path : {options.logPath, options.savePath}) {
        if (path.isEmpty())
            return Fail(QStringLiteral("an empty file name"), kExitUsage);
    }

    Backends backends = MakeBackends();
    const std::unique_ptr<PowerEventSource> events = MakePowerEventSource();
    RecordSession session(backends, events.get(), options);
    session.SetStreams(stderr, IsTerminal(stdout) ? stdout : nullptr);
    return session.Run();
}

} // namespace ampora
