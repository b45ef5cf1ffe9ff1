#pragma once

namespace orbista {

class Database;
class Tfrm_query_main;
class Tfrmmz_xyf_onland;

// Runs the desktop application until it ends; returns the process exit code.
int runApplication(int argc, char** argv);

// Wires a login window to the main window: admission shows the main window.
void connectLogin(Tfrmmz_xyf_onland* login, Tfrm_query_main* main);
// The re-login command: a fresh login window owned by the main window, which hides.
Tfrmmz_xyf_onland* relogin(Database& db, Tfrm_query_main* main);

}  // namespace orbista
