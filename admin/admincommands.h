#pragma once

#include <QStringList>

namespace orbista::admin {

// Runs one orbista-admin command line (arguments()[0] is the program); returns the exit code.
int run(const QStringList& arguments);

}  // namespace orbista::admin
