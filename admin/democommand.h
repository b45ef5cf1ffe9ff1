#pragma once

#include <QStringList>
#include <QTextStream>

namespace orbista::admin {

// "demo DIR [--days N] [--seed S] [--end yyyy-mm-dd] [--force]": writes a demo database and
// its data-link file into DIR. Progress lines and the per-table summary go to `out`, problems
// to `err`. Returns 0 when done, 1 when it failed or would overwrite, 2 for a bad command line.
int runDemo(const QStringList& options, QTextStream& out, QTextStream& err);

// The usage lines of the command, for the tool's usage text.
const char* demoUsage();

}  // namespace orbista::admin
