#include "golden.h"

#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace orbista::test {

namespace {

constexpr qsizetype kShownLines = 40;  // of the texts, when the file is missing

QString escaped(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        if (c == u'\\') {
            out += QStringLiteral("\\\\");
        } else if (c == u'\n') {
            out += QStringLiteral("\\n");
        } else if (c == u'\r') {
            out += QStringLiteral("\\r");
        } else {
            out += c;
        }
    }
    return out;
}

QStringList escapedLines(const QStringList& texts) {
    QStringList lines;
    lines.reserve(texts.size());
    for (const QString& t : texts) {
        lines << escaped(t);
    }
    return lines;
}

// The lines of a golden file as written (still escaped); a final line break ends the last
// line, and line breaks written as CR LF count as one.
QStringList fileLines(const QByteArray& content) {
    QString text = QString::fromUtf8(content);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (text.isEmpty()) {
        return {};
    }
    if (text.endsWith(u'\n')) {
        text.chop(1);
    }
    return text.split(u'\n');
}

QString shown(const QStringList& lines, qsizetype i, const QString& past) {
    return i < lines.size() ? u'"' + lines[i] + u'"' : past;
}

}  // namespace

QString compareGolden(const QString& name, const QStringList& texts) {
    const QString root = sourceDir();
    if (root.isEmpty()) {
        return QStringLiteral("golden %1: ORBISTA_SOURCE_DIR is not set").arg(name);
    }
    const QString relative = QStringLiteral("tests/golden/%1.txt").arg(name);
    const QString path = QDir(root).filePath(relative);
    const QStringList actual = escapedLines(texts);

    QFile file(path);
    if (!file.exists()) {
        if (qEnvironmentVariable("ORBISTA_UPDATE_GOLDEN") == u"1") {
            QDir().mkpath(QFileInfo(path).absolutePath());
            QSaveFile out(path);
            QByteArray content;
            for (const QString& line : actual) {
                content += line.toUtf8() + '\n';
            }
            if (!out.open(QIODevice::WriteOnly) || out.write(content) != content.size() ||
                !out.commit()) {
                return QStringLiteral("golden %1: cannot write %2: %3")
                    .arg(name, path, out.errorString());
            }
            qInfo("wrote %s", qPrintable(relative));
            return {};
        }
        QString message =
            QStringLiteral(
                "golden %1: %2 is missing; run with ORBISTA_UPDATE_GOLDEN=1 to write it. "
                "The texts (%3):")
                .arg(name, relative)
                .arg(actual.size());
        for (qsizetype i = 0; i < actual.size() && i < kShownLines; ++i) {
            message += QStringLiteral("\n  %1").arg(actual[i]);
        }
        if (actual.size() > kShownLines) {
            message += QStringLiteral("\n  ...");
        }
        return message;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        return QStringLiteral("golden %1: cannot read %2: %3").arg(name, path, file.errorString());
    }
    const QStringList expected = fileLines(file.readAll());
    if (expected == actual) {
        return {};
    }
    qsizetype i = 0;
    while (i < expected.size() && i < actual.size() && expected[i] == actual[i]) {
        ++i;
    }
    return QStringLiteral(
               "golden %1: %2 differs at line %3 (%4 lines expected, %5 given)\n"
               "  expected: %6\n"
               "  actual:   %7\n"
               "To accept the new texts, delete the file and run with ORBISTA_UPDATE_GOLDEN=1.")
        .arg(name, relative)
        .arg(i + 1)
        .arg(expected.size())
        .arg(actual.size())
        .arg(shown(expected, i, QStringLiteral("(end of file)")),
             shown(actual, i, QStringLiteral("(no more texts)")));
}

QStringList maskVolatile(QStringList texts, const QRegularExpression& re,
                         const QString& replacement) {
    for (QString& t : texts) {
        t.replace(re, replacement);
    }
    return texts;
}

}  // namespace orbista::test
