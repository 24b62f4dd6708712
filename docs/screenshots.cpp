// Makes the README's pictures of the windows from the program's own windows: the main window
// after converting November 22, 2015 CE, and the date sequence and vernal equinox windows after
// one run of "Do it" each, with their default numbers. scripts/screenshots runs it under Xvfb;
// it writes main-window.png, date-sequence-window.png and vernal-equinox-window.png into the
// folder named by its argument.
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>

#include <cstdio>

#include "app/startup.h"
#include "doubles/memory_registry.h"
#include "doubles/recording_clipboard.h"
#include "doubles/recording_message_boxes.h"
#include "doubles/recording_shell.h"
#include "mainwindow/main_window.h"
#include "platform/services.h"

namespace {

// QImage's PNG quality runs from 0 (smallest file, slowest) to 100; the pictures are small.
constexpr int kSmallestPng = 0;
// How long a window may take to become the active one.
constexpr int kActivationMilliseconds = 2000;

template <typename T>
T& Find(const QWidget& parent, const char* name) {
  T* child = parent.findChild<T*>(QString::fromLatin1(name));
  if (child == nullptr) {
    std::fprintf(stderr, "screenshots: no control %s\n", name);
    std::exit(1);
  }
  return *child;
}

void Choose(const QWidget& window, const char* list, const char* text) {
  auto& box = Find<QComboBox>(window, list);
  box.setCurrentIndex(box.findText(QString::fromLatin1(text)));
}

// Activates window, so that its focused control shows the focus mark, lets the windows lay
// themselves out and paint, then saves what window shows.
bool Save(QWidget& window, const QDir& folder, const char* name) {
  window.activateWindow();
  QElapsedTimer waited;
  waited.start();
  while (!window.isActiveWindow() && waited.elapsed() < kActivationMilliseconds) {
    QApplication::processEvents(QEventLoop::AllEvents, kActivationMilliseconds);
  }
  for (int i = 0; i < 5; ++i) QApplication::processEvents();
  const QString path = folder.filePath(QString::fromLatin1(name));
  if (window.grab().save(path, "PNG", kSmallestPng)) return true;
  std::fprintf(stderr, "screenshots: cannot write %s\n", qPrintable(path));
  return false;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: screenshots FOLDER\n");
    return 2;
  }
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Calvantis"));
  const QDir folder(QString::fromLocal8Bit(argv[1]));

  clvt::RecordingMessageBoxes messages;
  clvt::RecordingClipboard clipboard;
  clvt::RecordingShell shell;
  // An empty store of its own: nothing saved before decides what the pictures show.
  clvt::MemoryRegistry registry;
  const auto main = clvt::StartCalvantis({messages, clipboard, shell, registry});
  if (!main) return 1;

  Find<QRadioButton>(*main, "optInputDateWithoutAYN").click();
  Choose(*main, "cboMonthNames", "November");
  Choose(*main, "cboDayNumbers", "22");
  Find<QLineEdit>(*main, "txbYearADBCetc").setText(QStringLiteral("2015"));
  Choose(*main, "cboYearDesADBCetc", "CE");
  Choose(*main, "cboCalendar_0", "Gregorian Calendar");
  main->Timer1_Timer();  // enables Calculate, as the live input does twice a second
  Find<QPushButton>(*main, "cmdCalculate").click();
  main->Timer1_Timer();
  bool saved = Save(*main, folder, "main-window.png");

  Find<QPushButton>(*main, "cmdDateSequence").click();
  auto& sequence = Find<QWidget>(*main, "frmDateSequence");
  Find<QPushButton>(sequence, "cmdDoIt").click();
  saved = Save(sequence, folder, "date-sequence-window.png") && saved;

  Find<QPushButton>(*main, "cmdVernalEquinoxes").click();
  auto& equinoxes = Find<QWidget>(*main, "frmVernalEquinoxes");
  Find<QPushButton>(equinoxes, "cmdDoIt").click();
  saved = Save(equinoxes, folder, "vernal-equinox-window.png") && saved;

  for (const auto& message : messages.shown) {
    std::fprintf(stderr, "screenshots: message shown: %s\n", message.text.c_str());
  }
  return saved && messages.shown.empty() ? 0 : 1;
}
