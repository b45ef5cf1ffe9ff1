#pragma once

#include <QString>

class QWidget;

namespace orbista {

class Database;

// Reads the hospital name from the first data_xtconfig row into the session. A database
// error is shown with the driver's text and leaves the name as it was.
// Returns false when the database failed.
bool readHospitalName(QWidget* parent, Database& db);
// The statement that reads it.
QString hospitalNameStatement();

}  // namespace orbista
