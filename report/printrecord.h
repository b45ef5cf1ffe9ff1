#pragma once

#include "reportlayout.h"
#include "reportpage.h"

#include <QDateTime>
#include <QMap>
#include <QString>

class QWidget;

namespace orbista::report {

// Who printed what: one line of orbista-print.log.
struct PrintRecord {
    QDateTime at;                    // when; the current time when left invalid
    QString operatorName;            // who (the session's operator)
    QString screen;                  // the screen class ("Tfrmmz_query_cost_total")
    QString printout;                // which printout of it ("d", "QuickRep1", or the layout title)
    QMap<QString, QString> filters;  // the filter values it was printed with
    int pages = 0;
    QString grandTotal;  // the printed grand total, empty when the layout has none
    QString output;      // "printer", "pdf", "xlsx", "csv" (+ ": " + file for files)
};

// The log's file name.
inline constexpr const char* kPrintLogFileName = "orbista-print.log";

// Where the log goes: beside orbista.udl in the working directory unless set (tests, export).
void setPrintLogDirectory(const QString& dir);  // empty restores the default
QString printLogPath();

// Appends the record as one JSON object on one line (UTF-8, keys: time "yyyy-mm-ddThh:mm:ss",
// operator, screen, printout, filters (object), pages, total, output). Returns an empty string
// when written, else a message naming the file and the reason; never throws.
QString appendPrintRecord(const PrintRecord& record);

// The text of the layout's grand total as the last page prints it: the item named "total" of
// the summary band if there is one, else the last "sum_" item of that band (the report kit's
// column sums), else empty.
QString grandTotalText(const ReportLayout& layout, const ReportDocument& document);

// --- what the engine's print paths record ---

// Where a direct print went: "printer", or "pdf: <file>" when ORBISTA_PRINT_TO_PDF names one.
QString directPrintOutput();

// The record of a print of `document` from the window of `parent` (a screen): the session's
// operator, the window's class without its namespace, the layout's title as the printout and
// the window's "printFilters" property as the filters, unless the layout's record context
// says otherwise; the page count and the grand total of the document.
PrintRecord printRecordFor(QWidget* parent, const ReportLayout& layout,
                           const ReportDocument& document, const QString& output);

// Appends the record of a print that went to `output`. When the log cannot be written the
// operator is warned in an application message box over `warningParent` (`parent` when
// null); the print itself stands either way.
void recordPrint(QWidget* parent, const ReportLayout& layout, const ReportDocument& document,
                 const QString& output, QWidget* warningParent = nullptr);

}  // namespace orbista::report
