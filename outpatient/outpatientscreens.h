#pragma once

namespace orbista {

// Registers the outpatient screens with the main window and the procedures they call.
void registerOutpatientScreens();

}  // namespace orbista
