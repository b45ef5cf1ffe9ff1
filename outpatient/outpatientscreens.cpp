#include "outpatientscreens.h"

#include "Unit_mzbm_total.h"
#include "Unitmz_query_cost_doctor.h"
#include "Unitmz_query_cost_total.h"
#include "database.h"
#include "feecrosstab.h"
#include "screenregistry.h"

namespace orbista {

void registerOutpatientScreens() {
    feecrosstab::registerProcedure();
    registerScreen(QStringLiteral("Tfrmmz_query_cost_total"), [](QWidget* owner) {
        return new Tfrmmz_query_cost_total(Database::shared(), owner);
    });
    registerScreen(QStringLiteral("Tfrmmz_query_cost_doctor"), [](QWidget* owner) {
        return new Tfrmmz_query_cost_doctor(Database::shared(), owner);
    });
    registerScreen(QStringLiteral("TForm2"),
                   [](QWidget* owner) { return new TForm2(Database::shared(), owner); });
    registerScreen(QStringLiteral("TForm3"),
                   [](QWidget* owner) { return new TForm3(Database::shared(), owner); });
}

}  // namespace orbista
