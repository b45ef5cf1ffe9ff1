#include "outpatientscreens.h"

#include "Unit_mzbm_total.h"
#include "Unit_mzbm_total_reports.h"
#include "Unit_recman_total.h"
#include "Unit_recman_total_reports.h"
#include "Unitfrmmz_depa_query.h"
#include "Unitfrmmz_depa_query_reports.h"
#include "Unitmz_query_cost_doctor.h"
#include "Unitmz_query_cost_human.h"
#include "Unitmz_query_cost_tk.h"
#include "Unitmz_query_cost_total.h"
#include "Unitmz_query_gh.h"
#include "Unitmz_query_recman.h"
#include "Unitmz_query_recman_reports.h"
#include "Unitmz_yrqd.h"
#include "cffcfbb.h"
#include "cffcfbb_reports.h"
#include "database.h"
#include "outpatientqueries_sql.h"
#include "screenregistry.h"

namespace orbista {

namespace {

template <typename Screen>
ScreenFactory factoryOf() {
    return [](QWidget* owner) { return new Screen(Database::shared(), owner); };
}

}  // namespace

void registerOutpatientScreens() {
    registerOutpatientQueries();
    registerScreen({QStringLiteral("Tfrmmz_query_cost_total"), factoryOf<Tfrmmz_query_cost_total>(),
                    QStringLiteral("Unitmz_query_cost_total"), costtotal::printouts()});
    registerScreen({QStringLiteral("Tfrmmz_query_cost_doctor"),
                    factoryOf<Tfrmmz_query_cost_doctor>(),
                    QStringLiteral("Unitmz_query_cost_doctor"), doctorincome::printouts()});
    registerScreen({QStringLiteral("Tfrmmz_query_gh"), factoryOf<Tfrmmz_query_gh>(),
                    QStringLiteral("Unitmz_query_gh"), registrationquery::printouts()});
    registerScreen({QStringLiteral("Tfrmmz_query_cost_human"),
                    factoryOf<Tfrmmz_query_cost_human>(),
                    QStringLiteral("Unitmz_query_cost_human"),
                    {}});
    registerScreen({QStringLiteral("Tfrmmz_query_cost_tk"),
                    factoryOf<Tfrmmz_query_cost_tk>(),
                    QStringLiteral("Unitmz_query_cost_tk"),
                    {}});
    registerScreen({QStringLiteral("Tfrmmz_yrqd"), factoryOf<Tfrmmz_yrqd>(),
                    QStringLiteral("Unitmz_yrqd"), onedaylist::printouts()});
    for (const FeeCrossTabScreen::Variant& v : FeeCrossTabScreen::variants()) {
        registerScreen(
            {v.className,
             [v](QWidget* owner) { return new FeeCrossTabScreen(Database::shared(), v, owner); },
             QStringLiteral("Unit_mzbm_total"), feecrosstab::printouts(v.by)});
    }
    for (const FeeStatisticsScreen::Variant& v : FeeStatisticsScreen::variants()) {
        registerScreen(
            {v.className,
             [&v](QWidget* owner) { return new FeeStatisticsScreen(Database::shared(), v, owner); },
             QStringLiteral("Unitfrmmz_depa_query"), feestatistics::printouts(v.by)});
    }
    registerScreen({QStringLiteral("Tfrmmz_query_recman"), factoryOf<Tfrmmz_query_recman>(),
                    QStringLiteral("Unitmz_query_recman"), cashierday::printouts()});
    registerScreen({QStringLiteral("Tfrm_recan_total"), factoryOf<Tfrm_recan_total>(),
                    QStringLiteral("Unit_recman_total"), cashiertakings::printouts()});
    registerScreen({QStringLiteral("Tcf_form"), factoryOf<Tcf_form>(), QStringLiteral("cffcfbb"),
                    prescriptioncharges::printouts()});
}

}  // namespace orbista
