#pragma once

class QComboBox;
class QString;

namespace clvt {

// Gives a drop-down list an accessible name that says what it holds ("Month"); its current
// item ("December") stays its accessible value. Qt on Linux otherwise names a list by its
// current item, so a screen reader would announce "December" and never say which list it is.
// The list must not be editable.
void SetListAccessibleName(QComboBox* list, const QString& name);

}  // namespace clvt
