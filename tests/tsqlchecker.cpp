#include "tsqlchecker.h"

#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace orbista::test {

QString checkerScript() {
    return QDir(sourceDir()).filePath(QStringLiteral("tools/tsqlcheck/check.js"));
}

QString nodeProgram() {
    QString node = QStandardPaths::findExecutable(QStringLiteral("node"));
    return node.isEmpty() ? QStandardPaths::findExecutable(QStringLiteral("nodejs")) : node;
}

QString checkerUnavailable() {
    if (sourceDir().isEmpty()) {
        return QStringLiteral("ORBISTA_SOURCE_DIR is not set (run the test through ctest)");
    }
    if (nodeProgram().isEmpty()) {
        return QStringLiteral("node is not installed (apt-get install nodejs npm)");
    }
    const QString modules = QFileInfo(checkerScript()).absolutePath() +
                            QStringLiteral("/node_modules/antlr4ts-sql/package.json");
    if (!QFileInfo::exists(modules)) {
        return QStringLiteral(
            "the T-SQL checker's packages are missing: run "
            "`npm ci --prefix tools/tsqlcheck` in the source folder "
            "(or scripts/tsqlcheck-setup.sh)");
    }
    return {};
}

TsqlCheck runChecker(const QStringList& files) {
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(nodeProgram(), QStringList{checkerScript()} + files);
    TsqlCheck result;
    if (!process.waitForFinished(120000)) {
        result.output = QStringLiteral("checker did not finish: ") + process.errorString();
        process.kill();
        process.waitForFinished();
        return result;
    }
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.output = QString::fromUtf8(process.readAll());
    return result;
}

TsqlCheck checkStatements(const QStringList& statements) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("statements.sql"));
    QFile file(path);
    QList<int> firstLines;  // of each statement in the file
    int line = 1;
    if (!dir.isValid() || !file.open(QIODevice::WriteOnly)) {
        return {-1, QStringLiteral("cannot write ") + path};
    }
    for (const QString& statement : statements) {
        firstLines.append(line);
        file.write(statement.toUtf8() + "\nGO\n");
        line += int(statement.count(u'\n')) + 2;
    }
    file.close();

    TsqlCheck result = runChecker({path});
    static const QRegularExpression errorLine(QStringLiteral("^.*:(\\d+):(\\d+): (.*)$"),
                                              QRegularExpression::MultilineOption);
    QString explained;
    for (auto it = errorLine.globalMatch(result.output); it.hasNext();) {
        const auto match = it.next();
        const int fileLine = match.captured(1).toInt();
        qsizetype index = firstLines.size() - 1;
        while (index > 0 && firstLines[index] > fileLine) {
            --index;
        }
        explained += QStringLiteral("statement %1, line %2, column %3: %4\n    %5\n")
                         .arg(index + 1)
                         .arg(fileLine - firstLines[index] + 1)
                         .arg(match.captured(2), match.captured(3), statements[index]);
    }
    if (!explained.isEmpty()) {
        result.output = explained;
    }
    return result;
}

}  // namespace orbista::test
