#include "CliProcess.h"

#include <QProcess>

namespace ampora::test {

CliResult RunCli(const QStringList& arguments, const QString& sysfsRoot)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (!sysfsRoot.isEmpty())
        environment.insert(QStringLiteral("AMPORA_SYSFS_ROOT"), sysfsRoot);
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(AMPORA_BUILD_DIR "/ampora-cli"), arguments);
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
