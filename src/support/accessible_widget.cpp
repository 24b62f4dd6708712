// The program's own accessible descriptions. A control marked with the kind of description it
// needs gets it from one factory, which Qt asks before its own.
#include "support/accessible_widget.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QMetaObject>
#include <QString>
#include <QVariant>

namespace clvt {
namespace {

enum class Kind { None, List, Window, ReadOnlyBox, NamedByText, Link, Alert };

const char* const kKindProperty = "clvtAccessibleKind";

Kind KindOf(const QObject* object) {
  const QVariant kind = object->property(kKindProperty);
  return kind.isValid() ? static_cast<Kind>(kind.toInt()) : Kind::None;
}

// Marks the descriptions made here, so that one Qt made before can be told apart.
class OwnDescription {
 public:
  virtual ~OwnDescription() = default;
};

// A list that cannot be edited, as Qt's own offers it (the pop-up list as its one child,
// "press"/"show menu" to open or close it), named by its purpose and its shown item.
class ListAccessible : public QAccessibleWidget, public OwnDescription {
 public:
  explicit ListAccessible(QComboBox* list) : QAccessibleWidget(list, QAccessible::ComboBox) {}

  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Value) return List()->currentText();
    if (t != QAccessible::Name) return QAccessibleWidget::text(t);
    const QString shown = List()->currentText();
    const QString purpose = List()->accessibleName();
    return shown.isEmpty() ? purpose : purpose + QStringLiteral(": ") + shown;
  }

  int childCount() const override { return 1; }
  QAccessibleInterface* child(int index) const override {
    return index == 0 ? QAccessible::queryAccessibleInterface(List()->view()) : nullptr;
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    return child != nullptr && child->object() == List()->view() ? 0 : -1;
  }
  QAccessibleInterface* childAt(int /*x*/, int /*y*/) const override { return nullptr; }

  QStringList actionNames() const override {
    return QStringList{showMenuAction(), pressAction()} + QAccessibleWidget::actionNames();
  }
  void doAction(const QString& action) override {
    if (action != showMenuAction() && action != pressAction()) {
      QAccessibleWidget::doAction(action);
    } else if (List()->view()->isVisible()) {
      List()->hidePopup();
    } else {
      List()->showPopup();
    }
  }

 private:
  QComboBox* List() const { return static_cast<QComboBox*>(object()); }
};

// A read-only line edit: its text through the text interface, selectable, never editable.
class ReadOnlyBoxAccessible : public QAccessibleWidget,
                              public QAccessibleTextInterface,
                              public OwnDescription {
 public:
  explicit ReadOnlyBoxAccessible(QLineEdit* box)
      : QAccessibleWidget(box, QAccessible::EditableText) {}

  QString text(QAccessible::Text t) const override {
    return t == QAccessible::Value ? Box()->text() : QAccessibleWidget::text(t);
  }
  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.readOnly = true;
    state.selectableText = true;
    return state;
  }
  void* interface_cast(QAccessible::InterfaceType t) override {
    if (t == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(t);
  }

  void selection(int selectionIndex, int* startOffset, int* endOffset) const override {
    *startOffset = *endOffset = 0;
    if (selectionIndex != 0 || !Box()->hasSelectedText()) return;
    *startOffset = Box()->selectionStart();
    *endOffset = Box()->selectionEnd();
  }
  int selectionCount() const override { return Box()->hasSelectedText() ? 1 : 0; }
  void addSelection(int startOffset, int endOffset) override {
    setSelection(0, startOffset, endOffset);
  }
  void removeSelection(int selectionIndex) override {
    if (selectionIndex == 0) Box()->deselect();
  }
  void setSelection(int selectionIndex, int startOffset, int endOffset) override {
    if (selectionIndex == 0) Box()->setSelection(startOffset, endOffset - startOffset);
  }
  int cursorPosition() const override { return Box()->cursorPosition(); }
  void setCursorPosition(int position) override { Box()->setCursorPosition(position); }
  QString text(int startOffset, int endOffset) const override {
    return Box()->text().mid(startOffset, endOffset - startOffset);
  }
  int characterCount() const override { return static_cast<int>(Box()->text().size()); }
  // The output boxes show their text whole from its start, so a character's place is the
  // width of the text before it from the left of the text area.
  QRect characterRect(int offset) const override {
    const QString shown = Box()->text();
    if (offset < 0 || offset >= shown.size()) return {};
    const QFontMetrics metrics(Box()->font());
    const int left = kTextLeft + metrics.horizontalAdvance(shown.left(offset));
    const QRect local(left, (Box()->height() - metrics.height()) / 2,
                      metrics.horizontalAdvance(shown.at(offset)), metrics.height());
    return {Box()->mapToGlobal(local.topLeft()), local.size()};
  }
  int offsetAtPoint(const QPoint& point) const override {
    return Box()->cursorPositionAt(Box()->mapFromGlobal(point));
  }
  void scrollToSubstring(int startIndex, int /*endIndex*/) override {
    Box()->setCursorPosition(startIndex);
  }
  QString attributes(int /*offset*/, int* startOffset, int* endOffset) const override {
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
  }

 private:
  static constexpr int kTextLeft = 4;  // frame and margin left of a line edit's text
  QLineEdit* Box() const { return static_cast<QLineEdit*>(object()); }
};

class LabelAccessible : public QAccessibleWidget, public OwnDescription {
 public:
  explicit LabelAccessible(QLabel* label, QAccessible::Role role = QAccessible::StaticText)
      : QAccessibleWidget(label, role) {}
  QString text(QAccessible::Text t) const override {
    if (t != QAccessible::Name) return QAccessibleWidget::text(t);
    const auto* label = static_cast<const QLabel*>(object());
    return label->accessibleName().isEmpty() ? label->text() : label->accessibleName();
  }
};

class LinkAccessible : public LabelAccessible {
 public:
  explicit LinkAccessible(QLabel* link) : LabelAccessible(link, QAccessible::Link) {}
  QAccessible::State state() const override {
    QAccessible::State state = LabelAccessible::state();
    state.linked = true;
    return state;
  }
  QStringList actionNames() const override {
    return QStringList{pressAction()} + LabelAccessible::actionNames();
  }
  void doAction(const QString& action) override {
    if (action != pressAction()) {
      LabelAccessible::doAction(action);
      return;
    }
    // Queued, so that the request of the assistive tool is answered before a message shows.
    QMetaObject::invokeMethod(object(), "activated", Qt::QueuedConnection);
  }
};

class AlertAccessible : public QAccessibleWidget, public OwnDescription {
 public:
  explicit AlertAccessible(QWidget* popUp) : QAccessibleWidget(popUp, QAccessible::AlertMessage) {}
  QString text(QAccessible::Text t) const override {
    if (t != QAccessible::Name) return QAccessibleWidget::text(t);
    const auto* message = widget()->findChild<QLabel*>();
    return message != nullptr ? message->text() : QString();
  }
};

class WindowAccessible : public QAccessibleWidget, public OwnDescription {
 public:
  explicit WindowAccessible(QWidget* window) : QAccessibleWidget(window, QAccessible::Window) {}
};

// Qt asks the factories installed last first, and for each object first by its own class.
QAccessibleInterface* Factory(const QString& /*className*/, QObject* object) {
  if (object == nullptr || !object->isWidgetType()) return nullptr;
  auto* widget = static_cast<QWidget*>(object);
  switch (KindOf(object)) {
    case Kind::List: return new ListAccessible(static_cast<QComboBox*>(widget));
    case Kind::Window: return new WindowAccessible(widget);
    case Kind::ReadOnlyBox: return new ReadOnlyBoxAccessible(static_cast<QLineEdit*>(widget));
    case Kind::NamedByText: return new LabelAccessible(static_cast<QLabel*>(widget));
    case Kind::Link: return new LinkAccessible(static_cast<QLabel*>(widget));
    case Kind::Alert: return new AlertAccessible(widget);
    case Kind::None: break;
  }
  return nullptr;
}

// Marks widget for the factory. Qt may already have described it (a change of name or text
// reports itself, which makes a description); that one stays in Qt's cache unless dropped,
// and the next query then asks the factory.
void Describe(QWidget* widget, Kind kind) {
  QAccessible::installFactory(Factory);  // once; installing again changes nothing
  widget->setProperty(kKindProperty, static_cast<int>(kind));
  QAccessibleInterface* described = QAccessible::queryAccessibleInterface(widget);
  if (described != nullptr && dynamic_cast<OwnDescription*>(described) == nullptr) {
    QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(described));
  }
}

void ReportChange(QObject* object, QAccessible::Event change) {
  QAccessibleEvent event(object, change);
  QAccessible::updateAccessibility(&event);
}

}  // namespace

void SetListAccessibleName(QComboBox* list, const QString& name) {
  if (list == nullptr) return;
  list->setAccessibleName(name);
  Describe(list, Kind::List);
  // Also when the shown item is renamed in place, which is no change of value.
  QObject::connect(list, &QComboBox::currentTextChanged, list,
                   [list] { ReportChange(list, QAccessible::NameChanged); });
}

void DescribeAsWindow(QWidget* window) {
  if (window != nullptr) Describe(window, Kind::Window);
}

void DescribeAsReadOnlyBox(QLineEdit* box) {
  if (box == nullptr) return;
  box->setReadOnly(true);
  Describe(box, Kind::ReadOnlyBox);
}

void NameLabelByItsText(QLabel* label) {
  if (label != nullptr) Describe(label, Kind::NamedByText);
}

void DescribeAsLink(QLabel* link) {
  if (link != nullptr) Describe(link, Kind::Link);
}

void DescribeAsAlert(QWidget* popUp) {
  if (popUp != nullptr) Describe(popUp, Kind::Alert);
}

void AnnounceAlert(QWidget* popUp) {
  if (popUp == nullptr) return;
  ReportChange(popUp, QAccessible::NameChanged);
  ReportChange(popUp, QAccessible::Alert);
}

}  // namespace clvt
