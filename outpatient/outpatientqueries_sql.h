#pragma once

namespace orbista {

// Registers the query units of the outpatient screens: their statements, default queries and
// the stored procedures they call (T-SQL and embedded bodies). Links only the database layer.
void registerOutpatientQueries();

}  // namespace orbista
