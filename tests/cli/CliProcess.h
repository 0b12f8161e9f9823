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

// `sysfsRoot` stands for /sys (empty: the tests' empty tree).
CliResult RunCli(const QStringList& arguments, const QString& sysfsRoot = QString());

} // namespace ampora::test
