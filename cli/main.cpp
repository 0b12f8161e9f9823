// ampora-cli: the battery facts, a monitoring run, and saved runs without a window. main()
// picks the command, makes its application object, and hands it the arguments; plot runs in
// its module (cli/PlotModule.h), which makes its own.
#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "cli/PlotModule.h"
#include "platform/StandardStreams.h"
#include "resources/TranslationModule.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstring>

namespace {

struct Command {
    const char* name;
    int (*run)(const QStringList& arguments); // null: the plot module runs it
    const char* summary;
};

constexpr Command kCommands[] = {
    {"info", ampora::RunInfo, "Battery info, power status and System info"},
    {"record", ampora::RunRecord, "A monitoring run: the log and a battery-data file"},
    {"export", ampora::RunExport, "A battery-data file as CSV or JSON"},
    {"plot", nullptr, "The graph of a battery-data file as a PNG image"},
};

const Command* FindCommand(const char* name)
{
    for (const Command& command : kCommands) {
        if (name && std::strcmp(name, command.name) == 0)
            return &command;
    }
    return nullptr;
}

// The program's own arguments: --help, --version, and the command.
int RunProgram(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Ampora's battery facts and runs without a window."));
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    parser.addHelpOption();
    parser.addVersionOption();
    QString commands = QStringLiteral("The command:");
    for (const Command& command : kCommands)
        commands += QStringLiteral("\n  %1  %2").arg(QLatin1String(command.name), -7).arg(QLatin1String(command.summary));
    commands += QStringLiteral("\n\"ampora-cli <command> --help\" describes a command.");
    parser.addPositionalArgument(QStringLiteral("command"), commands, QStringLiteral("<command> [options]"));
    if (!parser.parse(arguments))
        return ampora::Fail(parser.errorText(), ampora::kExitUsage);
    if (parser.isSet(QStringLiteral("version"))) {
        ampora::WriteOut(QStringLiteral("ampora-cli %1\n").arg(QCoreApplication::applicationVersion()));
        return ampora::kExitOk;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        ampora::WriteOut(parser.helpText());
        return ampora::kExitOk;
    }
    const QStringList positional = parser.positionalArguments();
    if (positional.isEmpty()) {
        ampora::WriteError(parser.helpText());
        return ampora::kExitUsage;
    }
    return ampora::Fail(QStringLiteral("unknown command \"%1\"; see ampora-cli --help").arg(positional.first()),
                        ampora::kExitUsage);
}

} // namespace

int main(int argc, char** argv)
{
    // What the commands write is what lands: a CSV's CR LF, a JSON's LF, on every platform.
    ampora::UseBinaryStandardStreams();
    const Command* command = FindCommand(argc > 1 ? argv[1] : nullptr);
    if (command && !command->run)
        return ampora::RunPlotModule(argc, argv);
    // Qt's own event dispatcher rather than glib's: record's one wake-up a second then costs a
    // poll() and the timer's work, not glib's main-loop round (its sources, its wake-up pipe).
    // Nothing here needs glib's loop. The user's own setting stands.
    if (!qEnvironmentVariableIsSet("QT_NO_GLIB"))
        qputenv("QT_NO_GLIB", "1");
    QCoreApplication app(argc, argv);
    ampora::NameApplication();

    // The words come from the same string table as the window's, in the same language.
    ampora::LoadTranslationModule();
    const int status = command ? command->run(QCoreApplication::arguments())
                               : RunProgram(QCoreApplication::arguments());
    ampora::UnloadTranslationModule();
    return status;
}
