#ifndef SHARED_DESKTOP_DESKTOP_START_H
#define SHARED_DESKTOP_DESKTOP_START_H

class QApplication;
class QWidget;

namespace shared {

// The decimal separator of the system locale as the toolkit sees it; one that is not a
// single ASCII character cannot be typed into the boxes as such, so the program keeps ".".
char SystemDecimalSeparator();

// Runs the event loop of a program whose main window is shown; its exit code. With
// "--screenshot FILE" among the arguments the program saves a picture of mainWindow once
// it has settled and ends (0 when the picture was saved): a newcomer without a display
// sees it start under Xvfb.
int RunDesktopEventLoop(QApplication& application, QWidget& mainWindow);

}  // namespace shared

#endif
