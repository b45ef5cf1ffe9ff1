#pragma once

#include <QStringList>
#include <QTextStream>

#include <functional>

namespace orbista::admin {

// A command added by a library that run() cannot link itself (the export needs the report
// engine and the screens): its options after the command word, and the two streams.
using Command = std::function<int(const QStringList& options, QTextStream& out, QTextStream& err)>;
void addCommand(const QString& name, const QString& usage, Command command);

// Runs one orbista-admin command line (arguments[0] is the program) with results on stdout
// and messages on stderr; returns the exit code: 0 done, 1 failed or gaps found, 2 usage or
// no usable data-link file.
int run(const QStringList& arguments);
// The same, writing to the given streams.
int run(const QStringList& arguments, QTextStream& out, QTextStream& err);

}  // namespace orbista::admin
