// main() of the desktop program calvantis.
#include <QApplication>
#include <QCommandLineParser>
#include <QStringList>

#include <exception>
#include <memory>

#include "app/qt_clipboard.h"
#include "app/qt_message_boxes.h"
#include "app/startup.h"
#include "mainwindow/main_window.h"
#include "platform/registry.h"
#include "platform/services.h"
#include "platform/shell.h"
#include "support/identity.h"

namespace {

// --help and --version print and end the program before the window system is reached, so
// that they work without a display. Qt's own options (-platform NAME and the like) are not
// known yet and are read as unknown words, each as one option: "-reverse" is not -v.
void AnswerHelpOrVersion(QCommandLineParser& parser, int& argc, char* argv[]) {
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  parser.parse(arguments);
  if (parser.isSet(QStringLiteral("version"))) parser.showVersion();
  if (parser.isSet(QStringLiteral("help"))) {
    const QCoreApplication app(argc, argv);  // the usage line names the program as started
    parser.showHelp();
  }
}

}  // namespace

int main(int argc, char* argv[]) {
  try {
    QApplication::setApplicationName(QStringLiteral("Calvantis"));
    QApplication::setApplicationVersion(QString::fromStdString(clvt::strVersion()));
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Converts dates among the Gregorian, Julian and Dee calendars."));
    parser.addHelpOption();
    parser.addVersionOption();
    AnswerHelpOrVersion(parser, argc, argv);

    QApplication app(argc, argv);
    parser.process(app);  // what is left after Qt's options; an unknown option ends with 1
    clvt::QtMessageBoxes messages;
    clvt::QtClipboard clipboard;
    clvt::SystemShell shell;
    const std::unique_ptr<clvt::RegistryApi> registry = clvt::MakePlatformRegistry();
    const auto window = clvt::StartCalvantis({messages, clipboard, shell, *registry});
    if (!window) return 1;
    return QApplication::exec();
  } catch (const std::exception&) {
    return 1;
  }
}
