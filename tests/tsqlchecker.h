#pragma once

// Runs the T-SQL grammar check (tools/tsqlcheck) from tests, since no SQL Server runs here.
#include <QString>
#include <QStringList>

namespace orbista::test {

struct TsqlCheck {
    int exitCode = -1;
    QString output;  // stdout and stderr of the checker
};

QString checkerScript();
QString nodeProgram();
// Why the checker cannot run here, or empty when it can.
QString checkerUnavailable();
TsqlCheck runChecker(const QStringList& files);
// Checks ad-hoc statements (":a1" placeholders allowed), each as its own batch, in one run of
// the checker. On failure the output names the statement by its 1-based number and quotes it.
TsqlCheck checkStatements(const QStringList& statements);

}  // namespace orbista::test
