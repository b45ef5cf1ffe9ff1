#include "reportguard.h"

#include "queryscreen.h"
#include "reporterror.h"

namespace orbista {

bool guardedReport(QueryScreen& screen, const std::function<void()>& work) {
    bool reportFailed = false;
    const bool ok = screen.guarded([&] {
        try {
            work();
        } catch (const report::ReportError& e) {
            reportFailed = true;
            prompter().errorBox(&screen, e.message());
        }
    });
    return ok && !reportFailed;
}

}  // namespace orbista
