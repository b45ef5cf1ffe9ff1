#pragma once

#include "resultset.h"
#include "statement.h"

#include <QSqlDatabase>
#include <QString>
#include <QVariant>

#include <functional>
#include <memory>
#include <stdexcept>

namespace orbista {

enum class Dialect { Sqlite, SqlServer };

// A failure of the database or of the data-link file; what() and message() carry the
// server's (or our) text as the operator should see it.
class DbError : public std::runtime_error {
  public:
    explicit DbError(const QString& message)
        : std::runtime_error(message.toStdString()), message_(message) {}
    const QString& message() const { return message_; }

  private:
    QString message_;
};

// One parameter of a stored-procedure call. `sqlType` is the declared T-SQL type of the
// procedure's parameter ("varchar(10)", "money"); output parameters need it.
struct ProcParam {
    QString name;  // with its at-sign: "@startdate"
    QVariant value;
    QString sqlType = QStringLiteral("varchar(50)");
    bool output = false;
};

class ProcedureCall {
  public:
    explicit ProcedureCall(QString name) : name_(std::move(name)) {}
    ProcedureCall& in(const QString& param, const QVariant& value,
                      const QString& sqlType = QStringLiteral("varchar(50)"));
    ProcedureCall& inOut(const QString& param, const QVariant& value, const QString& sqlType);

    const QString& name() const { return name_; }
    QList<ProcParam>& params() { return params_; }
    const QList<ProcParam>& params() const { return params_; }
    // The value of an input or output parameter (after the call, outputs hold what the
    // procedure returned). Name with or without "@", case-insensitive.
    QVariant value(QStringView param) const;
    void setValue(QStringView param, const QVariant& value);

  private:
    QString name_;
    QList<ProcParam> params_;
};

class Database;
// The embedded (SQLite) body of a stored procedure: runs its statements on `db`, sets the
// output parameters of `call`, and returns its rows (an empty ResultSet when it has none).
using EmbeddedProcedure =
    std::function<std::unique_ptr<ResultSet>(Database& db, ProcedureCall& call)>;

// The one connection of the application. It opens on first use from the data-link file
// "orbista.udl" in the working directory and stays open. When opening fails the error names
// the file and the problem; the next use tries again.
class Database {
  public:
    // The process-wide connection.
    static Database& shared();

    Database();
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    // Opens a SQLite file directly (tests, the demo generator, the embedded default).
    void openSqlite(const QString& path);
    // Opens through an ODBC connection string (tests of the QODBC path).
    void openOdbc(const QString& connectionString, Dialect dialect);
    // Opens from a data-link file; `udlPath` empty means "orbista.udl" in the working directory.
    // A SQLite file the data link names must exist, unless `missing` is Create (orbista-admin
    // init makes a new database there).
    enum class MissingFile { Refuse, Create };
    void openFromUdl(const QString& udlPath = {}, MissingFile missing = MissingFile::Refuse);
    void close();
    bool isOpen() const;
    // Opens from the data-link file when not open yet; throws DbError on failure.
    void ensureOpen();

    Dialect dialect() const { return dialect_; }
    QSqlDatabase handle() const;

    // Runs a statement that returns rows. `sql` is T-SQL as the screens hold it; on SQLite it
    // is adapted first. Throws DbError with the driver's text.
    std::unique_ptr<ResultSet> query(const QString& sql, const Params& params = {});
    std::unique_ptr<ResultSet> query(const Statement& s) { return query(s.sql, s.params); }
    // Runs a statement without rows; returns the number of rows affected (-1 if unknown).
    int execute(const QString& sql, const Params& params = {});
    int execute(const Statement& s) { return execute(s.sql, s.params); }
    // Inserts one row; columns and values in step. Values are bound.
    void append(const QString& table, const QStringList& columns, const QVariantList& values);
    // Calls a stored procedure: on SQL Server with EXEC, on SQLite its embedded body.
    std::unique_ptr<ResultSet> call(ProcedureCall& call);

    // Embedded procedure bodies, registered once per process by each subsystem.
    static void registerProcedure(const QString& name, EmbeddedProcedure body);
    static bool hasEmbeddedProcedure(const QString& name);
    // Names of all procedures the client calls (for `orbista-admin check`).
    static QStringList registeredProcedures();

    // Transactions; prefer the Transaction guard.
    void begin();
    void commit();
    void rollback();

    // The statement text actually sent for `sql` on this connection's dialect.
    QString adapt(const QString& sql) const;

    // The batch that calls a procedure on SQL Server, with its parameters bound by name.
    struct SqlServerCall {
        QString sql;
        Params params;
        bool hasOutputs = false;
    };
    static SqlServerCall sqlServerCall(const ProcedureCall& call);

  private:
    friend class ResultSet;
    void finishPendingFetch();
    void openWith(QSqlDatabase db, Dialect dialect, const QString& what);
    std::unique_ptr<QSqlQuery> run(const QString& sql, const Params& params, bool forwardOnly);
    std::unique_ptr<ResultSet> callSqlServer(ProcedureCall& call);

    QString connectionName_;
    bool added_ = false;  // a Qt connection of ours exists
    Dialect dialect_ = Dialect::Sqlite;
    ResultSet* pendingFetch_ = nullptr;  // a result still streaming rows from the driver
};

// Commits on commit(); rolls back when left without commit (an exception, an early return).
class Transaction {
  public:
    explicit Transaction(Database& db) : db_(db) { db_.begin(); }
    ~Transaction() {
        if (!done_) {
            try {
                db_.rollback();
            } catch (...) {
            }
        }
    }
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    void commit() {
        db_.commit();
        done_ = true;
    }

  private:
    Database& db_;
    bool done_ = false;
};

}  // namespace orbista
