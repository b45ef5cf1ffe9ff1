#pragma once

#include "reportpage.h"

#include <QString>

class QPrinter;
class QPagedPaintDevice;

namespace orbista::report {

// Every function here throws ReportError with the operator's text when output fails.

// Writes every page to a PDF file, fonts embedded and text extractable.
void writePdf(const ReportDocument& document, const QString& path);
// Sends every page to a configured printer (paper size and orientation set from the layout).
void printDocument(const ReportDocument& document, QPrinter& printer);
// Direct printing: the system's default printer, or, when the environment variable
// ORBISTA_PRINT_TO_PDF names a file, that PDF file instead (headless machines and CI).
void printToDefaultPrinter(const ReportDocument& document);

// The environment variable that turns printing into writing a PDF file.
inline constexpr const char* kPrintToPdfVariable = "ORBISTA_PRINT_TO_PDF";

}  // namespace orbista::report
