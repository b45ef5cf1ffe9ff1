#include "tablewriter.h"

#include "database.h"
#include "schema.h"

#include <QSqlDriver>

#include <sqlite3.h>

namespace orbista::demo {

sqlite3* nativeHandle(Database& db) {
    const QVariant handle = db.handle().driver()->handle();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0) {
        throw DemoError("the demo database must be a SQLite file");
    }
    sqlite3* native = *static_cast<sqlite3* const*>(handle.constData());
    if (!native) {
        throw DemoError("the demo database is not open");
    }
    return native;
}

void executeNative(sqlite3* db, const std::string& sql) {
    char* message = nullptr;
    if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &message) != SQLITE_OK) {
        std::string text = message ? message : "unknown error";
        sqlite3_free(message);
        throw DemoError(sql + ": " + text);
    }
}

TableWriter::TableWriter(sqlite3* db, std::string table, std::initializer_list<const char*> columns)
    : db_(db), table_(std::move(table)) {
    const schema::TableDef* def = schema::findTable(QString::fromStdString(table_));
    if (!def) {
        throw DemoError("no table " + table_ + " in the schema");
    }
    std::string names;
    std::string placeholders;
    for (const char* column : columns) {
        if (!def->findColumn(QString::fromLatin1(column))) {
            throw DemoError("no column " + table_ + "." + column + " in the schema");
        }
        if (!names.empty()) {
            names += ',';
            placeholders += ',';
        }
        names += column;
        placeholders += '?';
        ++columnCount_;
    }
    const std::string sql =
        "insert into " + table_ + " (" + names + ") values (" + placeholders + ")";
    check(sqlite3_prepare_v3(db_, sql.c_str(), -1, SQLITE_PREPARE_PERSISTENT, &statement_, nullptr),
          "prepare");
}

TableWriter::~TableWriter() {
    sqlite3_finalize(statement_);
}

void TableWriter::check(int rc, const char* what) {
    if (rc != SQLITE_OK && rc != SQLITE_DONE) {
        throw DemoError(table_ + " " + what + ": " + sqlite3_errmsg(db_));
    }
}

int TableWriter::nextSlot() {
    if (bound_ >= columnCount_) {
        throw DemoError(table_ + ": more values than columns");
    }
    return ++bound_;
}

TableWriter& TableWriter::text(std::string_view value) {
    const int slot = nextSlot();
    check(sqlite3_bind_text(statement_, slot, value.data(), static_cast<int>(value.size()),
                            SQLITE_TRANSIENT),
          "bind");
    return *this;
}

TableWriter& TableWriter::integer(std::int64_t value) {
    check(sqlite3_bind_int64(statement_, nextSlot(), value), "bind");
    return *this;
}

TableWriter& TableWriter::integer(std::optional<std::int64_t> value) {
    return value ? integer(*value) : null();
}

TableWriter& TableWriter::money(Cents value) {
    if (value % 100 == 0) {
        return integer(value / 100);
    }
    return number(static_cast<double>(value) / 100.0);
}

TableWriter& TableWriter::money(std::optional<Cents> value) {
    return value ? money(*value) : null();
}

TableWriter& TableWriter::number(double value) {
    check(sqlite3_bind_double(statement_, nextSlot(), value), "bind");
    return *this;
}

TableWriter& TableWriter::null() {
    check(sqlite3_bind_null(statement_, nextSlot()), "bind");
    return *this;
}

void TableWriter::row() {
    if (bound_ != columnCount_) {
        throw DemoError(table_ + ": " + std::to_string(bound_) + " values for " +
                        std::to_string(columnCount_) + " columns");
    }
    check(sqlite3_step(statement_), "insert");
    check(sqlite3_reset(statement_), "reset");
    bound_ = 0;
    ++rows_;
}

TableWriter& WriterSet::make(std::string table, std::initializer_list<const char*> columns) {
    writers_.push_back(std::make_unique<TableWriter>(db_, std::move(table), columns));
    return *writers_.back();
}

std::int64_t WriterSet::rows(const std::string& table) const {
    std::int64_t total = 0;
    for (const auto& writer : writers_) {
        if (writer->table() == table) {
            total += writer->rows();
        }
    }
    return total;
}

std::int64_t WriterSet::totalRows() const {
    std::int64_t total = 0;
    for (const auto& writer : writers_) {
        total += writer->rows();
    }
    return total;
}

}  // namespace orbista::demo
