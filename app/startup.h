#pragma once

namespace orbista {

// Runs the desktop application until it ends; returns the process exit code.
int runApplication(int argc, char** argv);

}  // namespace orbista
