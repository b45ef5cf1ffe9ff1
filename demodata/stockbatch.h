#pragma once

#include "demoday.h"
#include "demorandom.h"

#include <string>

namespace orbista::demo {

// A manufacturer's batch as the stores record it: the batch number printed on the pack
// (manufacture date and a serial) and the expiry date as yyyymmdd.
struct StockBatch {
    std::string number;
    int expiry = 0;
};

// A batch made some months before `day`, good for two or three years.
StockBatch recentBatch(Rng& rng, const DemoDay& day);
// A batch whose expiry has just passed (written off as expired).
StockBatch expiredBatch(Rng& rng, const DemoDay& day);

}  // namespace orbista::demo
