// The accessible description of a named drop-down list. It offers what Qt's own offers for a
// list that cannot be edited: the pop-up list as its one child, and "press"/"show menu" to
// open or close that pop-up.
#include "support/accessible_list_widget.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QString>

namespace clvt {
namespace {

class NamedListAccessible : public QAccessibleWidget {
 public:
  explicit NamedListAccessible(QComboBox* list) : QAccessibleWidget(list, QAccessible::ComboBox) {}

  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Name) return List()->accessibleName();
    if (t == QAccessible::Value) return List()->currentText();
    return QAccessibleWidget::text(t);
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

// Qt asks the factories installed last first, so this one comes before Qt's own. It takes only
// lists that have a name of their own; every other list keeps Qt's description.
QAccessibleInterface* NamedListFactory(const QString& className, QObject* object) {
  if (className != QLatin1String("QComboBox")) return nullptr;
  auto* list = qobject_cast<QComboBox*>(object);
  if (list == nullptr || list->isEditable() || list->accessibleName().isEmpty()) return nullptr;
  return new NamedListAccessible(list);
}

}  // namespace

void SetListAccessibleName(QComboBox* list, const QString& name) {
  if (list == nullptr) return;
  QAccessible::installFactory(NamedListFactory);  // once; installing again changes nothing
  list->setAccessibleName(name);
  // Qt may already have described the list (naming it reports the change); that description
  // stays in its cache unless it is dropped, and the next query then asks the factory above.
  QAccessibleInterface* described = QAccessible::queryAccessibleInterface(list);
  if (described != nullptr && dynamic_cast<NamedListAccessible*>(described) == nullptr) {
    QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(described));
  }
}

}  // namespace clvt
