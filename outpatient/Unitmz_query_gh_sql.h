#pragma once

#include "queryunit.h"

namespace orbista::registrationquery {

// Which registrations the operator asks for.
enum class Mode { PatientId, Department, Clerk };

struct Filter {
    Mode mode = Mode::Department;
    QString patientId{};            // part of the outpatient ID; empty for every patient
    bool departmentChosen = false;  // a department code was given
    QString departmentName{};       // registrations of departments whose name ends with it
    QString clerk{};                // part of the clerk's name
    QString startDay{};             // "yyyy-mm-dd"
    QString endDay{};
};

// The registrations of the period under the filter: every mz_gh column. Patient IDs come
// in the database's order, the other modes ordered by code.
Statement registrations(const Filter& filter);

// Its statements and default query (every registration of the period).
QueryUnit queryUnit();

}  // namespace orbista::registrationquery
