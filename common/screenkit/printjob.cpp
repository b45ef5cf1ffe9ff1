#include "printjob.h"

#include "session.h"

namespace orbista {

report::PrintContext sessionPrintContext(const QString& startDay, const QString& endDay) {
    const Session& s = Session::current();
    return {s.hospitalName, s.operatorName, startDay, endDay};
}

}  // namespace orbista
