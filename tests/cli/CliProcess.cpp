#include "CliProcess.h"

#include <QDir>
#include <QProcess>

namespace ampora::test {

QString CliProgram()
{
    return QStringLiteral(AMPORA_BUILD_DIR "/") + QLatin1String(kCliFileName);
}

CliResult RunCli(const QStringList& arguments, const QString& sysfsRoot, const QString& program)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (!sysfsRoot.isEmpty())
        environment.insert(QStringLiteral("AMPORA_SYSFS_ROOT"), sysfsRoot);
    environment.insert(QStringLiteral("PATH"), QDir::toNativeSeparators(QStringLiteral(AMPORA_BUILD_DIR))
                                                   + QDir::listSeparator()
                                                   + environment.value(QStringLiteral("PATH")));
    process.setProcessEnvironment(environment);
    process.start(program.isEmpty() ? CliProgram() : program, arguments);
    CliResult result;
    if (!process.waitForFinished(120000)) {
        process.kill();
        process.waitForFinished();
        return result;
    }
    result.out = process.readAllStandardOutput();
    result.err = process.readAllStandardError();
    if (process.exitStatus() == QProcess::NormalExit)
        result.status = process.exitCode();
    return result;
}

} // namespace ampora::test
