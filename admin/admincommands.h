#pragma once

#include <QStringList>
#include <QTextStream>

namespace orbista::admin {

// Runs one orbista-admin command line (arguments[0] is the program) with results on stdout
// and messages on stderr; returns the exit code: 0 done, 1 failed or gaps found, 2 usage or
// no usable data-link file.
int run(const QStringList& arguments);
// The same, writing to the given streams.
int run(const QStringList& arguments, QTextStream& out, QTextStream& err);

}  // namespace orbista::admin
