#include "stockbatch.h"

namespace orbista::demo {

namespace {

StockBatch batchMade(Rng& rng, const QDate& made, int shelfMonths) {
    const QDate expires = made.addMonths(shelfMonths).addDays(-1);
    StockBatch batch;
    batch.number = made.toString(QStringLiteral("yyMMdd")).toStdString() +
                   serialCode("", rng.between(1, 99), 2);
    batch.expiry = expires.year() * 10000 + expires.month() * 100 + expires.day();
    return batch;
}

}  // namespace

StockBatch recentBatch(Rng& rng, const DemoDay& day) {
    return batchMade(rng, day.date.addDays(-rng.between(30, 540)), rng.chance(0.5) ? 24 : 36);
}

StockBatch expiredBatch(Rng& rng, const DemoDay& day) {
    const int shelf = 24;
    return batchMade(rng, day.date.addMonths(-shelf).addDays(-rng.between(1, 60)), shelf);
}

}  // namespace orbista::demo
