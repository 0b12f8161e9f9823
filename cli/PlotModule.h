#pragma once
// plot draws with the window's graph control, which needs Qt Gui and Widgets; it lives in a
// module of its own (ampora-plot), loaded only when plot is asked for, so that info, record and
// export never map those libraries. The module exports one C function, its own main(): it
// makes the offscreen QApplication it draws with and runs plot.
#include <QString>
#include <QStringList>

namespace ampora {

// The module's exported function.
inline constexpr const char* kPlotModuleEntry = "ampora_plot_main";
using PlotModuleEntry = int (*)(int argc, char** argv);

// Where the module is looked for, in this order: beside the program (the build tree, Windows),
// then where it is installed, relative to the program (Linux: ../lib/<arch>/ampora).
QStringList PlotModulePaths(const QString& programDir);

// Runs plot through its module: with no application object in existence (the module makes
// its own). A module that is missing, cannot be loaded or lacks its function gives
// "cannot draw: ..." on standard error and status 2.
int RunPlotModule(int argc, char** argv);

} // namespace ampora
