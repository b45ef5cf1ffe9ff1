#include "screens.h"

#include "outpatientscreens.h"

namespace orbista {

void registerAllScreens() {
    // Each subsystem adds its registration call here as its screens land.
    registerOutpatientScreens();
}

}  // namespace orbista
