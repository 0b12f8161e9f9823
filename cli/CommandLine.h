#pragma once
// What every command of ampora-cli shares: reading its arguments, and writing to the standard
// streams.
#include <QString>
#include <QStringList>

#include <cstdio>
#include <optional>

class QCommandLineParser;

namespace ampora {

struct BatteryData;

// Exit statuses shared by the commands.
inline constexpr int kExitOk = 0;
inline constexpr int kExitUsage = 2;

// Gives the application object the program's name and version (--version).
void NameApplication();

// Prepares `parser` for one command: its description, --help, and the command's name as the
// first positional argument (so the usage line reads "ampora-cli [options] info ..."). The
// command adds its own options and positional arguments after this.
void BeginCommandLine(QCommandLineParser& parser, const QString& command, const QString& description);

// Reads a command's arguments (program, command, then the rest). Gives an exit status when the
// command is done already: 0 after --help (the help is on standard output), 2 after a usage
// error (the message is on standard error). Otherwise nothing, and `parser` holds the arguments.
std::optional<int> ParseCommandLine(QCommandLineParser& parser, const QStringList& arguments);

// The positional arguments after the command name.
QStringList CommandArguments(const QCommandLineParser& parser);

// The battery-data file a command reads, as its positional argument "FILE.apd".
void AddDataFileArgument(QCommandLineParser& parser);

// Reads a battery-data file. False after the window's message on standard error (a file that
// cannot be opened or is damaged); a file cut inside its samples gives its whole samples, after
// the window's warning.
bool ReadDataFile(const QString& path, BatteryData* data);

// Writes `text` in UTF-8 to standard output or standard error, as it stands, flushed at once.
// WriteTo writes to any stream; a null stream writes nothing.
void WriteTo(std::FILE* stream, const QString& text);
void WriteOut(const QString& text);
void WriteOut(const QByteArray& bytes);
void WriteError(const QString& text);

// "ampora-cli: <message>" and a line break on standard error; gives `status`.
int Fail(const QString& message, int status);

} // namespace ampora
