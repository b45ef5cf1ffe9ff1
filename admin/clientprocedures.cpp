#include "clientprocedures.h"

#include "outpatientqueries_sql.h"

namespace orbista::admin {

void registerClientProcedures() {
    // One line per subsystem: its query units and the procedures they ship.
    registerOutpatientQueries();
}

}  // namespace orbista::admin
