#pragma once
// The commands of ampora-cli. Each takes its own arguments as QCommandLineParser reads them:
// the first one names the program and the command ("ampora-cli info"), the rest follow as the
// user typed them. Each returns the program's exit status: 0 done, 2 a usage error; 1 and the
// others as each command says. main() has made the application object the command needs.
#include <QStringList>

namespace ampora {

// Battery info, power status and System info of this machine. 1: no battery.
int RunInfo(const QStringList& arguments);
// A monitoring run without a window.
int RunRecord(const QStringList& arguments);
// A saved run as CSV or JSON. 2 also for a file that cannot be read.
int RunExport(const QStringList& arguments);
// The graph of a saved run as a PNG. 2 also for a file that cannot be read.
int RunPlot(const QStringList& arguments);

} // namespace ampora
