#pragma once

#include "referencecatalog.h"

namespace orbista::demo {

// Fills the data_ tables: installation, departments, doctors, operators, the drug catalogue
// with its big types and places of origin, and the outpatient fee list.
void writeReferenceTables(WriterSet& writers, const ReferenceCatalog& catalog);

}  // namespace orbista::demo
