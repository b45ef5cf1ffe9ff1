#include "outpatientqueries_sql.h"

#include "Unit_mzbm_total_sql.h"
#include "Unit_recman_total_sql.h"
#include "Unitfrmmz_depa_query_sql.h"
#include "Unitmz_query_cost_doctor_sql.h"
#include "Unitmz_query_cost_human_sql.h"
#include "Unitmz_query_cost_tk_sql.h"
#include "Unitmz_query_cost_total_sql.h"
#include "Unitmz_query_gh_sql.h"
#include "Unitmz_query_recman_sql.h"
#include "Unitmz_yrqd_sql.h"
#include "cffcfbb_sql.h"

namespace orbista {

void registerOutpatientQueries() {
    registerQueryUnit(costtotal::queryUnit());
    registerQueryUnit(doctorincome::queryUnit());
    registerQueryUnit(feecrosstab::queryUnit());
    registerQueryUnit(feestatistics::queryUnit());
    registerQueryUnit(cashierday::queryUnit());
    registerQueryUnit(cashiertakings::queryUnit());
    registerQueryUnit(prescriptioncharges::queryUnit());
    registerQueryUnit(registrationquery::queryUnit());
    registerQueryUnit(patientfees::queryUnit());
    registerQueryUnit(refundquery::queryUnit());
    registerQueryUnit(onedaylist::queryUnit());
}

}  // namespace orbista
