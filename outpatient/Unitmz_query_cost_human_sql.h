#pragma once

#include "money.h"
#include "queryunit.h"

namespace orbista {
class ResultSet;
}

namespace orbista::patientfees {

// Whose charges: the patient's name or outpatient ID holds the typed text.
enum class Mode { PatientName, PatientId };

// The charges of one day whose patient name (zman) or outpatient number (code) holds `typed`
// anywhere; every charge of the day when it is empty. Every mz_cost column.
Statement charges(Mode mode, const QString& typed, const QString& day);

// fyprice added up exactly over every row; NULL amounts count as nothing.
Money totalOf(ResultSet& charges);
// The shortest plain decimal form of an amount: 92.3, 80, 0.05, -1.5.
QString shortestText(Money amount);

// Its statements and default query (every charge of the start day).
QueryUnit queryUnit();

}  // namespace orbista::patientfees
