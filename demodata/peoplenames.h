#pragma once

#include "demorandom.h"

#include <string>

namespace orbista::demo {

// Patients and their families, as the registration desks of the county record them.
std::string personName(Rng& rng, bool male);
// "华阳县城关镇红星村3组"
std::string homeAddress(Rng& rng);
std::string mobileNumber(Rng& rng);

}  // namespace orbista::demo
