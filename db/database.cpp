#include "database.h"

#include "sqlitefunctions.h"
#include "tsqladapter.h"

#include <QHash>
#include <QSqlError>
#include <QSqlRecord>

#include <atomic>

namespace orbista {

namespace {

QHash<QString, EmbeddedProcedure>& procedureRegistry() {
    static QHash<QString, EmbeddedProcedure> registry;
    return registry;
}

QString nextConnectionName() {
    static std::atomic<int> counter{0};
    return QStringLiteral("orbista-%1").arg(++counter);
}

QString stripAt(QStringView name) {
    return (name.startsWith(u'@') ? name.mid(1) : name).toString().toLower();
}

QString errorText(const QSqlError& error) {
    QString text = error.databaseText().trimmed();
    if (text.isEmpty()) {
        text = error.text().trimmed();
    }
    return text.isEmpty() ? QStringLiteral("数据库操作失败") : text;
}

// Values are bound as the drivers expect them; money goes as exact text.
QVariant bindable(const QVariant& value) {
    if (value.typeId() == qMetaTypeId<Money>()) {
        return value.value<Money>().toString(4);
    }
    return value;
}

}  // namespace

// --- ProcedureCall ---

ProcedureCall& ProcedureCall::in(const QString& param, const QVariant& value,
                                 const QString& sqlType) {
    params_.append({param, value, sqlType, false});
    return *this;
}

ProcedureCall& ProcedureCall::inOut(const QString& param, const QVariant& value,
                                    const QString& sqlType) {
    params_.append({param, value, sqlType, true});
    return *this;
}

QVariant ProcedureCall::value(QStringView param) const {
    const QString key = stripAt(param);
    for (const ProcParam& p : params_) {
        if (stripAt(p.name) == key) {
            return p.value;
        }
    }
    return {};
}

void ProcedureCall::setValue(QStringView param, const QVariant& value) {
    const QString key = stripAt(param);
    for (ProcParam& p : params_) {
        if (stripAt(p.name) == key) {
            p.value = value;
            return;
        }
    }
}

// --- Database ---

Database& Database::shared() {
    static Database instance;
    return instance;
}

Database::Database() : connectionName_(nextConnectionName()) {}

Database::~Database() {
    // The shared connection dies at exit, possibly after Qt's own driver registry: touch Qt
    // only when a connection is still there.
    if (added_) {
        close();
    }
}

QSqlDatabase Database::handle() const {
    return QSqlDatabase::database(connectionName_, false);
}

bool Database::isOpen() const {
    return QSqlDatabase::contains(connectionName_) && handle().isOpen();
}

void Database::openWith(QSqlDatabase db, Dialect dialect, const QString& what) {
    if (!db.open()) {
        const QString text = errorText(db.lastError());
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(connectionName_);
        added_ = false;
        throw DbError(QStringLiteral("无法连接数据库 (%1): %2").arg(what, text));
    }
    dialect_ = dialect;
    if (db.driverName() == u"QSQLITE") {
        installExactMoneyFunctions(db);
    }
}

void Database::openSqlite(const QString& path) {
    close();
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName_);
    added_ = true;
    db.setDatabaseName(path);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=10000"));
    openWith(db, Dialect::Sqlite, path);
}

void Database::openOdbc(const QString& connectionString, Dialect dialect) {
    close();
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QODBC"), connectionName_);
    added_ = true;
    db.setDatabaseName(connectionString);
    // money and decimal come back as exact text, never as double.
    db.setNumericalPrecisionPolicy(QSql::HighPrecision);
    openWith(db, dialect, QStringLiteral("ODBC"));
}

void Database::close() {
    finishPendingFetch();
    if (QSqlDatabase::contains(connectionName_)) {
        {
            QSqlDatabase db = handle();
            if (db.isOpen()) {
                db.close();
            }
        }
        QSqlDatabase::removeDatabase(connectionName_);
    }
    added_ = false;
}

void Database::ensureOpen() {
    if (!isOpen()) {
        openFromUdl();
    }
}

QString Database::adapt(const QString& sql) const {
    return dialect_ == Dialect::Sqlite ? adaptTsqlForSqlite(sql) : sql;
}

void Database::finishPendingFetch() {
    // One statement streams at a time (SQL Server without MARS allows no more), so a result
    // still being read is pulled in completely before the next statement runs.
    if (ResultSet* pending = pendingFetch_) {
        pendingFetch_ = nullptr;
        pending->fetchAll();
    }
}

std::unique_ptr<QSqlQuery> Database::run(const QString& sql, const Params& params,
                                         bool forwardOnly) {
    ensureOpen();
    finishPendingFetch();
    auto query = std::make_unique<QSqlQuery>(handle());
    query->setForwardOnly(forwardOnly);
    if (!query->prepare(adapt(sql))) {
        throw DbError(errorText(query->lastError()));
    }
    for (const Param& p : params) {
        query->bindValue(p.name, bindable(p.value));
    }
    if (!query->exec()) {
        throw DbError(errorText(query->lastError()));
    }
    return query;
}

std::unique_ptr<ResultSet> Database::query(const QString& sql, const Params& params) {
    auto result = std::make_unique<ResultSet>();
    result->attach(run(sql, params, true), this);
    return result;
}

int Database::execute(const QString& sql, const Params& params) {
    auto query = run(sql, params, true);
    const int affected = query->numRowsAffected();
    query->finish();
    return affected;
}

void Database::append(const QString& table, const QStringList& columns,
                      const QVariantList& values) {
    Params params;
    QStringList placeholders;
    for (int i = 0; i < columns.size(); ++i) {
        const QString name = QStringLiteral(":v%1").arg(i);
        placeholders << name;
        params.append({name, values.value(i)});
    }
    execute(QStringLiteral("insert into %1 (%2) values (%3)")
                .arg(table, columns.join(u','), placeholders.join(u',')),
            params);
}

void Database::registerProcedure(const QString& name, EmbeddedProcedure body) {
    procedureRegistry().insert(name.toLower(), std::move(body));
}

bool Database::hasEmbeddedProcedure(const QString& name) {
    return procedureRegistry().contains(name.toLower());
}

QStringList Database::registeredProcedures() {
    QStringList names = procedureRegistry().keys();
    names.sort();
    return names;
}

std::unique_ptr<ResultSet> Database::call(ProcedureCall& call) {
    ensureOpen();
    finishPendingFetch();
    if (dialect_ == Dialect::SqlServer) {
        return callSqlServer(call);
    }
    const auto it = procedureRegistry().constFind(call.name().toLower());
    if (it == procedureRegistry().constEnd()) {
        throw DbError(QStringLiteral("找不到存储过程 '%1'。").arg(call.name()));
    }
    auto rows = it.value()(*this, call);
    return rows ? std::move(rows) : std::make_unique<ResultSet>();
}

Database::SqlServerCall Database::sqlServerCall(const ProcedureCall& call) {
    // OUT values of a procedure that also returns rows arrive only after its last result set,
    // so they are copied into variables and selected at the end.
    QStringList declarations;
    QStringList arguments;
    QStringList outputs;
    SqlServerCall built;
    int n = 0;
    for (const ProcParam& p : call.params()) {
        const QString placeholder = QStringLiteral(":p%1").arg(n);
        built.params.append({placeholder, p.value});
        if (p.output) {
            const QString variable = QStringLiteral("@o%1").arg(n);
            declarations << QStringLiteral("DECLARE %1 %2; SET %1 = %3;")
                                .arg(variable, p.sqlType, placeholder);
            arguments << QStringLiteral("%1=%2 OUTPUT").arg(p.name, variable);
            outputs << QStringLiteral("%1 AS [%2]").arg(variable, stripAt(p.name));
        } else {
            arguments << QStringLiteral("%1=%2").arg(p.name, placeholder);
        }
        ++n;
    }
    built.sql = QStringLiteral("SET NOCOUNT ON; ") + declarations.join(u' ') +
                QStringLiteral(" EXEC ") + call.name() + u' ' + arguments.join(u',') + u';';
    built.hasOutputs = !outputs.isEmpty();
    if (built.hasOutputs) {
        built.sql += QStringLiteral(" SELECT ") + outputs.join(u',') + u';';
    }
    return built;
}

std::unique_ptr<ResultSet> Database::callSqlServer(ProcedureCall& call) {
    const SqlServerCall built = sqlServerCall(call);
    const QString& sql = built.sql;
    const Params& params = built.params;
    auto query = run(sql, params, true);
    std::vector<std::unique_ptr<ResultSet>> resultSets;
    do {
        if (query->isSelect()) {
            resultSets.push_back(ResultSet::readAll(*query));
        }
    } while (query->nextResult());
    if (built.hasOutputs && !resultSets.empty()) {
        ResultSet& out = *resultSets.back();
        for (ProcParam& p : call.params()) {
            const int column = out.columnIndex(stripAt(p.name));
            if (p.output && column >= 0 && out.fetchedCount() > 0) {
                p.value = out.value(0, column);
            }
        }
        resultSets.pop_back();
    }
    return resultSets.empty() ? std::make_unique<ResultSet>() : std::move(resultSets.front());
}

void Database::begin() {
    ensureOpen();
    finishPendingFetch();
    if (!handle().transaction()) {
        throw DbError(errorText(handle().lastError()));
    }
}

void Database::commit() {
    finishPendingFetch();
    if (!handle().commit()) {
        throw DbError(errorText(handle().lastError()));
    }
}

void Database::rollback() {
    finishPendingFetch();
    if (!handle().rollback()) {
        throw DbError(errorText(handle().lastError()));
    }
}

}  // namespace orbista
