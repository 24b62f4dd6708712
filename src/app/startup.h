#pragma once

#include <memory>
#include <string>

// The desktop program's start-up, apart from main() so that tests can run it.
namespace clvt {

class MainWindow;
struct Services;

// Loads the program texts from programTextFile (LoadProgramText), then gives the program
// its desktop id and builds, shows and starts the main window (settings restored, or today's
// date in the input), which gets the program's window icon once it has been painted (or a
// second after the start, if it is not painted by then) and from then on also closes on
// SIGTERM, SIGINT and SIGHUP, saving as Quit does. When the texts cannot be loaded, shows the
// load message (critical icon, no title) and returns nullptr without having opened any window;
// the program then ends with status 1.
// Needs a QApplication.
std::unique_ptr<MainWindow> StartCalvantis(const Services& services,
                                           const std::string& programTextFile = "clvt.dat");

}  // namespace clvt
