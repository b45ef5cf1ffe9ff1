#include "sqlitefunctions.h"

#include "database.h"
#include "money.h"

#include <QSqlDriver>

#include <sqlite3.h>

#include <cmath>
#include <cstring>

namespace orbista {

namespace {

struct ExactSum {
    Int128 raw = 0;  // ten-thousandths
    bool any = false;
    bool real = false;
};

// A value as ten-thousandths; false for NULL. Text is read as a number, as SQLite's sum does.
bool termOf(sqlite3_value* value, Int128& raw, bool& real) {
    switch (sqlite3_value_numeric_type(value)) {
        case SQLITE_NULL:
            return false;
        case SQLITE_INTEGER:
            raw = static_cast<Int128>(sqlite3_value_int64(value)) * Money::kScale;
            return true;
        case SQLITE_FLOAT:
            raw = std::llround(sqlite3_value_double(value) * static_cast<double>(Money::kScale));
            real = true;
            return true;
        default:
            raw = 0;  // text that is not a number counts as 0, as in sum()
            return true;
    }
}

// SQLite aligns an aggregate's context to 8 bytes only, and a 128-bit integer wants 16: the
// state is copied in and out rather than used in place. Fresh context memory is all zeros,
// which reads as an empty sum.
bool loadSum(sqlite3_context* ctx, int bytes, ExactSum& acc, void** place = nullptr) {
    void* memory = sqlite3_aggregate_context(ctx, bytes);
    if (!memory) {
        return false;
    }
    std::memcpy(&acc, memory, sizeof(ExactSum));
    if (place) {
        *place = memory;
    }
    return true;
}

void sumStep(sqlite3_context* ctx, int, sqlite3_value** argv) {
    ExactSum acc;
    void* place = nullptr;
    if (!loadSum(ctx, sizeof(ExactSum), acc, &place)) {
        sqlite3_result_error_nomem(ctx);
        return;
    }
    Int128 raw = 0;
    if (termOf(argv[0], raw, acc.real)) {
        acc.raw += raw;
        acc.any = true;
    }
    std::memcpy(place, &acc, sizeof(ExactSum));
}

void resultOf(sqlite3_context* ctx, const ExactSum& acc) {
    if (!acc.real && acc.raw % Money::kScale == 0) {
        sqlite3_result_int64(ctx, static_cast<sqlite3_int64>(acc.raw / Money::kScale));
        return;
    }
    // The double nearest the exact decimal; it reads back exactly at four decimals.
    const auto whole = static_cast<double>(static_cast<std::int64_t>(acc.raw / Money::kScale));
    const auto frac = static_cast<double>(static_cast<std::int64_t>(acc.raw % Money::kScale));
    sqlite3_result_double(ctx, whole + frac / static_cast<double>(Money::kScale));
}

void sumFinal(sqlite3_context* ctx) {
    ExactSum acc;
    if (!loadSum(ctx, 0, acc) || !acc.any) {
        sqlite3_result_null(ctx);
        return;
    }
    resultOf(ctx, acc);
}

void totalFinal(sqlite3_context* ctx) {
    ExactSum result;
    if (!loadSum(ctx, 0, result)) {
        result = ExactSum{};
    }
    result.real = true;  // total() is always a float
    resultOf(ctx, result);
}

void roundFunc(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    const int type = sqlite3_value_numeric_type(argv[0]);
    if (type == SQLITE_NULL || (argc > 1 && sqlite3_value_type(argv[1]) == SQLITE_NULL)) {
        sqlite3_result_null(ctx);
        return;
    }
    const int decimals = argc > 1 ? sqlite3_value_int(argv[1]) : 0;
    if (type == SQLITE_INTEGER && decimals >= 0) {
        sqlite3_result_int64(ctx, sqlite3_value_int64(argv[0]));
        return;
    }
    const double value = sqlite3_value_double(argv[0]);
    if (decimals < 0 || decimals > 4 || std::fabs(value) > 1e14) {
        const double scale = std::pow(10.0, decimals);
        sqlite3_result_double(ctx, std::round(value * scale) / scale);
        return;
    }
    const Money rounded = Money::fromDouble(value).rounded(decimals);
    ExactSum acc;
    acc.raw = rounded.raw();
    acc.real = true;
    resultOf(ctx, acc);
}

}  // namespace

void installExactMoneyFunctions(const QSqlDatabase& db) {
    const QVariant handle = db.driver()->handle();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0) {
        return;
    }
    sqlite3* sqlite = *static_cast<sqlite3* const*>(handle.constData());
    if (!sqlite) {
        return;
    }
    const int flags = SQLITE_UTF8 | SQLITE_DETERMINISTIC;
    int rc = sqlite3_create_function_v2(sqlite, "sum", 1, flags, nullptr, nullptr, sumStep,
                                        sumFinal, nullptr);
    rc |= sqlite3_create_function_v2(sqlite, "total", 1, flags, nullptr, nullptr, sumStep,
                                     totalFinal, nullptr);
    rc |= sqlite3_create_function_v2(sqlite, "round", 1, flags, nullptr, roundFunc, nullptr,
                                     nullptr, nullptr);
    rc |= sqlite3_create_function_v2(sqlite, "round", 2, flags, nullptr, roundFunc, nullptr,
                                     nullptr, nullptr);
    if (rc != SQLITE_OK) {
        throw DbError(QStringLiteral("无法在 SQLite 上安装金额函数: %1")
                          .arg(QString::fromUtf8(sqlite3_errmsg(sqlite))));
    }
}

}  // namespace orbista
