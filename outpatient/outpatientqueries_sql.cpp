#include "outpatientqueries_sql.h"

#include "Unit_mzbm_total_sql.h"
#include "Unitmz_query_cost_doctor_sql.h"
#include "Unitmz_query_cost_total_sql.h"

namespace orbista {

void registerOutpatientQueries() {
    registerQueryUnit(costtotal::queryUnit());
    registerQueryUnit(doctorincome::queryUnit());
    registerQueryUnit(feecrosstab::queryUnit());
}

}  // namespace orbista
