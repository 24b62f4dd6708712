// The window look operations. Colours go through the palette, so that the offscreen and
// xcb platforms paint them the same way; autoFillBackground makes a widget paint its Window
// role instead of showing its parent through.
#include "support/look_widget.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTextEdit>
#include <QWidget>

#include "support/colour_widget.h"

namespace clvt {
namespace {

// A label, frame, option button or check box: the controls that carry the window's colours.
bool IsCaption(const QWidget* w) {
  return qobject_cast<const QLabel*>(w) != nullptr ||
         qobject_cast<const QGroupBox*>(w) != nullptr ||
         qobject_cast<const QRadioButton*>(w) != nullptr ||
         qobject_cast<const QCheckBox*>(w) != nullptr;
}

// A text box the user sees as one, not the editor inside a drop-down list or spin box.
bool IsTextBox(const QWidget* w) {
  const QWidget* parent = w->parentWidget();
  if (qobject_cast<const QComboBox*>(parent) != nullptr ||
      qobject_cast<const QAbstractSpinBox*>(parent) != nullptr) {
    return false;
  }
  return qobject_cast<const QLineEdit*>(w) != nullptr ||
         qobject_cast<const QTextEdit*>(w) != nullptr ||
         qobject_cast<const QPlainTextEdit*>(w) != nullptr;
}

// A frame, button, check box, label, option button or drop-down list.
bool TakesFontName(const QWidget* w) {
  return qobject_cast<const QLabel*>(w) != nullptr ||
         qobject_cast<const QGroupBox*>(w) != nullptr ||
         qobject_cast<const QAbstractButton*>(w) != nullptr ||
         qobject_cast<const QComboBox*>(w) != nullptr;
}

void PaintBackground(QWidget* w, const QColor& colour) {
  QPalette palette = w->palette();
  palette.setColor(QPalette::Window, colour);
  w->setPalette(palette);
  // Option buttons and check boxes fill with the Button role by default, which would leave
  // them light grey on a coloured window.
  w->setBackgroundRole(QPalette::Window);
  w->setAutoFillBackground(true);
}

void SetFamily(QWidget* w, const QString& name) {
  QFont font = w->font();
  font.setFamily(name);
  w->setFont(font);
}

}  // namespace

void SetBackColor(QWidget* window, uint32_t bgr) {
  if (window == nullptr) return;
  const QColor colour = ToQColor(bgr);
  PaintBackground(window, colour);
  for (QWidget* child : window->findChildren<QWidget*>()) {
    if (IsCaption(child)) PaintBackground(child, colour);
  }
}

void SetForeColor(QWidget* window, uint32_t bgr) {
  if (window == nullptr) return;
  const QColor colour = ToQColor(bgr);
  for (QWidget* child : window->findChildren<QWidget*>()) {
    if (!IsCaption(child)) continue;
    QPalette palette = child->palette();
    palette.setColor(QPalette::Active, QPalette::WindowText, colour);
    palette.setColor(QPalette::Inactive, QPalette::WindowText, colour);
    child->setPalette(palette);
  }
}

void SetFontName(QWidget* window, const QString& name, bool includeTextBoxes) {
  if (window == nullptr) return;
  const QList<QWidget*> children = window->findChildren<QWidget*>();
  // Pin the family of the text boxes left out first: a frame's new font would otherwise
  // reach the boxes inside it that have no font of their own.
  if (!includeTextBoxes) {
    for (QWidget* child : children) {
      if (IsTextBox(child)) SetFamily(child, child->font().family());
    }
  }
  // A control that already shows the family, as every control does that inherits it from a
  // window given the family first, is left alone: a font set on a control lays it and all its
  // children out again, which took a tenth of the main window's start.
  for (QWidget* child : children) {
    if ((TakesFontName(child) || (includeTextBoxes && IsTextBox(child))) &&
        child->font().family() != name) {
      SetFamily(child, name);
    }
  }
}

}  // namespace clvt
