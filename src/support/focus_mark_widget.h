#pragma once

class QColor;
class QWidget;

// The focus mark of the program's windows: a ring just outside the control that has the
// keyboard focus, white or black, whichever contrasts more with the window's colour (4.5:1 at
// the least), so that it shows whatever colour the window takes. The style's own marks are
// drawn in colours near the window's (on the purple window, #760F86 around an option button)
// or as a faint line, and cannot be seen there.
namespace clvt {

// Shows the focus mark in window from now on, following the focus from control to control;
// call it once per window. A null window is ignored.
void MarkFocus(QWidget* window);

// White or black, whichever has the higher contrast ratio with background (the relative
// luminances of the Web Content Accessibility Guidelines); ties go to white.
QColor ContrastingColour(const QColor& background);

}  // namespace clvt
