#pragma once

namespace orbista::admin {

// Registers every stored procedure the client calls (T-SQL and embedded bodies), so init can
// create them on SQL Server and check can look for them.
void registerClientProcedures();

}  // namespace orbista::admin
