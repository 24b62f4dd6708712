#pragma once

#include <functional>

class QLineEdit;
class QWidget;

// The Enter key, the same in every window of the program. Return and keypad Enter count
// alike, and a key held down acts once: its repeats do nothing.
namespace clvt {

// Makes Return and keypad Enter press the push button of window that has the focus, once per
// key press. Covers the push buttons window holds when it is called, not those
// of other windows below it; call it once per window.
void PressButtonsOnEnter(QWidget* window);

// Runs action when Return or keypad Enter comes up in box after it went down there. A key
// that went down anywhere else does nothing when it comes up in box: the Enter that closes a
// message box which action showed comes up in box again, and must not run action again.
void RunOnEnterRelease(QLineEdit* box, std::function<void()> action);

}  // namespace clvt
