#include "screens.h"

namespace orbista {

void registerAllScreens() {
    // Each subsystem adds its registration call here as its screens land.
}

}  // namespace orbista
