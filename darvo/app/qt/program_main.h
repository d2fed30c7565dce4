#ifndef DARVO_APP_QT_PROGRAM_MAIN_H
#define DARVO_APP_QT_PROGRAM_MAIN_H

namespace darvo {

// Main of mdlPublic, the start routine of the desktop program: refuses a second running
// copy, finds the program folder, the help language and the locale's decimal separator,
// loads the product files lying beside the executable, and shows the main window with the
// selection window. Returns the process exit code: 0 after a normal end, 1 when the
// program could not start (its message has been shown).
int Main(int argc, char** argv);

}  // namespace darvo

#endif
