#pragma once

// Page texts checked against files kept under tests/golden: one text a line, UTF-8, so a
// changed printout shows up as a readable diff in review.
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <QTest>

namespace orbista::test {

// Compares `texts` (one per line) with tests/golden/<name>.txt under the source folder
// (ORBISTA_SOURCE_DIR). A missing file is written when ORBISTA_UPDATE_GOLDEN=1 is set and
// then passes; otherwise a missing or different file fails with a readable diff (first
// differing line, expected vs actual). Returns an empty string on success, else the message.
//
// A text holding a line break or a backslash is written escaped ("\n", "\r", "\\") so that
// each text stays on one line. An existing file is never rewritten: to accept a changed
// printout, delete the file and run again with ORBISTA_UPDATE_GOLDEN=1.
QString compareGolden(const QString& name, const QStringList& texts);

// Every match of `re` in each text replaced by `replacement` (for values that change from
// run to run, such as the time a report was made).
QStringList maskVolatile(QStringList texts, const QRegularExpression& re,
                         const QString& replacement);

}  // namespace orbista::test

#define ORBISTA_COMPARE_GOLDEN(name, texts)                                                    \
    do {                                                                                       \
        const QString orbistaGoldenMessage_ = ::orbista::test::compareGolden((name), (texts)); \
        QVERIFY2(orbistaGoldenMessage_.isEmpty(), qPrintable(orbistaGoldenMessage_));          \
    } while (false)
