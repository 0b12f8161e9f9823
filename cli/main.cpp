// ampora-cli: the battery facts, a monitoring run, and saved runs without a window. main()
// picks the command, makes the application object that command needs, and hands it the
// arguments.
#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "platform/StandardStreams.h"
#include "resources/Resources.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <cstring>
#include <memory>

namespace {

struct Command {
    const char* name;
    int (*run)(const QStringList& arguments);
    bool draws; // needs Qt's painting and fonts (an offscreen QApplication)
    const char* summary;
};

constexpr Command kCommands[] = {
    {"info", ampora::RunInfo, false, "Battery info, power status and System info"},
    {"record", ampora::RunRecord, false, "A monitoring run: the log and a battery-data file"},
    {"export", ampora::RunExport, false, "A battery-data file as CSV or JSON"},
    {"plot", ampora::RunPlot, true, "The graph of a battery-data file as a PNG image"},
};

const Command* FindCommand(const char* name)
{
    for (const Command& command : kCommands) {
        if (name && std::strcmp(name, command.name) == 0)
            return &command;
    }
    return nullptr;
}

std::unique_ptr<QCoreApplication> MakeApplication(const Command* command, int& argc, char** argv)
{
    if (command && command->draws) {
        // The graph is drawn into an image: no display is needed, nor used if there is one.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        // Where the offscreen platform reads the fonts of one folder (Windows) rather than
        // fontconfig's list, that folder is the system's.
        if (qEnvironmentVariableIsEmpty("QT_QPA_FONTDIR")) {
            const QString fonts = QStandardPaths::writableLocation(QStandardPaths::FontsLocation);
            if (!fonts.isEmpty() && QFileInfo(fonts).isDir())
                qputenv("QT_QPA_FONTDIR", QFile::encodeName(fonts));
        }
        return std::make_unique<QApplication>(argc, argv);
    }
    return std::make_unique<QCoreApplication>(argc, argv);
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
    std::unique_ptr<QCoreApplication> app = MakeApplication(command, argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("ampora-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(AMPORA_VERSION));

    // The words come from the same string table as the window's, in the same language.
    ampora::LoadTranslationModule();
    const int status = command ? command->run(QCoreApplication::arguments())
                               : RunProgram(QCoreApplication::arguments());
    ampora::UnloadTranslationModule();
    return status;
}
