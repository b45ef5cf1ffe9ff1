#pragma once

namespace orbista::admin {

// The orbista-admin program: a plain console application, except for "export", which lays
// out reports and so runs a GUI application on the offscreen platform (no display needed).
int adminMain(int argc, char** argv);

}  // namespace orbista::admin
