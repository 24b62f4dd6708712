// The window look operations. Colours go through the palette, so that the offscreen and
// xcb platforms paint them the same way; autoFillBackground makes a widget paint its Window
// role instead of showing its parent through.
#include "support/look_widget.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTextEdit>
#include <QWidget>

#include <algorithm>
#include <cmath>

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

constexpr qreal kSmallestCaptionPoints = 6;
constexpr qreal kCaptionPointStep = 0.25;

// The text a label or button shows.
QString CaptionText(const QWidget* w) {
  if (const auto* label = qobject_cast<const QLabel*>(w)) return label->text();
  if (const auto* button = qobject_cast<const QAbstractButton*>(w)) return button->text();
  return {};
}

// The rectangle a label or button draws its caption in, cutting off what reaches past it.
QRect CaptionRoom(const QWidget* w) {
  if (const auto* label = qobject_cast<const QLabel*>(w)) {
    const int margin = label->margin();
    return label->contentsRect().adjusted(margin, margin, -margin, -margin);
  }
  QStyleOptionButton option;
  option.initFrom(w);
  QStyle::SubElement contents = QStyle::SE_PushButtonContents;
  if (qobject_cast<const QRadioButton*>(w) != nullptr) {
    contents = QStyle::SE_RadioButtonContents;
  } else if (qobject_cast<const QCheckBox*>(w) != nullptr) {
    contents = QStyle::SE_CheckBoxContents;
  } else if (const auto* push = qobject_cast<const QPushButton*>(w);
             push != nullptr && (push->autoDefault() || push->isDefault())) {
    option.features |= QStyleOptionButton::AutoDefaultButton;
  }
  return w->style()->subElementRect(contents, &option, w);
}

bool WrapsCaption(const QWidget* w) {
  const auto* label = qobject_cast<const QLabel*>(w);
  return label != nullptr && label->wordWrap();
}

// Whether text in font stays inside room: on one line, or wrapped for a label that wraps.
bool Fits(const QWidget* w, const QString& text, const QRect& room, const QFont& font) {
  const QFontMetrics metrics(font);
  if (WrapsCaption(w)) {
    const auto* label = static_cast<const QLabel*>(w);
    const int flags = static_cast<int>(label->alignment().toInt() | Qt::TextWordWrap);
    const QRect needed = metrics.boundingRect(room, flags, text);
    return needed.width() <= room.width() && needed.height() <= room.height();
  }
  return metrics.horizontalAdvance(text) <= room.width();
}

// The point size of font, or the largest smaller one in steps, at which text fits control.
qreal FittingPointSize(const QWidget* control, const QString& text, QFont font) {
  const QRect room = CaptionRoom(control);
  const qreal asked = font.pointSizeF();
  if (text.isEmpty() || Fits(control, text, room, font)) return asked;
  qreal size = asked - kCaptionPointStep;
  // A caption on one line is about as wide as its size, so the first try is the size in
  // proportion to the room.
  const int width = QFontMetrics(font).horizontalAdvance(text);
  if (!WrapsCaption(control) && width > 0) {
    size = std::min(
        size, std::floor(asked * room.width() / width / kCaptionPointStep) * kCaptionPointStep);
  }
  for (; size > kSmallestCaptionPoints; size -= kCaptionPointStep) {
    font.setPointSizeF(size);
    if (Fits(control, text, room, font)) return size;
  }
  return kSmallestCaptionPoints;
}

// Watches the captions of one window and fits their fonts as they are painted.
class CaptionFitter : public QObject {
 public:
  explicit CaptionFitter(QWidget* window) : QObject(window) {}

  void Watch(QWidget* control) {
    control->installEventFilter(this);
    connect(control, &QObject::destroyed, this, [this, control] { checked_.remove(control); });
  }

 protected:
  // Before the control paints, so that it paints its caption in the fitted font.
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) Fit(static_cast<QWidget*>(watched));
    return false;
  }

 private:
  // What a control was last fitted for, with the font the program gave it.
  struct Checked {
    QString text;
    QSize size;
    QFont asked;
    qreal fitted = 0;  // the point size this fitter gave the control; 0 while it gave none
  };

  void Fit(QWidget* control) {
    Checked& last = checked_[control];
    QFont asked = control->font();
    // While the control keeps the size given here, the program asks for the size it had before
    // (a caption made bold keeps it); any other size is the program's own.
    if (last.fitted > 0 && asked.pointSizeF() == last.fitted) {
      asked.setPointSizeF(last.asked.pointSizeF());
    }
    const QString text = CaptionText(control);
    if (asked.pointSizeF() <= 0 ||
        (text == last.text && control->size() == last.size && asked == last.asked)) {
      return;
    }
    const qreal size = FittingPointSize(control, text, asked);
    last = {text, control->size(), asked, size == asked.pointSizeF() ? 0 : size};
    QFont font = asked;
    font.setPointSizeF(size);
    if (font != control->font()) control->setFont(font);
  }

  QHash<const QWidget*, Checked> checked_;
};

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

void FitCaptions(QWidget* window) {
  if (window == nullptr) return;
  auto* fitter = new CaptionFitter(window);
  for (QWidget* child : window->findChildren<QWidget*>()) {
    if (qobject_cast<QLabel*>(child) != nullptr ||
        qobject_cast<QAbstractButton*>(child) != nullptr) {
      fitter->Watch(child);
    }
  }
}

}  // namespace clvt
