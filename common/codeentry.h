#pragma once

#include "statement.h"

#include <QString>
#include <QStringList>

#include <optional>

class QComboBox;

namespace orbista {

class Database;

// --- code-name combo: items read code + "::" + name ---
QString codeNameItem(const QString& code, const QString& name);
// The name: everything after the first "::" (a name holding digits or colons stays whole).
QString nameOfItem(const QString& item);
// The code: everything before the first "::"; empty for an item without one.
QString codeOfItem(const QString& item);
// The first item whose text starts with `code` followed by ":" (so 1 never picks 10 or 12);
// -1 when none. `code` is trimmed first.
int findItemByCode(const QComboBox* combo, const QString& code);
int findItemByCode(const QStringList& items, const QString& code);
// Items code::name of "select code,name from <table> order by code" (data_depa, data_doctor).
QStringList codeNameItems(Database& db, const QString& table);

// --- exact code lookup ---
// The `name` of the first row of "select * from <table> where code=:a1" (for data_yp_x:
// "where PYM=:a1"); nullopt when there is none. The code is bound exactly as typed.
std::optional<QString> lookupNameByCode(Database& db, const QString& table, const QString& code);

// The statement texts sent, for the T-SQL syntax check.
QStringList codeEntryStatements();

}  // namespace orbista
