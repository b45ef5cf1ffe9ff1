#pragma once

#include <QSqlDatabase>

namespace orbista {

// Replaces SQLite's sum(), total() and round() on this connection with exact decimal
// versions: each term is taken to four decimals (the server's money precision) and added in
// integers, and round() rounds half away from zero on the decimal value, as SQL Server does.
// Without this, five years of charges summed in binary floating point drift by cents.
void installExactMoneyFunctions(const QSqlDatabase& db);

}  // namespace orbista
