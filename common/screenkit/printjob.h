#pragma once

#include "reportkit.h"
#include "reportlayout.h"
#include "resultset.h"

#include <QMap>
#include <QString>

#include <memory>
#include <vector>

namespace orbista {

class Database;

// Filter values by name, as a printout or the command line passes them ("start", "end", …).
using FilterValues = QMap<QString, QString>;

// A printout filled outside any window: the layout and the result sets it is bound to,
// released together (the rows first).
class PrintJob {
  public:
    PrintJob() = default;
    PrintJob(const PrintJob&) = delete;
    PrintJob& operator=(const PrintJob&) = delete;

    report::ReportLayout& layout() { return layout_; }
    // Keeps `rows` alive with the job; returns them.
    ResultSet& keep(std::unique_ptr<ResultSet> rows) {
        results_.push_back(std::move(rows));
        return *results_.back();
    }
    // Keeps `rows` and binds the layout to them.
    ResultSet& bind(std::unique_ptr<ResultSet> rows) {
        ResultSet& kept = keep(std::move(rows));
        layout_.bind(&kept);
        return kept;
    }

    // The query found nothing to print: the screen's own message for that. A refused job
    // prints nothing.
    void refuse(const QString& message) { refusal_ = message; }
    bool refused() const { return !refusal_.isEmpty(); }
    const QString& refusal() const { return refusal_; }

  private:
    QString refusal_;
    report::ReportLayout layout_;
    std::vector<std::unique_ptr<ResultSet>> results_;
};

// The print context of a period from the session (hospital and operator).
report::PrintContext sessionPrintContext(const QString& startDay, const QString& endDay);

}  // namespace orbista
