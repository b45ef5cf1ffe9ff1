#pragma once

#include "reportlayout.h"
#include "screenregistry.h"

namespace orbista::registrationquery {

// The registration sheets ("门诊挂号信息单", QuickRep1): one ruled sheet per listed
// registration, bound to the registrations.
void buildRegistrationSheets(report::ReportLayout& layout);

// "QuickRep1" filled without the window from start and end and, the first one not empty
// deciding, the patient ID part ("code"), the clerk's name part ("recman") or the department
// name the registrations' department ends with ("department"); none: every registration.
QList<Printout> printouts();

}  // namespace orbista::registrationquery
