#pragma once

namespace orbista {

// Registers every query screen that is built, so the main window enables its commands.
void registerAllScreens();

}  // namespace orbista
