#pragma once
// Runs the built ampora-cli as a separate process and keeps what it wrote.
#include <QByteArray>
#include <QProcessEnvironment>
#include <QStringList>

namespace ampora::test {

struct CliResult {
    int status = -1; // -1: it did not end normally
    QByteArray out;
    QByteArray err;
};

// `sysfsRoot` stands for /sys (empty: the tests' empty tree). `program` is the built
// ampora-cli unless a copy of it is named; the build folder is on its PATH, where Windows
// finds the libraries a copy elsewhere needs.
CliResult RunCli(const QStringList& arguments, const QString& sysfsRoot = QString(),
                 const QString& program = QString());

// The built ampora-cli and its plot module, as named on this platform.
QString CliProgram();
inline constexpr const char* kCliFileName = AMPORA_CLI_FILE;
inline constexpr const char* kPlotModuleFileName = AMPORA_PLOT_MODULE_FILE;

} // namespace ampora::test
