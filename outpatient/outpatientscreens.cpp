#include "outpatientscreens.h"

#include "Unit_mzbm_total.h"
#include "Unit_mzbm_total_reports.h"
#include "Unitmz_query_cost_doctor.h"
#include "Unitmz_query_cost_total.h"
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
    for (const FeeCrossTabScreen::Variant& v : FeeCrossTabScreen::variants()) {
        registerScreen(
            {v.className,
             [v](QWidget* owner) { return new FeeCrossTabScreen(Database::shared(), v, owner); },
             QStringLiteral("Unit_mzbm_total"), feecrosstab::printouts(v.by)});
    }
}

}  // namespace orbista
