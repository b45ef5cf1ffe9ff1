#include "clientprocedures.h"

#include "feecrosstab.h"

namespace orbista::admin {

void registerClientProcedures() {
    // One line per subsystem that ships procedures.
    feecrosstab::registerProcedure();
}

}  // namespace orbista::admin
