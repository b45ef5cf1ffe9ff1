#pragma once

#include "printjob.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

class QDialog;
class QWidget;

namespace orbista {

// Creates a query screen, owned by `owner`.
using ScreenFactory = std::function<QDialog*(QWidget* owner)>;

// A filter value a printout reads: its name on the command line, what it means, and the
// value taken when it is not given.
struct FilterSpec {
    QString name;
    QString meaning;
    QString defaultValue{};
};
// The period every printout takes: "start" and "end", days "yyyy-mm-dd".
QList<FilterSpec> periodFilters();

// One printout of a screen, filled without any window: the command-line export, the golden
// page texts and the benchmarks print through it.
struct Printout {
    QString name;               // what the screen calls it ("d", "s", "QuickRep1")
    QList<FilterSpec> filters;  // the filter values it reads: the period first, then its own
    // Fills the layout; values not given are absent from `filters` (use the defaults).
    std::function<std::unique_ptr<PrintJob>(Database& db, const FilterValues& filters)> fill;

    bool takes(const QString& filter) const;
};

// Everything the application knows about one screen: its class name, how to create it, the
// query unit holding its statements and procedures, and its printouts. The main window, the
// T-SQL check, the benchmarks and `orbista-admin` walk these records.
struct ScreenRecord {
    QString className;
    ScreenFactory factory;
    QString queryUnit;  // the name of its QueryUnit (usually the class name)
    QList<Printout> printouts;
};

// Adds or replaces the record of its class.
void registerScreen(ScreenRecord record);
// A screen with nothing but a factory (an empty factory takes the screen away again).
void registerScreen(const QString& className, ScreenFactory factory);
// An empty function when no such screen is built.
ScreenFactory screenFactory(const QString& className);
const ScreenRecord* findScreen(const QString& className);
// In the order registered.
QList<ScreenRecord> registeredScreens();

}  // namespace orbista
