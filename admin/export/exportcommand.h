#pragma once

#include <QStringList>
#include <QTextStream>

namespace orbista::admin {

// Adds "export" to orbista-admin:
//   export --list
//   export CLASS [PRINTOUT] --from yyyy-mm-dd --to yyyy-mm-dd [--set NAME=VALUE]...
//          (--pdf FILE | --xlsx FILE | --csv FILE) [--operator CODE]
// Exit status: 0 written, 1 nothing found (or the query failed), 2 bad arguments, an unknown
// class, printout or filter, or a data-link problem.
void registerExportCommand();
int runExport(const QStringList& options, QTextStream& out, QTextStream& err);

}  // namespace orbista::admin
