// What a live database holds, compared with the model: the basis of "orbista-admin check".

#include "schema.h"

namespace orbista::schema {

namespace {

QString tableColumnsStatement(Dialect dialect) {
    if (dialect == Dialect::Sqlite) {
        return QStringLiteral(
            "select m.name as table_name, p.name as column_name "
            "from sqlite_master m, pragma_table_info(m.name) p where m.type = 'table'");
    }
    return QStringLiteral("select table_name, column_name from information_schema.columns");
}

}  // namespace

Catalog readCatalog(Database& db) {
    Catalog catalog;
    auto columns = db.query(tableColumnsStatement(db.dialect()));
    for (columns->first(); !columns->eof(); columns->next()) {
        catalog.columnsByTable[columns->text(u"table_name").toLower()].insert(
            columns->text(u"column_name").toLower());
    }
    if (db.dialect() == Dialect::Sqlite) {
        // On SQLite the procedures are the embedded bodies this process registered.
        for (const QString& name : Database::registeredProcedures()) {
            if (Database::hasEmbeddedProcedure(name)) {
                catalog.procedures.insert(name.toLower());
            }
        }
        return catalog;
    }
    auto procedures = db.query(QStringLiteral("select name from sys.procedures"));
    for (procedures->first(); !procedures->eof(); procedures->next()) {
        catalog.procedures.insert(procedures->text(u"name").toLower());
    }
    return catalog;
}

QStringList requiredProcedures(Dialect dialect) {
    QStringList names = Database::registeredProcedures();
    if (dialect == Dialect::SqlServer) {
        for (const QString& name : serverProcedures()) {
            if (!names.contains(name, Qt::CaseInsensitive)) {
                names.append(name);
            }
        }
    }
    return names;
}

QStringList findGaps(const Catalog& catalog, const QStringList& procedures) {
    QStringList gaps;
    for (const TableDef& table : tables()) {
        const auto found = catalog.columnsByTable.constFind(table.name.toLower());
        if (found == catalog.columnsByTable.cend()) {
            gaps.append(QStringLiteral("missing table ") + table.name);
            continue;
        }
        for (const ColumnDef& column : table.columns) {
            if (!found->contains(column.name.toLower())) {
                gaps.append(QStringLiteral("missing column %1.%2").arg(table.name, column.name));
            }
        }
    }
    for (const QString& procedure : procedures) {
        if (!catalog.procedures.contains(procedure.toLower())) {
            gaps.append(QStringLiteral("missing procedure ") + procedure);
        }
    }
    return gaps;
}

}  // namespace orbista::schema
