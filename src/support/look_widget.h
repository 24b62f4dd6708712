#pragma once

#include <cstdint>

class QString;
class QWidget;

// One background colour, one caption colour and one font name across a window's controls, and
// captions that fit their controls in whatever font the machine gives.
// "Captions" are labels, frames (QGroupBox), option buttons (QRadioButton) and check boxes;
// text boxes (QLineEdit, QTextEdit, QPlainTextEdit), buttons and drop-down lists keep their
// own colours. A null window is ignored.
namespace clvt {

// Paints window and its captions with bgr (0x00BBGGRR) and makes them fill their background.
void SetBackColor(QWidget* window, uint32_t bgr);

// Gives the captions' text the colour bgr while enabled; disabled captions stay greyed, and
// the window's own text colour is not changed.
void SetForeColor(QWidget* window, uint32_t bgr);

// Sets the font family of every frame, button, check box, label, option button and drop-down
// list, and of every text box when includeTextBoxes; sizes, weights and styles stay. Text
// boxes left out keep their family even when it was inherited from the window.
void SetFontName(QWidget* window, const QString& name, bool includeTextBoxes);

// Keeps every caption of window's labels, buttons, option buttons and check boxes inside its
// control: where the font the machine gave (another family than the one asked for, say) makes
// a caption wider than the room its control leaves for it, or a wrapped caption taller, the
// control's font gets the largest point size, in quarter points, at which it fits, down to 6
// points; the control keeps its place and size. A caption is checked when it is painted after
// its text, font or size has changed, and one made smaller grows back when its text or room
// allows. Call it once a window's controls exist; controls added later are not watched.
void FitCaptions(QWidget* window);

}  // namespace clvt
