#include "app/clicommands.h"

#include <cstdio>
#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tidewell-cli"));
    QTextStream out(stdout);
    QTextStream err(stderr);
    const int status = tidewell::app::runCli(QCoreApplication::arguments().mid(1), out, err);
    out.flush();
    err.flush();
    return status;
}
