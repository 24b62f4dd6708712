// The yardstick of bench/startup_bench.sh: the least a Qt Widgets program shows, a window
// holding one push button, built with the same compiler flags as calvantis.
#include <QApplication>
#include <QPushButton>
#include <QWidget>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QWidget window;
  QPushButton button(QStringLiteral("Quit"), &window);
  QObject::connect(&button, &QPushButton::clicked, &app, &QApplication::quit);
  window.show();
  return QApplication::exec();
}
