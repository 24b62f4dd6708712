#pragma once

#include <QObject>
#include <QString>
#include <QtGlobal>

namespace clvt::testing {

// The control of window whose objectName is name; the test ends at once when there is none,
// since every later step would only fail for the same reason.
template <class T>
T* FindControl(const QObject* window, const char* name) {
  T* control = window->findChild<T*>(QString::fromLatin1(name));
  if (control == nullptr) qFatal("no control %s", name);
  return control;
}

}  // namespace clvt::testing
