// Start-up of the desktop program: program texts first, because the window's captions and
// identity come from them, then the main window.
#include "app/startup.h"

#include "app/termination_signals.h"
#include "mainwindow/main_window.h"
#include "platform/message_box.h"
#include "platform/services.h"
#include "support/program_text.h"

namespace clvt {

std::unique_ptr<MainWindow> StartCalvantis(const Services& services,
                                           const std::string& programTextFile) {
  if (const auto failure = LoadProgramText(programTextFile)) {
    services.messages.Show(*failure);
    return nullptr;
  }
  auto window = std::make_unique<MainWindow>(services);
  window->Start();
  CloseOnTerminationSignals(*window);
  return window;
}

}  // namespace clvt
