#pragma once

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

namespace tidewell::test {

// One run of tidewell-cli: its exit status (-1 when it did not end normally in time) and what it printed.
struct CliRun {
    int status = -1;
    QString out;
    QString err;
};

// Runs tidewell-cli (the path the test target defines as TIDEWELL_CLI) with args: in folder when one is
// given, and with TIDEWELL_HOME set to home when one is given (else the test's own, e.g. from TestHome).
inline CliRun runCli(const QStringList &args, const QString &folder = {}, const QString &home = {},
                     int timeoutMs = 60000) {
    QProcess process;
    if (!folder.isEmpty()) {
        process.setWorkingDirectory(folder);
    }
    if (!home.isEmpty()) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("TIDEWELL_HOME"), home);
        process.setProcessEnvironment(environment);
    }
    process.start(QStringLiteral(TIDEWELL_CLI), args);
    CliRun run;
    if (!process.waitForFinished(timeoutMs) || process.exitStatus() != QProcess::NormalExit) {
        return run;
    }
    run.status = process.exitCode();
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

} // namespace tidewell::test
