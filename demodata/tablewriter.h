#pragma once

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace orbista {
class Database;
}

namespace orbista::demo {

// Amounts in the generator are whole fen (1/100 yuan), so no stored amount ever carries more
// than two decimals.
using Cents = std::int64_t;

class DemoError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The SQLite connection under `db` (opened with openSqlite), for bulk inserts.
sqlite3* nativeHandle(Database& db);

// One prepared INSERT for one table, bound value by value and stepped once per row. Several
// million rows go through here, so it talks to SQLite directly instead of through QSqlQuery.
// The columns are checked against the schema model when the writer is made.
class TableWriter {
  public:
    TableWriter(sqlite3* db, std::string table, std::initializer_list<const char*> columns);
    ~TableWriter();
    TableWriter(const TableWriter&) = delete;
    TableWriter& operator=(const TableWriter&) = delete;

    TableWriter& text(std::string_view value);
    TableWriter& integer(std::int64_t value);
    TableWriter& integer(std::optional<std::int64_t> value);
    // Stored as an integer when whole, else as the nearest double of the two-decimal value;
    // both read back exactly as money.
    TableWriter& money(Cents value);
    TableWriter& money(std::optional<Cents> value);
    TableWriter& number(double value);
    TableWriter& null();
    // Inserts the bound values as one row; every column must have been bound.
    void row();

    const std::string& table() const { return table_; }
    std::int64_t rows() const { return rows_; }

  private:
    int nextSlot();
    void check(int rc, const char* what);

    sqlite3* db_;
    sqlite3_stmt* statement_ = nullptr;
    std::string table_;
    int columnCount_ = 0;
    int bound_ = 0;
    std::int64_t rows_ = 0;
};

// Runs one statement without results on the native handle.
void executeNative(sqlite3* db, const std::string& sql);

// The writers of one generation run; several subsystems may write the same table.
class WriterSet {
  public:
    explicit WriterSet(sqlite3* db) : db_(db) {}
    TableWriter& make(std::string table, std::initializer_list<const char*> columns);
    // Rows written into `table` by all its writers.
    std::int64_t rows(const std::string& table) const;
    std::int64_t totalRows() const;

  private:
    sqlite3* db_;
    std::vector<std::unique_ptr<TableWriter>> writers_;
};

}  // namespace orbista::demo
