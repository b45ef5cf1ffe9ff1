#pragma once

#include "money.h"

#include <QDateTime>
#include <QSqlQuery>
#include <QStringList>

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace orbista {

class Database;

// Rows of one statement, fetched from the driver on demand and kept in compact column
// storage. The cursor works like the hospital client's datasets: first/next/prior with
// bof/eof flags. Reading a row past what has been fetched pulls more rows in; recordCount()
// fetches everything (ODBC cannot tell the count in advance).
class ResultSet {
  public:
    enum class Kind : std::uint8_t { Null, Integer, Real, Text, DateTime };

    ResultSet();  // an empty result with no columns
    ~ResultSet();
    ResultSet(const ResultSet&) = delete;
    ResultSet& operator=(const ResultSet&) = delete;

    // --- shape ---
    int columnCount() const { return static_cast<int>(columns_.size()); }
    QString columnName(int column) const { return columns_[column].name; }
    // Index of a column by case-insensitive name, or -1.
    int columnIndex(QStringView name) const;
    QStringList columnNames() const;

    // --- rows ---
    int recordCount();
    // Rows fetched so far (for views that grow with scrolling).
    int fetchedCount() const { return rowCount_; }
    bool canFetchMore() const { return query_ != nullptr; }
    // Fetches up to `rows` more rows; returns how many arrived.
    int fetchMore(int rows);
    void fetchAll();
    bool isEmpty();

    // --- cursor ---
    void first();
    void last();
    void next();
    void prior();
    // True before the first row: right after opening and after prior() on the first row.
    bool bof() const { return bof_; }
    // True past the last row: when empty, and after next() on the last row.
    bool eof() const { return eof_; }
    int currentRow() const { return current_; }
    // Moves to a row (0-based); clamps; clears bof and eof when a row is there.
    void moveTo(int row);

    // --- field access on the current row; by column name or index ---
    bool isNull(QStringView column) const { return isNull(row(column), index(column)); }
    QString text(QStringView column) const { return text(current_, index(column)); }
    std::int64_t integer(QStringView column) const { return integer(current_, index(column)); }
    // NULL reads as zero; use moneyOrNull when NULL must stay apart.
    Money money(QStringView column) const { return money(current_, index(column)); }
    std::optional<Money> moneyOrNull(QStringView column) const;
    QDateTime dateTime(QStringView column) const { return dateTime(current_, index(column)); }
    QVariant value(QStringView column) const { return value(current_, index(column)); }

    // --- random access for grids and reports; row must be < fetchedCount() ---
    Kind kind(int row, int column) const;
    bool isNull(int row, int column) const { return kind(row, column) == Kind::Null; }
    QString text(int row, int column) const;
    std::int64_t integer(int row, int column) const;
    Money money(int row, int column) const;
    QDateTime dateTime(int row, int column) const;
    QVariant value(int row, int column) const;

    // Builds an in-memory result (embedded procedures, tests).
    static std::unique_ptr<ResultSet> fromRows(const QStringList& columns,
                                               const QList<QVariantList>& rows);

    // Reads every row of the query's current result set into memory.
    static std::unique_ptr<ResultSet> readAll(QSqlQuery& query);

    // Parses the date-time text forms the databases hand back.
    static QDateTime parseDateTime(const QString& text);

  private:
    friend class Database;
    // How a cell is kept; several storages read as one Kind.
    enum class Storage : std::uint8_t {
        Null,
        Integer,
        Real,            // data holds the double's bits
        DateTimeMs,      // milliseconds since the epoch
        PackedDateTime,  // "yyyy-mm-dd hh:nn:ss" text kept as the number yyyymmddhhnnss
        ShortText,       // up to three UTF-16 units inside data
        ArenaText,       // offset and length in chars
    };
    struct Column {
        QString name;
        std::vector<std::int64_t> data;
        std::vector<Storage> kinds;
        // Texts of the column back to back, no allocation per value: a Text cell's data is
        // its offset here (high bits) and its length (low 20 bits).
        std::vector<char16_t> chars;
        std::int64_t lastText = -1;  // the previous text cell, reused when a value repeats
        // Rows before the first non-NULL value are not stored (a column nobody filled costs
        // nothing); data and kinds start after them.
        int leadingNulls = 0;
    };

    void attach(std::unique_ptr<QSqlQuery> query, Database* owner);
    void appendRow(const QSqlQuery& query);
    static QString textOf(const Column& column, std::int64_t cell);
    Storage storage(int row, int column) const;
    std::int64_t cell(int row, int column) const;
    void appendValue(Column& column, const QVariant& value);
    void detach();
    int index(QStringView column) const;
    int row(QStringView) const { return current_; }
    bool ensureRow(int row);

    std::vector<Column> columns_;
    int rowCount_ = 0;
    int current_ = -1;
    bool bof_ = true;
    bool eof_ = true;
    std::unique_ptr<QSqlQuery> query_;
    Database* owner_ = nullptr;
};

}  // namespace orbista
