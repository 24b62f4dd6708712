#pragma once

class QComboBox;
class QLabel;
class QLineEdit;
class QString;
class QWidget;

// What assistive tools (screen readers) learn about the program's controls where Qt's own
// description says too little or the wrong thing. Each call may come before or after Qt has
// first described the control: a description Qt already made is dropped, so the next query
// gets this one.
namespace clvt {

// Gives a drop-down list a name that says which list it is and what it shows, kept current on
// every change however it is made (mouse, arrow keys, typing, the program): "Month: December",
// or "Month" while the empty item is chosen. The shown item also stays its accessible value.
// Qt on Linux names a list by its item alone, which never says which list it is, and its
// bridge to the desktop passes no value on; the name is what every screen reader speaks. The
// list must not be editable.
void SetListAccessibleName(QComboBox* list, const QString& name);

// Describes a top-level window as a window; Qt describes a plain widget as a client area
// even when it is a window of its own.
void DescribeAsWindow(QWidget* window);

// Describes a read-only text box as text that can be read, selected and copied but not
// edited; Qt reports every line edit as editable, a read-only one as editable and read only.
void DescribeAsReadOnlyBox(QLineEdit* box);

// Names a label by its text also while that is empty; Qt names an empty label inside a frame
// after the frame's caption.
void NameLabelByItsText(QLabel* label);

// Describes a label as a link named by its text: an assistive tool's "press" emits the
// label's signal activated(), queued, as the keys and the mouse do. Its accessible
// description (its address) is the caller's to set.
void DescribeAsLink(QLabel* link);

// Describes a self-closing pop-up as an alert whose name is the message its one label shows.
void DescribeAsAlert(QWidget* popUp);
// Tells assistive tools that the alert has appeared with its message, so that it is spoken.
void AnnounceAlert(QWidget* popUp);

}  // namespace clvt
