#pragma once

#include <string>

class QWidget;

// Opening web pages from a window without holding up its event loop.
namespace clvt {

class MessageBoxes;

// Opens target with the desktop's opener (OpenWebLink through a SystemShell kept by owner) and
// returns at once; a timer owned by owner collects the opener's outcome, and a failure is shown
// through messages when it is known. messages must outlive owner.
void OpenWebLinkFrom(QWidget& owner, const std::string& target, MessageBoxes& messages);

}  // namespace clvt
