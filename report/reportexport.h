#pragma once

#include <QString>

namespace orbista {
class ResultSet;
}

namespace orbista::report {

// Exports of a report's bound rows for the operator's own spreadsheets. Both write every
// fetched row with a header row of column names and throw ReportError when the file cannot
// be written.

// CSV in UTF-8 with a byte-order mark (so spreadsheet programs read the Chinese text),
// comma-separated, quoted where needed, CRLF line ends.
void exportCsv(ResultSet& rows, const QString& path);

// An .xlsx workbook with one sheet. Amounts (decimal numbers) become numeric cells shown
// "#,##0.00", whole numbers numeric cells, texts and dates text cells.
void exportXlsx(ResultSet& rows, const QString& path, const QString& sheetName = {});

}  // namespace orbista::report
