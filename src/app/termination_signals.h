#pragma once

class QWidget;

// The end of a session for the desktop program: SIGTERM (a logout, kill), SIGINT (Ctrl+C in the
// terminal that started it) and SIGHUP (that terminal closing) close the main window, which
// saves the settings and ends the program exactly as Quit does.
namespace clvt {

// From now on, as long as window lives, the three signals close window once, however many of
// them come, and none once it has closed. The signal handler only writes a byte to a pipe; the
// close runs in the event loop that reads it, so the save never runs inside a handler. A signal
// ignored when the program started (nohup) stays ignored. Call it once the window has started
// (not before: a close during start-up would be undone by the rest of it); needs a QApplication.
void CloseOnTerminationSignals(QWidget& window);

}  // namespace clvt
