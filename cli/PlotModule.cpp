#include "cli/PlotModule.h"
#include "cli/CommandLine.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>

namespace ampora {

QStringList PlotModulePaths(const QString& programDir)
{
    QStringList paths{QDir(programDir).filePath(QStringLiteral(AMPORA_PLOT_MODULE_FILE))};
    const QString installed = QStringLiteral(AMPORA_PLOT_MODULE_INSTALLED_DIR);
    if (!installed.isEmpty()) {
        paths << QDir::cleanPath(QDir(programDir).filePath(installed + QLatin1Char('/')
                                                          + QStringLiteral(AMPORA_PLOT_MODULE_FILE)));
    }
    paths.removeDuplicates();
    return paths;
}

int RunPlotModule(int argc, char** argv)
{
    // The program's folder is Qt's to find; the object that finds it is gone again before the
    // module makes the QApplication it draws with.
    QStringList paths;
    {
        QCoreApplication finder(argc, argv);
        paths = PlotModulePaths(QCoreApplication::applicationDirPath());
    }
    // The first module found is the one used: a damaged one is reported, not passed over for
    // another that may belong to another version.
    for (const QString& path : paths) {
        if (!QFileInfo(path).isFile())
            continue;
        QLibrary library(path);
        const auto entry = reinterpret_cast<PlotModuleEntry>(library.resolve(kPlotModuleEntry));
        if (!entry) {
            return Fail(QStringLiteral("cannot draw: the plot module %1 cannot be loaded: %2")
                            .arg(QDir::toNativeSeparators(path), library.errorString()),
                        kExitUsage);
        }
        return entry(argc, argv);
    }
    QStringList shown;
    for (const QString& path : paths)
        shown << QDir::toNativeSeparators(path);
    return Fail(QStringLiteral("cannot draw: the plot module is missing (looked for %1)")
                    .arg(shown.join(QStringLiteral(", "))),
                kExitUsage);
}

} // namespace ampora
