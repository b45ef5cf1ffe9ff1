#pragma once

#include <functional>

namespace orbista {

class QueryScreen;

// Runs `work` as QueryScreen::guarded does (a database error shows the driver's text), and
// shows a report failure (a layout the result cannot fill, a print from the preview window
// that failed) with its own text in the same error box.
bool guardedReport(QueryScreen& screen, const std::function<void()>& work);

}  // namespace orbista
