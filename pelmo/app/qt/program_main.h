#ifndef PELMO_APP_QT_PROGRAM_MAIN_H
#define PELMO_APP_QT_PROGRAM_MAIN_H

namespace pelmo {

// The start routine of the desktop program: refuses a second running copy, finds the
// program folder, the help file and the locale's decimal separator, loads the library
// lying beside the executable, and shows the main window with the selection window.
// Returns the process exit code: 0 after a normal end, 1 when the program could not
// start (its message has been shown).
int Main(int argc, char** argv);

}  // namespace pelmo

#endif
