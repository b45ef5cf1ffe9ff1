#include "Unitmz_query_gh_sql.h"

#include "dayrange.h"

namespace orbista::registrationquery {

namespace {

// The start day goes into a3 and the end day into a2, as the registration desk wrote them.
Statement days(const Filter& f, bool parenthesised = false) {
    DayForm form = DayForm::varchar20().named(QStringLiteral(":a3"), QStringLiteral(":a2"));
    if (parenthesised) {
        form = form.inParentheses();
    }
    return dayRange(QStringLiteral("indate"), f.startDay, f.endDay, form);
}

Statement pattern(const QString& value) {
    return {QStringLiteral(":a1"), {{QStringLiteral(":a1"), value}}};
}

}  // namespace

Statement registrations(const Filter& f) {
    const QString head = QStringLiteral("select * from mz_gh\n where ");
    const QString orderByCode = QStringLiteral("\n order by code");
    switch (f.mode) {
        case Mode::PatientId:
            if (f.patientId.isEmpty()) {
                return QStringLiteral("select * from mz_gh where ") + days(f);
            }
            return QStringLiteral("select * from mz_gh where code like ") +
                   pattern(likeContains(f.patientId)) + QStringLiteral(" escape '\\' and ") +
                   days(f);
        case Mode::Department:
            if (!f.departmentChosen) {
                return head + days(f) + orderByCode;
            }
            return head + QStringLiteral("(indepa like ") + pattern(likeSuffix(f.departmentName)) +
                   QStringLiteral(" escape '\\') and ") + days(f) + orderByCode;
        case Mode::Clerk:
            break;
    }
    return head + QStringLiteral("(recman like ") + pattern(likeContains(f.clerk)) +
           QStringLiteral(" escape '\\') and ") + days(f, true) + orderByCode;
}

QueryUnit queryUnit() {
    return {QStringLiteral("Unitmz_query_gh"),
            [] {
                Filter patient{Mode::PatientId};
                Filter department{Mode::Department};
                Filter clerk{Mode::Clerk};
                QStringList texts{registrations(patient).sql, registrations(department).sql,
                                  registrations(clerk).sql};
                patient.patientId = QStringLiteral("12");
                department.departmentChosen = true;
                texts << registrations(patient).sql << registrations(department).sql;
                return texts;
            },
            {},
            [](const QString& start, const QString& end) {
                Filter f;
                f.startDay = start;
                f.endDay = end;
                return registrations(f);
            }};
}

}  // namespace orbista::registrationquery
