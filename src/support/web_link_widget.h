#pragma once

#include <string>

class QWidget;

// Opening web pages from a window without holding up its event loop.
namespace clvt {

class MessageBoxes;
class Shell;

// Opens target through shell (OpenWebLink) and returns at once; a timer owned by owner polls
// shell for the opener's outcome, and a failure is shown through messages when it is known.
// shell and messages must outlive owner; one owner uses one shell.
void OpenWebLinkFrom(QWidget& owner, const std::string& target, Shell& shell,
                     MessageBoxes& messages);

}  // namespace clvt
